#pragma once

#include "colour.h"
#include "range_geometry.h"

namespace assets {

// Surface colour at a hit before lighting. `footprint` is the size of one
// pixel on the surface, in metres, so fine detail can fade with distance.
Colour surfaceColour(const Hit& hit, double footprint);

}  // namespace assets
