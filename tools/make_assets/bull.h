#pragma once

#include "state/range_facts.h"

namespace assets {

using range::bullSize;

// Whether pixel (column, row) of the 18 x 18 bull lies on the black disc:
// its centre within the radius, so the disc touches all four sides and
// leaves the four corners white.
constexpr bool onBullDisc(int column, int row)
{
    const double dx = column + 0.5 - bullSize / 2.0;
    const double dy = row + 0.5 - bullSize / 2.0;
    return dx * dx + dy * dy <= (bullSize / 2.0) * (bullSize / 2.0);
}

}  // namespace assets
