#pragma once

#include <cstdint>
#include <vector>

namespace assets {

// The report of the pistol: a crack, a burst of noise and a short low thump, about 0.35 s.
std::vector<std::int16_t> shotSound();

// Its echo from the walls of the range: later, quieter, darker and longer, about 0.75 s.
std::vector<std::int16_t> echoSound();

}  // namespace assets
