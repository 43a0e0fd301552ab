#include "bench_pictures.h"

#include <cstdint>

namespace {

std::uint32_t noise(std::uint32_t x, std::uint32_t y, std::uint32_t salt)
{
    std::uint32_t v = x * 0x9e3779b1u ^ y * 0x85ebca77u ^ salt * 0xc2b2ae3du;
    v ^= v >> 15;
    v *= 0x2c1b3c6du;
    v ^= v >> 12;
    return v;
}

Raster background(std::uint32_t salt)
{
    Raster r(1024, 768);
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x)
            r.row(y)[x] = 0xff000000u | (noise(x, y, salt) & 0x00ffffffu);
    return r;
}

// The pistol's rear end at the top, then the hand and the sleeve, widening towards the bottom.
bool onArm(int x, int y)
{
    if (y < 69)
        return x >= 29 && x <= 75;
    const int left = 30 - y * 12 / 768;
    const int right = 75 + y * 8 / 768;
    return x >= left && x <= right;
}

Raster arm(std::uint32_t empty)
{
    Raster r(123, 768);
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x)
            r.row(y)[x] = onArm(x, y) ? 0xff000000u | (noise(x, y, 99) & 0x00f0f0f0u) | 0x00080808u : empty;
    return r;
}

}  // namespace

ScenePictures benchPictures()
{
    const auto held = [](Raster r) { return std::make_shared<const Raster>(std::move(r)); };
    return {
        held(background(3)),    held(background(0)),    held(background(1)), held(background(5)),
        held(background(6)),    held(background(7)),    held(background(8)), held(Raster(18, 18, 0xff000000u)),
        held(arm(0xff000000u)), held(arm(0xffffffffu)),
    };
}
