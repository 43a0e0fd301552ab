#include "analysis/shot_figures.h"

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

}  // namespace
