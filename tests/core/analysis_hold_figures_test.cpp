#include "analysis/hold_figures.h"
#include "harness.h"
#include "sights_on_bull.h"

#include <gtest/gtest.h>

namespace {

// A frame on the tests' bull whose shot would land 2.5 mm right of the centre for each unit of
// windage below 0: at windage 0 a 10, at -2 (5 mm) a 9, at -4 (10 mm) an 8. The blade's place in
// float leaves 0.0003 mm.
AimSample frame(Millis time, std::int16_t windage)
{
    AimSample sample{time, sightsOnBull()};
    sample.sights.windage = windage;
    return sample;
}

LoggedShot shotAt3000(std::vector<AimSample> aim)
{
    LoggedShot shot;
    shot.time = 3000;
    shot.aim = std::move(aim);
    return shot;
}

constexpr double mm = 1e-3;

TEST(HoldFigures, TheSecondStartsWithTheAimInForceASecondBeforeTheShot)
{
    const auto f = holdFigures(shotAt3000({frame(1500, -4), frame(1800, 0), frame(2500, -4), frame(2900, -2)}));
    ASSERT_TRUE(f);
    // From 2000: the aim at 0 mm (10) for 500 ms, at 10 mm (8) for 400 ms, at 5 mm (9) for 100 ms.
    EXPECT_NEAR(f->traceLastSecond, 10 + 5, mm);
    EXPECT_NEAR(f->traceLast200ms, 5, mm) << "from 2800, with the aim at 10 mm";
    EXPECT_DOUBLE_EQ(f->tenPercent, 50);
    EXPECT_DOUBLE_EQ(f->expectedPoints, (500 * 10 + 400 * 8 + 100 * 9) / 1000.0);
}

TEST(HoldFigures, ALogThatStartsInsideTheSecondCountsFromItsFirstFrame)
{
    const auto f = holdFigures(shotAt3000({frame(2600, 0), frame(2800, -2)}));
    ASSERT_TRUE(f);
    // 400 ms: 200 at 0 mm (10), 200 at 5 mm (9). The jump at 2800 begins the last 200 ms.
    EXPECT_NEAR(f->traceLastSecond, 5, mm);
    EXPECT_DOUBLE_EQ(f->traceLast200ms, 0);
    EXPECT_DOUBLE_EQ(f->tenPercent, 50);
    EXPECT_DOUBLE_EQ(f->expectedPoints, 9.5);
    EXPECT_EQ(f->span, 400);
}

TEST(HoldFigures, AFrameAtTheShotsTimeMovesTheTraceButHoldsForNoTime)
{
    const auto f = holdFigures(shotAt3000({frame(2000, 0), frame(3000, -2)}));
    ASSERT_TRUE(f);
    EXPECT_NEAR(f->traceLastSecond, 5, mm);
    EXPECT_NEAR(f->traceLast200ms, 5, mm);
    EXPECT_DOUBLE_EQ(f->tenPercent, 100);
    EXPECT_DOUBLE_EQ(f->expectedPoints, 10);

    const auto atTheShotOnly = holdFigures(shotAt3000({frame(3000, 0)}));
    ASSERT_TRUE(atTheShotOnly);
    EXPECT_DOUBLE_EQ(atTheShotOnly->tenPercent, 100) << "the aim at the shot stands for the second";
    EXPECT_DOUBLE_EQ(atTheShotOnly->expectedPoints, 10);
}

TEST(HoldFigures, OneFrameHoldsItsAimAndNoFrameGivesNoFigures)
{
    const auto f = holdFigures(shotAt3000({frame(2000, -2)}));
    ASSERT_TRUE(f);
    EXPECT_DOUBLE_EQ(f->traceLastSecond, 0);
    EXPECT_DOUBLE_EQ(f->traceLast200ms, 0);
    EXPECT_DOUBLE_EQ(f->tenPercent, 0);
    EXPECT_DOUBLE_EQ(f->expectedPoints, 9);
    EXPECT_FALSE(holdFigures(shotAt3000({})));
}

// Shot 1 at 300 ms; its recoil frame at 310, its sound at 320, a sway frame at the raised height
// at 500; the pointer back at 600, 5 px higher for the first shot's drop; shot 2 at 900.
TEST(HoldFigures, ASecondShotsHoldBeginsWhereAimTrackingTookUpAfterTheFirstsRecoil)
{
    Harness h;
    h.s.f.BAVNA.click();
    h.move(357, 140);
    h.advanceBy(300);
    h.click();
    h.advanceBy(300);
    h.move(357, 135);
    h.advanceBy(300);
    h.click();
    const LoggedShot& second = h.s.shotLog.series().at(1);
    ASSERT_EQ(second.mark.points, 10);
    const auto f = holdFigures(second);
    ASSERT_TRUE(f);
    EXPECT_DOUBLE_EQ(f->traceLastSecond, 0);
    EXPECT_DOUBLE_EQ(f->traceLast200ms, 0);
    EXPECT_DOUBLE_EQ(f->tenPercent, 100);
    EXPECT_DOUBLE_EQ(f->expectedPoints, 10);
    EXPECT_EQ(f->span, 300);

    h.s.f.Restart.click();
    h.advanceBy(300);
    h.click();
    EXPECT_EQ(h.s.shotLog.series().at(0).aim.front().time, 0) << "after a series reset, the aim of two seconds";
}

}  // namespace
