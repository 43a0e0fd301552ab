#include "course_driving.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// From the choice of the duel at 0: the load until 60 s, attention until 67 s, then exposure k
// (from 1) faces from 57 + 10 k s for 3 s.
constexpr Millis firstExposure = 67'000;

std::vector<ShotVerdict> verdicts(const CourseSeries& series)
{
    std::vector<ShotVerdict> v;
    for (const CourseShot& shot : series.shots)
        v.push_back(shot.verdict);
    return v;
}

TEST(DuelCourse, AShotCountsUpToTheLastMillisecondOfAnExposureAndOneAnExposure)
{
    Harness h;
    choose(h, duelPistol);
    h.advanceBy(firstExposure + 2'999);
    fire(h);
    h.advanceBy(1);
    EXPECT_EQ(command(h), "СТАРТ");
    EXPECT_EQ(coursePanel(h.s).lamp, Lamp::Red);
    fire(h);
    h.advanceBy(6'999);
    fire(h);
    h.advanceBy(1);
    EXPECT_EQ(coursePanel(h.s).lamp, Lamp::Green);
    fire(h, 1);
    fire(h, 2);

    using enum ShotVerdict;
    EXPECT_EQ(verdicts(lastSeries(h)), (std::vector{Counted, AfterTime, AfterTime, Counted, Extra}));
    std::vector<std::optional<Millis>> sinceSignal;
    for (const CourseShot& shot : lastSeries(h).shots)
        sinceSignal.push_back(shot.sinceSignal);
    EXPECT_EQ(sinceSignal, (std::vector<std::optional<Millis>>{2'999, 3'000, 9'999, 0, 0}));
    EXPECT_EQ(h.s.seriesScore, 19);
}

TEST(DuelCourse, EachExposureStartsFromTheReadyPosition)
{
    Harness h;
    choose(h, duelPistol);
    holdSightsBelowBulls(h, 100);
    h.advanceBy(firstExposure + 10'000);
    EXPECT_FALSE(lastSeries(h).notFromReady);
    holdSightsBelowBulls(h, 99.9f);
    h.advanceBy(10'000);
    EXPECT_TRUE(lastSeries(h).notFromReady);
}

TEST(DuelCourse, ASeriesIsFiveExposuresThenTheStop)
{
    Harness h;
    choose(h, duelPistol);
    h.advanceBy(firstExposure + 4 * 10'000 + 2'999);
    EXPECT_EQ(h.s.course.exposure, 4);
    EXPECT_TRUE(h.s.course.facing);
    h.advanceBy(1);
    EXPECT_EQ(command(h), "СТОП");
}

}  // namespace
