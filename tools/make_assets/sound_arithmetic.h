#pragma once

#include <cstdint>
#include <vector>

namespace assets {

// The arithmetic of the generated sounds, by plain IEEE operations only, so that the samples do not
// depend on the maths library and every machine writes the same files.

inline constexpr double pi = 3.14159265358979323846;

// cos and sin for the small angles of audio resonators and of a tone's turn from one sample to the
// next, by their series.
double smallAngleCos(double x);
double smallAngleSin(double x);

// The signal scaled so that its loudest sample stands at `peak` of full scale, as 16-bit samples.
std::vector<std::int16_t> toPcm(const std::vector<double>& signal, double peak);

}  // namespace assets
