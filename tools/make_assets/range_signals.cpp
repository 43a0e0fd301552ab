#include "range_signals.h"

#include "sound_arithmetic.h"
#include "wav_writer.h"

#include <algorithm>
#include <cmath>

namespace assets {

namespace {

constexpr double rate = soundSampleRate;
constexpr double attack = 0.0005;
constexpr double release = 0.005;
constexpr double level = 0.5011872;  // -6 dBFS

std::size_t samplesIn(double seconds)
{
    return static_cast<std::size_t>(std::lround(seconds * rate));
}

// A tone from `start` seconds on for `seconds`, its pitch gliding evenly from `fromHertz` to
// `toHertz`: a phasor turned sample by sample, its sine starting from nought.
void addTone(std::vector<double>& out, double start, double seconds, double fromHertz, double toHertz)
{
    const std::size_t first = samplesIn(start);
    const std::size_t count = samplesIn(seconds);
    double re = 1.0;
    double im = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / rate;
        out[first + i] += std::min({1.0, t / attack, (seconds - t) / release}) * im;
        const double turn = 2.0 * pi * (fromHertz + (toHertz - fromHertz) * t / seconds) / rate;
        const double c = smallAngleCos(turn);
        const double s = smallAngleSin(turn);
        const double next = re * c - im * s;
        im = re * s + im * c;
        re = next;
    }
}

}  // namespace

std::vector<std::int16_t> commandSignal()
{
    std::vector<double> out(samplesIn(0.15));
    addTone(out, 0.0, 0.15, 1600.0, 1600.0);
    return toPcm(out, level);
}

std::vector<std::int16_t> startSignal()
{
    std::vector<double> out(samplesIn(0.5));
    addTone(out, 0.0, 0.5, 600.0, 1200.0);
    return toPcm(out, level);
}

std::vector<std::int16_t> stopSignal()
{
    std::vector<double> out(samplesIn(0.4));
    addTone(out, 0.0, 0.15, 440.0, 440.0);
    addTone(out, 0.25, 0.15, 440.0, 440.0);
    return toPcm(out, level);
}

}  // namespace assets
