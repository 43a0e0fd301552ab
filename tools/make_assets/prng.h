#pragma once

#include <cstdint>

namespace assets {

// SplitMix64: a tiny generator whose sequence is fixed by its seed alone, so
// every machine draws the same speckles, bricks and noise.
class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1), built from the top 53 bits.
    double uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }

    double uniform(double lo, double hi) { return lo + (hi - lo) * uniform(); }

private:
    std::uint64_t m_state;
};

// Stateless hash of a lattice point, for textures that must look the same
// wherever they are sampled from.
inline std::uint64_t hashCell(std::int64_t x, std::int64_t y, std::uint64_t seed)
{
    SplitMix64 g(seed ^ (static_cast<std::uint64_t>(x) * 0x8CB92BA72F3D8DD7ull) ^
                 (static_cast<std::uint64_t>(y) * 0xD6E8FEB86659FD93ull));
    return g.next();
}

inline double hashUnit(std::int64_t x, std::int64_t y, std::uint64_t seed)
{
    return static_cast<double>(hashCell(x, y, seed) >> 11) * (1.0 / 9007199254740992.0);
}

}  // namespace assets
