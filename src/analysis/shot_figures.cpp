#include "analysis/shot_figures.h"

#include "shot/landing.h"
#include "shot/ring_scoring.h"
#include "state/range_facts.h"

#include <algorithm>
#include <cmath>

FacePoint landingPoint(const MarkedShot& shot)
{
    return {double{shot.markLeft} - range::markCentreLeft, double{range::markCentreTop} - shot.markTop};
}

double decimalScore(const MarkedShot& shot)
{
    if (shot.points < 1 || shot.points > 10)
        return 0;
    const double d = markDistance(shot.markLeft, shot.markTop);
    const double outer = ringRadius(shot.points);
    const double inner = shot.points == 10 ? 0 : ringRadius(shot.points + 1);
    return shot.points + std::min(0.9, std::floor(10 * (outer - d) / (outer - inner)) / 10);
}

LandingParts landingParts(const SightReading& r)
{
    const double mm1Left = r.mm1Left, mm1Top = r.mm1Top, mmuLeft = r.mmuLeft, mmuTop = r.mmuTop;
    return {
        .hold = {5 * ((mm1Left + sightLineLeft) - (r.miLeft + double{r.miWidth} / 2)),
                 -5 * (mm1Top - (r.miTop + double{r.miHeight}))},
        .alignment = {25 * (mmuLeft - mm1Left - levelBladeLeft), -25 * (mmuTop - mm1Top - levelBladeTop)},
        .settings = {-2.5 * r.windage, -2.5 * r.elevation},
    };
}

FacePoint wouldLand(const SightReading& r)
{
    const Landing l = landingOf(r);
    return {-double{l.hitX}, -static_cast<double>(l.hitY)};
}

namespace {

TracePhase phaseOf(Millis beforeShot)
{
    if (beforeShot < 200)
        return TracePhase::LastFifthOfASecond;
    if (beforeShot < 1000)
        return TracePhase::LastSecond;
    return TracePhase::Earlier;
}

}  // namespace

std::vector<TracePoint> aimTrace(const LoggedShot& shot)
{
    std::vector<TracePoint> trace;
    trace.reserve(shot.aim.size());
    for (const AimSample& sample : shot.aim)
        trace.push_back({wouldLand(sample.sights), phaseOf(shot.time - sample.time)});
    return trace;
}
