// The range's signals: in the shot's file format, each a tone where the shot is a noise, each of a
// pitch of its own, loud from its first millisecond and never clipped.
#include "sound_measures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace asset_tests;

namespace {

constexpr double pi = 3.14159265358979323846;

struct Window {
    std::size_t first;
    std::size_t end;
};

Window window(const Sound& s, double from, double to)
{
    return {static_cast<std::size_t>(from * s.sampleRate),
            std::min(s.samples.size(), static_cast<std::size_t>(to * s.sampleRate))};
}

// Squared magnitude of the window's Fourier component at `hertz`, by Goertzel's recurrence.
double power(const Sound& s, Window w, double hertz)
{
    const double k = 2.0 * std::cos(2.0 * pi * hertz / s.sampleRate);
    double s1 = 0.0;
    double s2 = 0.0;
    for (std::size_t i = w.first; i < w.end; ++i) {
        const double s0 = s.samples[i] + k * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    return s1 * s1 + s2 * s2 - k * s1 * s2;
}

// The strongest frequency of the window, from 100 to 5000 Hz in steps of 5 Hz.
double dominantFrequency(const Sound& s, double from, double to)
{
    const Window w = window(s, from, to);
    double best = 0.0;
    double strongest = -1.0;
    for (double hertz = 100.0; hertz <= 5000.0; hertz += 5.0) {
        if (const double p = power(s, w, hertz); p > strongest) {
            strongest = p;
            best = hertz;
        }
    }
    return best;
}

// Share of the window's energy at its dominant frequency: 1 for a steady pure tone, about 2 / N for
// white noise of N samples.
double toneShare(const Sound& s, double from, double to)
{
    const Window w = window(s, from, to);
    double energy = 0.0;
    for (std::size_t i = w.first; i < w.end; ++i)
        energy += static_cast<double>(s.samples[i]) * s.samples[i];
    const auto n = static_cast<double>(w.end - w.first);
    return 2.0 * power(s, w, dominantFrequency(s, from, to)) / (n * energy);
}

class RangeSignals : public ::testing::Test {
protected:
    Sound shot = loadSound(committed("AK.wav"));
    Sound command = loadSound(committed("signal_command.wav"));
    Sound start = loadSound(committed("signal_start.wav"));
    Sound stop = loadSound(committed("signal_stop.wav"));
    std::vector<const Sound*> rangeSignals{&command, &start, &stop};
};

TEST_F(RangeSignals, AreInTheShotsFileFormat)
{
    for (const Sound* s : rangeSignals) {
        EXPECT_EQ(s->sampleRate, shot.sampleRate);
        EXPECT_EQ(s->channels, shot.channels);
        EXPECT_EQ(s->format, shot.format);
    }
}

TEST_F(RangeSignals, LastWellUnderASecond)
{
    EXPECT_NEAR(seconds(command), 0.15, 0.001);
    EXPECT_NEAR(seconds(start), 0.5, 0.001);
    EXPECT_NEAR(seconds(stop), 0.4, 0.001);
}

TEST_F(RangeSignals, AreLoudWithinTheirFirstMillisecond)
{
    for (const Sound* s : rangeSignals)
        EXPECT_LT(onset(*s, 0.25), 0.001);
}

TEST_F(RangeSignals, AreLoudWithoutClipping)
{
    for (const Sound* s : rangeSignals) {
        EXPECT_LT(peak(*s), 32000);
        EXPECT_GT(peak(*s), 16000);
    }
}

TEST_F(RangeSignals, HoldTheirStartAtOnePitchWhereTheShotSpreadsIt)
{
    for (const Sound* s : rangeSignals)
        EXPECT_GT(toneShare(*s, 0.0, 0.02), 0.9);
    EXPECT_LT(toneShare(shot, 0.0, 0.02), 0.5);
}

TEST_F(RangeSignals, EachBeginsOnAPitchOfItsOwn)
{
    EXPECT_NEAR(dominantFrequency(command, 0.0, 0.02), 1600, 10);
    EXPECT_NEAR(dominantFrequency(start, 0.0, 0.02), 612, 10);
    EXPECT_NEAR(dominantFrequency(stop, 0.0, 0.02), 440, 10);
}

TEST_F(RangeSignals, StartRisesAnOctave)
{
    // 600 Hz at its start, 1200 Hz at its end: 1164 Hz 0.47 s in.
    EXPECT_NEAR(dominantFrequency(start, 0.46, 0.48), 1164, 10);
}

TEST_F(RangeSignals, StopIsTwoBeepsASilenceApart)
{
    EXPECT_LT(rms(stop, 0.16, 0.24), rms(stop, 0.0, 0.15) / 100.0);
    EXPECT_NEAR(onset(stop, 0.25, 0.2), 0.25, 0.001);
    EXPECT_NEAR(dominantFrequency(stop, 0.25, 0.27), 440, 10);
}

}  // namespace
