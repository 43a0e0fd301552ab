#include "shot_sounds.h"

#include "prng.h"
#include "sound_arithmetic.h"
#include "wav_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace assets {

namespace {

constexpr double rate = soundSampleRate;

// Per-sample factor of an exponential decay with time constant tau seconds,
// by plain arithmetic so the samples do not depend on the maths library.
double decayFactor(double tau)
{
    return 1.0 - 1.0 / (tau * rate);
}

// Coefficient of a one-pole low-pass filter with the given corner frequency (approximate).
double lowPassCoefficient(double hertz)
{
    return 2.0 * pi * hertz / (2.0 * pi * hertz + rate);
}

// A two-pole resonator ringing at `hertz`, dying away with time constant tau.
class Resonator {
public:
    Resonator(double hertz, double tau) : m_r(decayFactor(tau)), m_c(2.0 * m_r * smallAngleCos(2.0 * pi * hertz / rate))
    {
    }

    double step(double input)
    {
        const double y = m_c * m_y1 - m_r * m_r * m_y2 + input;
        m_y2 = m_y1;
        m_y1 = y;
        return y;
    }

private:
    double m_r;
    double m_c;
    double m_y1 = 0.0;
    double m_y2 = 0.0;
};

double noise(SplitMix64& g)
{
    return g.uniform() * 2.0 - 1.0;
}

// One reflection: a burst of noise whose brightness fades with the envelope.
void addReflection(std::vector<double>& out, double start, double level, double tau, double corner, std::uint64_t seed)
{
    SplitMix64 g(seed);
    const double k = decayFactor(tau);
    const double a = lowPassCoefficient(corner);
    double envelope = level;
    double low = 0.0;
    double lower = 0.0;
    for (auto i = static_cast<std::size_t>(start * rate); i < out.size(); ++i) {
        low += a * (noise(g) - low);
        lower += a * (low - lower);
        out[i] += envelope * lower;
        envelope *= k;
    }
}

}  // namespace

std::vector<std::int16_t> shotSound()
{
    std::vector<double> out(static_cast<std::size_t>(0.35 * rate));
    SplitMix64 g(501);
    Resonator thump(95.0, 0.05);
    Resonator body(420.0, 0.012);
    double crack = 1.0;
    double burst = 1.0;
    double tail = 0.12;
    double bright = 0.0;
    double corner = lowPassCoefficient(14000.0);
    const double kCrack = decayFactor(0.0015);
    const double kBurst = decayFactor(0.022);
    const double kTail = decayFactor(0.09);
    const double kCorner = decayFactor(0.12);
    const double floor = lowPassCoefficient(2000.0);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double n = noise(g);
        bright += corner * (n - bright);
        const double attack = std::min(1.0, static_cast<double>(i) / 12.0);
        const double impulse = i < 3 ? 1.0 : 0.0;
        out[i] = attack * (crack * n * 1.2 + (burst + tail) * bright) + 0.001 * thump.step(impulse * 4.0) +
                 0.004 * body.step(impulse * 6.0);
        crack *= kCrack;
        burst *= kBurst;
        tail *= kTail;
        corner = floor + (corner - floor) * kCorner;
    }
    // Fade the last 20 ms so the file does not end in a click.
    const auto fade = static_cast<std::size_t>(0.02 * rate);
    for (std::size_t i = 0; i < fade; ++i)
        out[out.size() - 1 - i] *= static_cast<double>(i) / static_cast<double>(fade);
    return toPcm(out, 0.8912509);  // -1 dBFS
}

std::vector<std::int16_t> echoSound()
{
    std::vector<double> out(static_cast<std::size_t>(0.75 * rate));
    // Side walls first, then the far wall at 25 m, then the diffuse tail of the whole range.
    addReflection(out, 0.085, 1.0, 0.035, 1300.0, 601);
    addReflection(out, 0.120, 0.7, 0.04, 1100.0, 602);
    addReflection(out, 0.150, 0.9, 0.06, 900.0, 603);
    addReflection(out, 0.210, 0.45, 0.08, 700.0, 604);
    addReflection(out, 0.100, 0.18, 0.22, 500.0, 605);
    const auto fade = static_cast<std::size_t>(0.05 * rate);
    for (std::size_t i = 0; i < fade; ++i)
        out[out.size() - 1 - i] *= static_cast<double>(i) / static_cast<double>(fade);
    return toPcm(out, 0.5011872);  // -6 dBFS
}

}  // namespace assets
