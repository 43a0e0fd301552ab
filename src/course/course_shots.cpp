#include "course/course_shots.h"

#include "course/course_run.h"
#include "course/course_tables.h"
#include "shot/landing.h"
#include "shot/strelba.h"
#include "state/simulator.h"

#include <algorithm>
#include <cstddef>
#include <string>

namespace {

// The target whose bull, taken as the marker, would put the shot nearest its face's centre.
int nearestTarget(const Simulator& s, std::span<const range::BullPlace> bulls)
{
    int nearest = 0;
    double nearestSquared = 0;
    SightReading read = readSights(s.f, s.windage, s.elevation);
    for (std::size_t k = 0; k < bulls.size(); ++k) {
        read.miLeft = bulls[k].Left;
        read.miTop = bulls[k].Top;
        const Landing l = landingOf(read);
        const double across = l.hitX;
        const double down = l.hitY;
        const double squared = across * across + down * down;
        if (k == 0 || squared < nearestSquared) {
            nearest = static_cast<int>(k);
            nearestSquared = squared;
        }
    }
    return nearest;
}

bool inTime(ShotVerdict v)
{
    return v == ShotVerdict::Counted || v == ShotVerdict::Extra;
}

ShotVerdict verdictOf(const Simulator& s, const CourseSeries& series, const CourseShot& shot)
{
    const CourseState& c = s.course;
    if (c.phase == CoursePhase::Load || c.phase == CoursePhase::Attention)
        return ShotVerdict::BeforeSignal;
    if (c.phase != CoursePhase::Start || !c.facing)
        return ShotVerdict::AfterTime;
    const bool oneShotAnExposure = seriesPlanOf(c).exposures > 1;
    const bool oneShotATarget = bullsOf(planOf(s.course).targets).size() > 1;
    int earlierInTime = 0;
    for (const CourseShot& earlier : series.shots) {
        earlierInTime += inTime(earlier.verdict) ? 1 : 0;
        if (earlier.verdict == ShotVerdict::Counted && ((oneShotAnExposure && earlier.exposure == shot.exposure) ||
                                                        (oneShotATarget && earlier.target == shot.target)))
            return ShotVerdict::Extra;
    }
    return earlierInTime < seriesShots ? ShotVerdict::Counted : ShotVerdict::Extra;
}

// A shot that does not count keeps its mark, but its points leave the series, its boxes show 0
// and the analysis counts it 0.
void takeBackPoints(Simulator& s, int N)
{
    s.seriesScore -= s.shotScore;
    s.shotScore = 0;
    s.f.i(N).setText("0");
    if (N == seriesLength)
        s.f.i(11).setText(std::to_string(s.seriesScore));
    s.proverka.controls().tbi.setText("0");
    s.shotLog.rescored(0);
}

// What a shot's mark says on the target window: "П" for a sighter, and the target it hit, from 1,
// where there are five.
std::string markLabelOf(const Simulator& s, const CourseShot& shot)
{
    std::string label = seriesPlanOf(s.course).sighting ? "П" : "";
    if (planOf(s.course).targets == CourseTargets::FiveOnPlates1To5)
        label += std::to_string(shot.target + 1);
    return label;
}

}  // namespace

void aimAtCourseTarget(Simulator& s)
{
    catchUpCourse(s);
    if (!s.course.running)
        return;
    const std::span<const range::BullPlace> bulls = bullsOf(planOf(s.course).targets);
    s.course.target = nearestTarget(s, bulls);
    const range::BullPlace& bull = bulls[static_cast<std::size_t>(s.course.target)];
    s.f.mi.Left = bull.Left;
    s.f.mi.Top = bull.Top;
    s.shotLog.movedBull(bull.Left, bull.Top);
}

void countCourseShot(Simulator& s)
{
    CourseState& c = s.course;
    if (!c.running)
        return;
    CourseSeries& series = c.record.back();
    const Millis now = s.timers.now();
    CourseShot shot;
    shot.time = now;
    shot.exposure = c.exposure;
    shot.target = c.target;
    if (c.signal)
        shot.sinceSignal = now - *c.signal;
    shot.verdict = verdictOf(s, series, shot);
    const int N = s.shotNumber;
    if (N <= seriesLength) {
        TargetControls& window = s.proverka.controls();
        const Control& mark = window.dum(N);
        shot.mark = MarkedShot{mark.Left, mark.Top, s.shotScore};
        window.markLabel(N) = markLabelOf(s, shot);
        if (shot.verdict == ShotVerdict::Counted)
            shot.points = s.shotScore;
        else
            takeBackPoints(s, N);
    } else if (shot.verdict == ShotVerdict::Counted) {
        // Past the score column's tenth box, after shots out of time: scored without a mark.
        shot.points = landingPoints(s);
    }
    series.shots.push_back(shot);
    const auto shotsInTime = std::ranges::count_if(series.shots, [](const CourseShot& x) { return inTime(x.verdict); });
    if (seriesPlanOf(c).endsOnFifthShot && shotsInTime == seriesShots)
        stopSeriesNow(s);
}

int countedPoints(const CourseSeries& series)
{
    int points = 0;
    for (const CourseShot& shot : series.shots)
        points += shot.points;
    return points;
}
