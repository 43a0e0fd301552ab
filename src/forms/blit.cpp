#include "forms/blit.h"

#include <cstring>

namespace {

// The unchecked loops: the rectangle lies inside both images.
void copyRows(Raster& dst, const Rect& to, const Raster& src, int sx, int sy)
{
    const std::size_t bytes = static_cast<std::size_t>(to.w) * sizeof(std::uint32_t);
    for (int r = 0; r < to.h; ++r)
        std::memmove(dst.row(to.y + r) + to.x, src.row(sy + r) + sx, bytes);
}

template <class Combine>
void combineRows(Raster& dst, const Rect& to, const Raster& src, int sx, int sy, Combine combine)
{
    for (int r = 0; r < to.h; ++r) {
        std::uint32_t* d = dst.row(to.y + r) + to.x;
        const std::uint32_t* s = src.row(sy + r) + sx;
        for (int c = 0; c < to.w; ++c)
            d[c] = combine(d[c], s[c]);
    }
}

}  // namespace

Rect bitBlt(Raster& dst, int x, int y, int w, int h, const Raster& src, int sx, int sy, RasterOp rop)
{
    // Clip once: cut the destination rectangle to dst, and to the part whose source lies in src.
    const Rect wanted{x, y, w, h};
    const Rect sourceSeenFromDst{x - sx, y - sy, src.width(), src.height()};
    const Rect to = wanted.intersected(dst.bounds()).intersected(sourceSeenFromDst);
    if (to.empty())
        return {};
    const int fromX = sx + (to.x - x);
    const int fromY = sy + (to.y - y);

    switch (rop) {
    case RasterOp::SRCCOPY:
        copyRows(dst, to, src, fromX, fromY);
        break;
    case RasterOp::SRCAND:
        combineRows(dst, to, src, fromX, fromY, [](std::uint32_t d, std::uint32_t s) { return d & s; });
        break;
    case RasterOp::SRCPAINT:
        combineRows(dst, to, src, fromX, fromY, [](std::uint32_t d, std::uint32_t s) { return d | s; });
        break;
    }
    return to;
}
