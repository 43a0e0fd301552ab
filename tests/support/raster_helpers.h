#pragma once

#include "forms/picture_box.h"
#include "forms/raster.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

// Pixel-level reading and writing of rasters, for the tests' own pictures and comparisons.

inline void setPixel(Raster& r, int x, int y, std::uint32_t value)
{
    r.row(y)[x] = value;
}

inline void fillRaster(Raster& r, std::uint32_t value)
{
    for (int y = 0; y < r.height(); ++y)
        std::fill_n(r.row(y), r.width(), value);
}

inline bool samePixels(const Raster& a, const Raster& b)
{
    if (a.width() != b.width() || a.height() != b.height())
        return false;
    for (int y = 0; y < a.height(); ++y)
        if (std::memcmp(a.row(y), b.row(y), static_cast<std::size_t>(a.width()) * sizeof(std::uint32_t)) != 0)
            return false;
    return true;
}

// A picture box's image, for drawing anywhere in it: the box counts all of it as drawn.
inline Raster& drawAnywhere(PictureBox& box)
{
    return box.drawInto(box.image().bounds());
}
