#include "analysis/shot_figures.h"
#include "analysis/shot_replay.h"
#include "analysis/sight_picture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A shot at 5000 ms whose frames stood at the given times, each with its own blade height.
LoggedShot shotWithFramesAt(const std::vector<Millis>& times)
{
    LoggedShot shot;
    shot.time = 5000;
    shot.sights.mmuTop = -1;
    for (Millis t : times)
        shot.aim.push_back({t, {.mmuTop = static_cast<float>(t)}});
    return shot;
}

TEST(AimTrace, PhasesChangeAsTheLastSecondAndItsLastFifthBegin)
{
    // 1000 ms and 200 ms before the shot (at 4000 and 4800) the frame in force begins the phase;
    // the move to it, its point, belongs to the phase before.
    const std::vector<TracePoint> trace = aimTrace(shotWithFramesAt({3000, 4000, 4001, 4800, 4801, 5000}));
    const std::vector<TracePhase> expected{TracePhase::Earlier,
                                           TracePhase::Earlier,
                                           TracePhase::LastSecond,
                                           TracePhase::LastSecond,
                                           TracePhase::LastFifthOfASecond,
                                           TracePhase::LastFifthOfASecond};
    ASSERT_EQ(trace.size(), expected.size());
    for (std::size_t n = 0; n < trace.size(); ++n)
        EXPECT_EQ(trace[n].phase, expected[n]) << n;
}

TEST(SightPicture, PlacesThePiecesFromTheRearSightsCorner)
{
    // Values a float holds exactly. The blade stands 322.375 − 300.5 = 21.875 right of mm1, 0.45
    // more than a level centred blade (21.45), and 120 − 120.25 = −0.25 below its top, 0.4 above the
    // level blade (0.15); the bull 312 − 300.5 = 11.5 right and 100 − 120.25 = −20.25 below.
    const SightPicture p = sightPicture({.mm1Left = 300.5f,
                                         .mm1Top = 120.25f,
                                         .mmuLeft = 322.375f,
                                         .mmuTop = 120,
                                         .miLeft = 312,
                                         .miTop = 100,
                                         .miWidth = 18,
                                         .miHeight = 18});
    EXPECT_DOUBLE_EQ(p.blade.left, 21.875);
    EXPECT_DOUBLE_EQ(p.blade.top, -0.25);
    EXPECT_DOUBLE_EQ(p.blade.width, 2);
    EXPECT_DOUBLE_EQ(p.blade.height, 20);
    EXPECT_NEAR(p.bladeRight, 0.425, 1e-9);
    EXPECT_NEAR(p.bladeUp, 0.4, 1e-9);
    EXPECT_DOUBLE_EQ(p.bull.left, 11.5);
    EXPECT_DOUBLE_EQ(p.bull.top, -20.25);
    EXPECT_DOUBLE_EQ(p.bull.width, 18);
    // The rear sight does not move with the reading: posts 15 x 20 with a notch 30.3333 − 15 =
    // 15.3333 wide between them, the base 44 x 12 from 8 px down.
    EXPECT_DOUBLE_EQ(p.leftPost.width, 15);
    EXPECT_NEAR(p.rightPost.left - (p.leftPost.left + p.leftPost.width), 15.33, 0.005);
    EXPECT_DOUBLE_EQ(p.base.top, 8);
    EXPECT_DOUBLE_EQ(p.base.width, 44);
    EXPECT_DOUBLE_EQ(p.base.height, 12);
}

TEST(ShotReplay, ShowsTheFrameInForceAndTheTraceSoFarThenTheShot)
{
    // The shot at 5000 ms: the replay runs from 3000. The frame at 2500 is in force as it begins;
    // the one at 3500 comes 500 ms in, the shot's own frame at 5000 only with the shot.
    LoggedShot shot = shotWithFramesAt({2500, 3500, 5000});
    const auto bladeTop = [&](Millis elapsed) { return replayAt(shot, elapsed).sights->mmuTop; };
    EXPECT_EQ(bladeTop(0), 2500);
    EXPECT_EQ(replayAt(shot, 0).tracePoints, 1U);
    EXPECT_EQ(bladeTop(499), 2500);
    EXPECT_EQ(bladeTop(500), 3500);
    EXPECT_EQ(replayAt(shot, 1999).tracePoints, 2U);
    EXPECT_FALSE(replayAt(shot, 1999).atShot);
    const ReplayMoment end = replayAt(shot, 2000);
    EXPECT_TRUE(end.atShot);
    EXPECT_EQ(end.tracePoints, 3U);
    EXPECT_EQ(end.sights->mmuTop, -1) << "the sights the shot read";

    // A log that starts inside the two seconds shows nothing before its first frame.
    shot = shotWithFramesAt({4000});
    EXPECT_FALSE(replayAt(shot, 999).sights);
    EXPECT_EQ(replayAt(shot, 999).tracePoints, 0U);
    EXPECT_EQ(bladeTop(1000), 4000);
}

}  // namespace
