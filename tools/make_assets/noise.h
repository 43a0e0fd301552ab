#pragma once

#include <cstdint>

namespace assets {

// Smooth value noise on a unit lattice, in [0, 1].
double valueNoise(double x, double y, std::uint64_t seed);

// Sum of octaves of value noise, in [0, 1]. Octaves finer than `footprint`
// (the size of one pixel in the same units) fade to their mean, which keeps
// distant textures from flickering into moire.
double fractalNoise(double x, double y, int octaves, std::uint64_t seed, double footprint = 0.0);

}  // namespace assets
