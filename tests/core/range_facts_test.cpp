// The range's facts agree among themselves: the bull of each plate's target stands over that plate.
#include "state/range_facts.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(RangeFacts, EachPlatesBullStandsOverThatPlate)
{
    // A plate is 22 x 19 pixels about its centre; the bull's centre is half a bull in from its corner.
    for (std::size_t i = 0; i < range::plateCentres.size(); ++i) {
        const double column = range::bullOnPlates.at(i).Left + range::bullSize / 2.0;
        const double row = range::bullOnPlates.at(i).Top + range::bullSize / 2.0;
        EXPECT_LE(std::fabs(column - range::plateCentres.at(i)), 11.0) << "plate " << i + 1;
        EXPECT_LE(std::fabs(row - range::plateCentreRow), 9.5) << "plate " << i + 1;
    }
}

}  // namespace
