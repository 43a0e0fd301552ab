#include "analysis/coach_figures.h"

#include "shot/landing.h"

#include <cmath>

namespace {

double bladeOffset(const SightReading& r)
{
    const double across = double{r.mmuLeft} - r.mm1Left - levelBladeLeft;
    const double down = double{r.mmuTop} - r.mm1Top - levelBladeTop;
    return std::hypot(across, down);
}

}  // namespace

CoachFigures coachFigures(const std::vector<LoggedShot>& shots)
{
    CoachFigures f;
    f.shots = static_cast<int>(shots.size());
    if (shots.empty())
        return f;
    HoldFigures holdSum;
    int withHold = 0;
    for (const LoggedShot& shot : shots) {
        f.points += shot.mark.points;
        const LostPoints lost = lostPoints(shot);
        f.lost.hold += lost.hold;
        f.lost.alignment += lost.alignment;
        f.lost.settings += lost.settings;
        if (const std::optional<HoldFigures> hold = holdFigures(shot)) {
            holdSum.traceLastSecond += hold->traceLastSecond;
            holdSum.traceLast200ms += hold->traceLast200ms;
            holdSum.tenPercent += hold->tenPercent;
            holdSum.expectedPoints += hold->expectedPoints;
            holdSum.span += hold->span;
            ++withHold;
        }
        const FacePoint hold = landingParts(shot.sights).hold;
        f.meanHoldPoint.x += hold.x / f.shots;
        f.meanHoldPoint.y += hold.y / f.shots;
        f.meanBladeOffset += bladeOffset(shot.sights) / f.shots;
    }
    for (const LoggedShot& shot : shots) {
        const FacePoint hold = landingParts(shot.sights).hold;
        f.holdSpread += std::hypot(hold.x - f.meanHoldPoint.x, hold.y - f.meanHoldPoint.y) / f.shots;
    }
    if (withHold > 0)
        f.meanHold = HoldFigures{
            holdSum.traceLastSecond / withHold, holdSum.traceLast200ms / withHold, holdSum.tenPercent / withHold,
            holdSum.expectedPoints / withHold,  holdSum.span / withHold,
        };
    f.suggested = suggestedSettings(shots);
    return f;
}
