#include "noise.h"

#include "prng.h"

#include <cmath>

namespace assets {

namespace {

double smooth(double t)
{
    return t * t * (3.0 - 2.0 * t);
}

double lerp(double a, double b, double t)
{
    return a + (b - a) * t;
}

}  // namespace

double valueNoise(double x, double y, std::uint64_t seed)
{
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const auto ix = static_cast<std::int64_t>(fx);
    const auto iy = static_cast<std::int64_t>(fy);
    const double tx = smooth(x - fx);
    const double ty = smooth(y - fy);
    const double a = hashUnit(ix, iy, seed);
    const double b = hashUnit(ix + 1, iy, seed);
    const double c = hashUnit(ix, iy + 1, seed);
    const double d = hashUnit(ix + 1, iy + 1, seed);
    return lerp(lerp(a, b, tx), lerp(c, d, tx), ty);
}

double fractalNoise(double x, double y, int octaves, std::uint64_t seed, double footprint)
{
    double sum = 0.0;
    double weight = 0.0;
    double amplitude = 1.0;
    double scale = 1.0;
    for (int i = 0; i < octaves; ++i) {
        // One lattice cell of this octave measures 1/scale; below two pixels it blurs away.
        const double cellsPerPixel = footprint * scale;
        const double keep = cellsPerPixel <= 0.25 ? 1.0 : cellsPerPixel >= 0.75 ? 0.0 : (0.75 - cellsPerPixel) * 2.0;
        const double n = valueNoise(x * scale, y * scale, seed + static_cast<std::uint64_t>(i) * 7919u);
        sum += amplitude * (keep * n + (1.0 - keep) * 0.5);
        weight += amplitude;
        amplitude *= 0.5;
        scale *= 2.03;
    }
    return sum / weight;
}

}  // namespace assets
