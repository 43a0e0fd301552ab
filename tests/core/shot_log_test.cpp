#include "harness.h"

#include <gtest/gtest.h>

namespace {

SightReading readingNumber(int n)
{
    SightReading r;
    r.mm1Left = static_cast<float>(n);
    return r;
}

TEST(ShotLog, AShotKeepsTheAimOfTheTwoSecondsUpToIt)
{
    ShotLog log;
    for (int t = 0; t <= 4000; t += 100)
        log.aimed(t, readingNumber(t), AimFrame::Tracking);
    log.scored(3000, readingNumber(3000), Control{}, 7);
    const std::vector<AimSample>& aim = log.series().at(0).aim;
    ASSERT_EQ(aim.size(), 21u);
    EXPECT_EQ(aim.front().time, 1000);
    EXPECT_EQ(aim.back().time, 3000);
    EXPECT_EQ(aim.back().sights.mm1Left, 3000.0f);
}

TEST(ShotLog, AShotKeepsTheFrameInForceWhenItsTwoSecondsBegin)
{
    ShotLog log;
    log.aimed(0, readingNumber(0), AimFrame::Tracking);
    log.aimed(100, readingNumber(100), AimFrame::Tracking);
    log.aimed(2600, readingNumber(2600), AimFrame::Tracking);
    log.scored(3000, {}, Control{}, 7);
    // From 1000 to 2600 the sights stood where the frame at 100 put them.
    const std::vector<AimSample>& aim = log.series().at(0).aim;
    ASSERT_EQ(aim.size(), 2u);
    EXPECT_EQ(aim[0].time, 100);
    EXPECT_EQ(aim[1].time, 2600);
}

TEST(ShotLog, KeepsNoMoreAimThanItsCapacityWhateverThePointerDoes)
{
    ShotLog log;
    for (std::size_t n = 0; n < 3 * ShotLog::aimCapacity + 5; ++n)
        log.aimed(500, readingNumber(static_cast<int>(n)), AimFrame::Tracking);
    log.scored(500, {}, Control{}, 0);
    const std::vector<AimSample>& aim = log.series().at(0).aim;
    ASSERT_EQ(aim.size(), ShotLog::aimCapacity);
    EXPECT_EQ(aim.back().sights.mm1Left, static_cast<float>(3 * ShotLog::aimCapacity + 4)) << "the newest kept";
    EXPECT_EQ(aim.front().sights.mm1Left, static_cast<float>(2 * ShotLog::aimCapacity + 5)) << "oldest first";
}

TEST(ShotLog, ASeriesResetEndsTheSeriesOnlyWhenAShotWasScored)
{
    Harness h;
    h.s.f.BAVNA.click();
    EXPECT_TRUE(h.s.shotLog.earlier().empty());
    h.move(350, 140);
    h.click();
    h.click();
    h.s.f.Restart.click();
    EXPECT_TRUE(h.s.shotLog.series().empty());
    ASSERT_EQ(h.s.shotLog.earlier().size(), 1u);
    EXPECT_EQ(h.s.shotLog.earlier()[0].size(), 2u);
    h.s.f.Barza.click();
    EXPECT_EQ(h.s.shotLog.earlier().size(), 1u);
}

TEST(ShotLog, ARescoredShotShowsItsNewPointsAsANewRevision)
{
    ShotLog log;
    log.scored(1000, {}, Control{}, 9);
    log.scored(2000, {}, Control{}, 7);
    const std::uint64_t before = log.revision();
    log.rescored(0);
    EXPECT_EQ(log.series().at(0).mark.points, 9);
    EXPECT_EQ(log.series().at(1).mark.points, 0);
    EXPECT_GT(log.revision(), before);
}

}  // namespace
