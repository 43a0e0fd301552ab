#include "analysis/hold_figures.h"
#include "course_driving.h"

#include <gtest/gtest.h>

namespace {

// From the choice at 0: the load until 60 s, attention until 67 s, the sighting series' 8 s.
constexpr Millis firstStart = 67'000;

TEST(RapidFireCourse, AShotCountsUpToTheSeriesTimesLastMillisecond)
{
    Harness h;
    choose(h, rapidFirePistol);
    h.advanceBy(firstStart + 7'999);
    fire(h, 0, range::bullOnPlate1);
    h.advanceBy(1);
    fire(h, 0, range::bullOnPlate2);

    EXPECT_EQ(lastSeries(h).shots.at(0).verdict, ShotVerdict::Counted);
    EXPECT_EQ(lastSeries(h).shots.at(1).verdict, ShotVerdict::AfterTime);
    EXPECT_EQ(h.s.f.i(2).text(), "0");
}

TEST(RapidFireCourse, AShotIsScoredOnTheTargetTheSightsAreNearest)
{
    Harness h;
    choose(h, rapidFirePistol);
    h.advanceBy(firstStart);
    // Two pixels left of plate 4's hold point, 51.5 px right of plate 3's and 55 px left of plate 5's.
    fire(h, -2, range::bullOnPlate4);

    EXPECT_EQ(h.s.f.mi.Left, range::bullOnPlate4.Left);
    EXPECT_EQ(lastSeries(h).shots.at(0).target, 3);
    EXPECT_EQ(h.s.f.i(1).text(), "8");
}

// The pointer 44.467 px left of a bull and 28 below its top holds a ten; 5 px higher for the
// second shot, for its drop.
TEST(RapidFireCourse, AShotsHoldIsMeasuredOnTheTargetItIsScoredOn)
{
    Harness h;
    choose(h, rapidFirePistol);
    h.advanceBy(firstStart);
    h.move(range::bullOnPlate5.Left - 44.467f, range::bullOnPlate5.Top + 28);
    h.click();
    h.advanceBy(300);
    h.move(range::bullOnPlate1.Left - 44.467f, range::bullOnPlate1.Top + 23);
    h.advanceBy(300);
    h.click();

    const LoggedShot& onPlate1 = h.s.shotLog.series().at(1);
    ASSERT_EQ(onPlate1.mark.points, 10);
    EXPECT_DOUBLE_EQ(holdFigures(onPlate1)->expectedPoints, 10);
}

TEST(RapidFireCourse, OneShotATargetCountsAndATargetLeftWithoutOneIsAMiss)
{
    Harness h;
    choose(h, rapidFirePistol);
    h.advanceBy(firstStart);
    fire(h, 0, range::bullOnPlate1);
    fire(h, 0, range::bullOnPlate1);
    fire(h, 1, range::bullOnPlate5);

    EXPECT_EQ(lastSeries(h).shots.at(1).verdict, ShotVerdict::Extra);
    EXPECT_EQ(h.s.seriesScore, 19);
    toNextPhase(h);
    EXPECT_EQ(coursePanel(h.s).lastSeriesPoints, 19);
}

TEST(RapidFireCourse, EachMarkSaysWhichTargetItHitAndASightersMarkSaysSo)
{
    Harness h;
    choose(h, rapidFirePistol);
    h.advanceBy(firstStart);
    fire(h, 0, range::bullOnPlate2);
    EXPECT_EQ(h.s.proverka.controls().markLabel(1), "П2");

    toNextFacing(h);
    fire(h, 0, range::bullOnPlate5);
    EXPECT_EQ(h.s.proverka.controls().markLabel(1), "5");

    choose(h, standardPistol);
    toNextFacing(h);
    fire(h);
    EXPECT_EQ(h.s.proverka.controls().markLabel(1), "П");
}

TEST(RapidFireCourse, ASeriesStartedAboveTheReadyPositionIsMarked)
{
    Harness h;
    choose(h, rapidFirePistol);
    holdSightsBelowBulls(h, 99.9f);
    h.advanceBy(firstStart);
    EXPECT_TRUE(lastSeries(h).notFromReady);
}

}  // namespace
