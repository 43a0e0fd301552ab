#include "analysis/coach_advice.h"
#include "analysis/coach_figures.h"
#include "analysis/late_shots.h"
#include "sights_on_bull.h"

#include <gtest/gtest.h>

namespace {

// A shot at 3000 ms on sights over the tests' bull: the rear sight holdX px right of its place on
// it (5 mm a pixel on the face), the blade bladeX px right of its level, centred place in the notch
// (25 mm a pixel), and the frames of aim before it, on the bull, at the given windages, each
// landing 2.5 mm right of the centre per unit below 0.
LoggedShot shot(float holdX, float bladeX, int points, std::int16_t windage, std::vector<std::int16_t> frames)
{
    SightReading r = sightsOnBull();
    LoggedShot s;
    s.time = 3000;
    for (std::size_t n = 0; n < frames.size(); ++n) {
        r.windage = frames[n];
        s.aim.push_back({2000 + 500 * static_cast<Millis>(n), r});
    }
    s.sights = sightsOnBull(holdX, bladeX);
    s.sights.windage = windage;
    s.mark.points = points;
    return s;
}

TEST(CoachFigures, TotalsOfTheLostPointsAndMeansOverTheSeries)
{
    const CoachFigures f = coachFigures({
        // Hold 10 mm and blade 7.5 mm right: 17.5 mm, a 7; 7.5 alone an 8, 10 alone an 8.
        shot(2, 0.3f, 7, 0, {0, -2}),
        // Hold 6.25 mm and blade 5 mm left: 11.25 mm, an 8; the blade alone a 9, the hold an 8.
        shot(-1.25f, -0.2f, 8, 0, {0}),
        // Windage 4: 10 mm left, an 8; without it a 10.
        shot(0, 0, 8, 4, {}),
    });
    EXPECT_EQ(f.shots, 3);
    EXPECT_EQ(f.points, 7 + 8 + 8);
    EXPECT_EQ(f.lost.hold, 1 + 1 + 0);
    EXPECT_EQ(f.lost.alignment, 1 + 0 + 0);
    EXPECT_EQ(f.lost.settings, 0 + 0 + 2);
    // The hold parts 10, -6.25 and 0 mm across: mean 1.25, 8.75, 7.5 and 1.25 from it.
    EXPECT_NEAR(f.meanHoldPoint.x, 1.25, 1e-4);
    EXPECT_NEAR(f.meanHoldPoint.y, 0, 1e-4);
    EXPECT_NEAR(f.holdSpread, (8.75 + 7.5 + 1.25) / 3, 1e-4);
    EXPECT_NEAR(f.meanBladeOffset, (0.3 + 0.2 + 0) / 3, 1e-4);
    // Over the two shots with frames: 0 then 5 mm for 500 ms each (9.5), and 0 mm throughout (10).
    ASSERT_TRUE(f.meanHold);
    EXPECT_NEAR(f.meanHold->traceLastSecond, (5 + 0) / 2.0, 1e-3);
    EXPECT_NEAR(f.meanHold->traceLast200ms, 0, 1e-3);
    EXPECT_DOUBLE_EQ(f.meanHold->tenPercent, (50 + 100) / 2.0);
    EXPECT_DOUBLE_EQ(f.meanHold->expectedPoints, (9.5 + 10) / 2);
}

// In rapid fire's 8 s sighting series the last quarter begins after 6000 ms from the signal.
TEST(CoachFigures, TheLateAlignmentLossCountsTheCountedShotsPastThreeQuartersOfTheSeriesTime)
{
    // The blade 0.3 px right costs each shot a point.
    std::vector<LoggedShot> series{shot(0, 0.3f, 9, 0, {}), shot(0, 0.3f, 9, 0, {}), shot(0, 0.3f, 9, 0, {})};
    series[1].time = 3100;
    series[2].time = 3200;
    CourseState course;
    course.course = 3;
    course.record.push_back({.shots = {
                                 {.time = 3000, .sinceSignal = 6000},
                                 {.time = 3100, .sinceSignal = 6001},
                                 {.time = 3200, .sinceSignal = 7000, .verdict = ShotVerdict::Extra},
                             }});
    EXPECT_EQ(lateAlignmentLoss(series, course), 1);
}

bool says(const std::string& advice, const std::string& words)
{
    return advice.find(words) != std::string::npos;
}

CoachFigures lostToFaults(int hold, int alignment, int settings)
{
    CoachFigures f;
    f.shots = 10;
    f.points = 88;
    f.lost = {hold, alignment, settings};
    f.meanHold = HoldFigures{40, 12, 30, 8.5};
    f.meanHoldPoint = {1.24, -3.46};
    f.holdSpread = 4.12;
    f.meanBladeOffset = 0.84;
    f.suggested = {4, -2};
    return f;
}

TEST(CoachAdvice, NothingLostWhenNoFaultCostAPointAndEveryShotWasATen)
{
    CoachFigures f = lostToFaults(0, -1, 0);
    f.points = 100;
    const std::string advice = coachAdvice(f);
    EXPECT_TRUE(says(advice, "не са ви отнели нито една точка")) << advice;
}

TEST(CoachAdvice, FaultsThatCostNothingAloneButMissedTensTogetherWantTheCentringSettings)
{
    // 10 shots, 88 points: 12 short of ten tens.
    const std::string advice = coachAdvice(lostToFaults(0, -1, 0));
    EXPECT_TRUE(says(advice, "но заедно са отнели 12 точки")) << advice;
    EXPECT_TRUE(says(advice, "странична поправка 4 и поправка по височина −2")) << advice;
}

TEST(CoachAdvice, TheHoldWithItsMeanPointAndSpread)
{
    CoachFigures f = lostToFaults(3, 1, 3);
    f.meanHold->traceLast200ms = 25;
    const std::string advice = coachAdvice(f);
    EXPECT_TRUE(says(advice, "Задържането е отнело 3 точки")) << advice;
    EXPECT_TRUE(says(advice, "X 1,2 мм, Y −3,5 мм, с разсейване 4,1 мм")) << advice;
}

TEST(CoachAdvice, AHoldThatMovedMoreThan25MmInTheLastFifthOfASecondIsThePress)
{
    CoachFigures f = lostToFaults(3, 1, 0);
    f.meanHold->traceLast200ms = 25.04;
    const std::string advice = coachAdvice(f);
    EXPECT_TRUE(says(advice, "Мишката е помръднала при натискането")) << advice;
    EXPECT_TRUE(says(advice, "0,2 s е средно 25,0 мм, а задържането е отнело 3 точки")) << advice;
}

TEST(CoachAdvice, TheAlignmentWithTheBladesMeanOffsetInPixels)
{
    const std::string advice = coachAdvice(lostToFaults(1, 2, 2));
    EXPECT_TRUE(says(advice, "Мушката е отнела 2 точки: при изстрела е стояла средно на 0,8 пиксела")) << advice;
}

TEST(CoachAdvice, AnAlignmentLostLateInACoursesSeriesTimeSaysSo)
{
    CoachFigures f = lostToFaults(1, 2, 2);
    f.lateAlignmentLoss = 1;
    const std::string advice = coachAdvice(f);
    EXPECT_TRUE(says(advice, "Мушката е отнела 2 точки, 1 от тях в изстрели в последната четвърт")) << advice;
}

TEST(CoachAdvice, TheSettingsWithThoseThatCentreTheGroup)
{
    const std::string advice = coachAdvice(lostToFaults(0, -2, 1));
    EXPECT_TRUE(says(advice, "Поправките са отнели 1 точка")) << advice;
    EXPECT_TRUE(says(advice, "странична поправка 4 и поправка по височина −2")) << advice;
}

}  // namespace
