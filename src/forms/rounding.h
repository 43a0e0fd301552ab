#pragma once

#include <cmath>
#include <cstdint>

// Fractional values become integers at the nearest whole number, an exact half going to the even
// neighbour (2.5 gives 2, 3.5 gives 4, -2.5 gives -2). std::nearbyint does exactly that under the
// default rounding mode, which the program never changes.
inline std::int32_t roundHalfEven(double value)
{
    return static_cast<std::int32_t>(std::nearbyint(value));
}
