#include "harness.h"

#include "shot/ring_scoring.h"

#include <gtest/gtest.h>

#include <ostream>
#include <utility>

namespace {

struct RingCase {
    float left;
    float top;
    int points;
};

std::ostream& operator<<(std::ostream& out, const RingCase& c)
{
    return out << "mark at " << c.left << ", " << c.top;
}

class RingTable : public ::testing::TestWithParam<RingCase> {};

TEST_P(RingTable, ScoresTheInnermostRingWhoseRadiusExceedsTheDistance)
{
    Harness h;
    h.s.seriesScore = 0;
    Control mark{GetParam().left, GetParam().top, 1.99f, 1.99f, true};
    otklonenie(h.s, mark);
    EXPECT_EQ(h.s.shotScore, GetParam().points);
    EXPECT_EQ(h.s.seriesScore, GetParam().points);
}

// Radii that a float mark reaches exactly (2.5, 6, 29, 37, 60, 67.5) are tested on the radius
// itself; the others a little inside and a little outside.
INSTANTIATE_TEST_SUITE_P(
    AtAndAroundEveryRadius, RingTable,
    ::testing::Values(RingCase{78, 68.5f, 10}, RingCase{80.49f, 68.5f, 10}, RingCase{80.5f, 68.5f, 9},
                      RingCase{78, 73.5f, 9}, RingCase{78, 74.49f, 9}, RingCase{78, 74.5f, 8}, RingCase{73, 73.5f, 8},
                      RingCase{78, 68.5f + 13.29f, 8}, RingCase{78, 68.5f + 13.31f, 7}, RingCase{98, 73.5f, 7},
                      RingCase{78 + 22.69f, 68.5f, 7}, RingCase{78 + 22.71f, 68.5f, 6}, RingCase{78, 68.5f - 28.99f, 6},
                      RingCase{78, 68.5f - 29, 5}, RingCase{78 - 36.99f, 68.5f, 5}, RingCase{78 - 37, 68.5f, 4},
                      RingCase{78, 68.5f + 45.39f, 4}, RingCase{78, 68.5f + 45.41f, 3}, RingCase{78 + 52.49f, 68.5f, 3},
                      RingCase{78 + 52.51f, 68.5f, 2}, RingCase{78, 68.5f + 59.99f, 2}, RingCase{78, 68.5f + 60, 1},
                      RingCase{145.49f, 68.5f, 1}, RingCase{145.5f, 68.5f, 0}, RingCase{78 + 36, 68.5f + 60, 0},
                      RingCase{-352, 73.5f, 0}));

TEST(RingScoring, MeasuresInBothDirectionsFromTheCentreCorner)
{
    Harness h;
    for (auto [left, top] : {std::pair{78.0f - 3, 68.5f - 4}, {78.0f + 3, 68.5f + 4}, {78.0f + 4, 68.5f - 3}}) {
        otklonenie(h.s, Control{left, top, 1.99f, 1.99f, true});
        EXPECT_EQ(h.s.shotScore, 9) << "distance 5 at " << left << ", " << top;
    }
}

// Marks on a ring's edge where the rounding of the squares decides: the horizontal square is a
// single-precision product, the vertical one and the sum are double. The other choice of
// precision scores each of these one point differently.
INSTANTIATE_TEST_SUITE_P(WhereThePrecisionOfTheSquaresDecides, RingTable,
                         ::testing::Values(RingCase{80.2516022f, 69.5864105f, 10}, RingCase{80.43013f, 69.0869141f, 9},
                                           RingCase{100.69014f, 69.1689835f, 6}, RingCase{100.699593f, 68.6360626f, 7},
                                           RingCase{145.494736f, 69.3429031f, 0}, RingCase{145.494308f, 69.3766251f, 1},
                                           RingCase{78.0599365f, 128.499969f, 2},
                                           RingCase{78.0453568f, 113.899979f, 3}));

TEST(RingScoring, SeriesTotalAddsEveryScoredShot)
{
    Harness h;
    h.s.seriesScore = 0;
    for (int k = 0; k < 10; ++k)
        otklonenie(h.s, Control{78, 68.5f, 1.99f, 1.99f, true});
    EXPECT_EQ(h.s.seriesScore, 100);

    h.s.seriesScore = 0;
    for (int k = 0; k < 10; ++k)
        otklonenie(h.s, Control{300, 68.5f, 1.99f, 1.99f, true});
    EXPECT_EQ(h.s.seriesScore, 0);
    EXPECT_EQ(h.s.shotScore, 0);
}

}  // namespace
