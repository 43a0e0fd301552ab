#pragma once

#include "harness.h"

// What the range view must show with the harness's pictures: the background of the given blue
// level, and the arm sprite with its top-left corner at (px, py), its empty pixels showing through.
inline std::uint32_t expectedViewPixel(int blue, int px, int py, int x, int y)
{
    const int sx = x - px;
    const int sy = y - py;
    const bool onSprite = sx >= 0 && sx < 123 && sy >= 0 && sy < 768;
    return onSprite && !armPixelIsEmpty(sx, sy) ? armPixel(sx, sy) : backgroundPixel(blue, x, y);
}

// How many pixels of the image differ from that expectation (0 when the frame is right).
inline int pixelsOffFrame(const Raster& image, int blue, int px, int py)
{
    int off = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            off += image.pixel(x, y) != expectedViewPixel(blue, px, py, x, y);
    return off;
}

inline int pixelsOffBackground(const Raster& image, int blue)
{
    return pixelsOffFrame(image, blue, -10000, -10000);
}
