#include "sound_measures.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace asset_tests {

int peak(const Sound& s)
{
    int p = 0;
    for (std::int16_t v : s.samples)
        p = std::max(p, std::abs(static_cast<int>(v)));
    return p;
}

double seconds(const Sound& s)
{
    return static_cast<double>(s.samples.size()) / s.sampleRate;
}

double onset(const Sound& s, double fraction, double from)
{
    for (auto i = static_cast<std::size_t>(from * s.sampleRate); i < s.samples.size(); ++i)
        if (std::abs(static_cast<int>(s.samples[i])) > fraction * 32767.0)
            return static_cast<double>(i) / s.sampleRate;
    return seconds(s);
}

double rms(const Sound& s, double from, double to)
{
    const auto a = static_cast<std::size_t>(from * s.sampleRate);
    const auto b = std::min(s.samples.size(), static_cast<std::size_t>(to * s.sampleRate));
    double sum = 0.0;
    for (std::size_t i = a; i < b; ++i)
        sum += static_cast<double>(s.samples[i]) * s.samples[i];
    return b > a ? std::sqrt(sum / static_cast<double>(b - a)) : 0.0;
}

}  // namespace asset_tests
