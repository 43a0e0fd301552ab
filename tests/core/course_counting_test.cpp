#include "course/course_shots.h"
#include "course_driving.h"

#include <gtest/gtest.h>

namespace {

TEST(CourseCounting, AShotBeforeTheSignalKeepsItsMarkAndScoresNothing)
{
    Harness h;
    choose(h, precisionPistol);
    h.advanceBy(60'000);
    ASSERT_EQ(command(h), "ВНИМАНИЕ");
    fire(h);

    EXPECT_EQ(h.s.f.i(1).text(), "0");
    EXPECT_EQ(h.s.proverka.controls().tbi.text(), "0");
    EXPECT_EQ(h.s.seriesScore, 0);
    EXPECT_TRUE(h.s.proverka.controls().dum(1).Visible);
    const CourseShot& shot = lastSeries(h).shots.at(0);
    EXPECT_EQ(shot.verdict, ShotVerdict::BeforeSignal);
    EXPECT_EQ(shot.points, 0);
    EXPECT_EQ(shot.mark->points, 10);
    EXPECT_EQ(shot.sinceSignal, std::nullopt);
    EXPECT_EQ(h.s.shotLog.series().at(0).mark.points, 0);
}

TEST(CourseCounting, OnlyTheFirstFiveShotsInTimeCount)
{
    Harness h;
    choose(h, standardPistol);
    while (h.s.course.series < 5)
        toNextPhase(h);
    toNextPhase(h);
    toNextPhase(h);
    ASSERT_EQ(command(h), "СТАРТ");
    ASSERT_EQ(coursePanel(h.s).timeLeft, 20'000);

    for (float hold : {0, 1, 2, 3, 5, 0})
        fire(h, hold);

    EXPECT_EQ(h.s.f.i(5).text(), "6");
    EXPECT_EQ(h.s.f.i(6).text(), "0");
    EXPECT_EQ(h.s.seriesScore, 10 + 9 + 8 + 7 + 6);
    EXPECT_EQ(lastSeries(h).shots.at(5).verdict, ShotVerdict::Extra);
    EXPECT_EQ(h.s.shotLog.series().at(4).mark.points, 6);
    EXPECT_EQ(h.s.shotLog.series().at(5).mark.points, 0);
    EXPECT_EQ(command(h), "СТАРТ");
}

TEST(CourseCounting, AShotPastTheTenthBoxAfterShotsOutOfTimeIsScoredFromItsLanding)
{
    Harness h;
    choose(h, precisionPistol);
    h.advanceBy(60'000);
    for (int shot = 0; shot < 10; ++shot)
        fire(h);
    toNextPhase(h);
    ASSERT_EQ(command(h), "СТАРТ");
    fire(h, 2);

    EXPECT_EQ(lastSeries(h).shots.at(10).points, 8);
    EXPECT_EQ(countedPoints(lastSeries(h)), 8);
}

TEST(CourseCounting, APrecisionSeriesStopsOnItsFifthShot)
{
    Harness h;
    choose(h, precisionPistol);
    h.advanceBy(67'000);
    for (int shot = 1; shot <= 4; ++shot) {
        h.advanceBy(20'000);
        fire(h);
    }
    EXPECT_EQ(command(h), "СТАРТ");
    h.advanceBy(15);
    fire(h, 1);

    EXPECT_EQ(command(h), "СТОП");
    EXPECT_EQ(coursePanel(h.s).timeLeft, 5'000);
    EXPECT_EQ(coursePanel(h.s).lastSeriesPoints, 49);
    EXPECT_EQ(h.sounds.played.back(), beside("signal_stop.wav"));
    h.advanceBy(5'000);
    EXPECT_EQ(command(h), "ЗАРЕДИ");
}

}  // namespace
