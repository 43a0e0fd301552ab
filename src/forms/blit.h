#pragma once

#include "forms/raster.h"

#include <cstdint>

// The three raster operations of the frame: a plain copy, AND and OR of source into destination.
enum class RasterOp : std::uint32_t {
    SRCCOPY = 0x00CC0020,
    SRCAND = 0x008800C6,
    SRCPAINT = 0x00EE0086,
};

// Transfers the w x h rectangle at (sx, sy) of src onto (x, y) of dst. The parts that fall outside
// either image are cut off; nothing is clamped or shifted. Returns the rectangle of dst written.
Rect bitBlt(Raster& dst, int x, int y, int w, int h, const Raster& src, int sx, int sy, RasterOp rop);
