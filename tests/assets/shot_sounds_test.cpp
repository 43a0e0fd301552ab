// The shot and its echo: short 16-bit PCM files at 44.1 kHz, loud without
// clipping, the echo arriving later, quieter and darker.
#include "sound_measures.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <cstdlib>

using namespace asset_tests;

namespace {

// Loudness of the sample-to-sample changes against loudness of the signal:
// it grows with the share of high frequencies, so a darker sound scores lower.
double brightness(const Sound& s, double from, double to)
{
    const auto a = static_cast<std::size_t>(from * s.sampleRate);
    const auto b = static_cast<std::size_t>(to * s.sampleRate);
    double change = 0.0;
    double level = 0.0;
    for (std::size_t i = a + 1; i < b; ++i) {
        const double d = static_cast<double>(s.samples[i]) - s.samples[i - 1];
        change += d * d;
        level += static_cast<double>(s.samples[i]) * s.samples[i];
    }
    return std::sqrt(change / level);
}

class ShotSounds : public ::testing::Test {
protected:
    Sound shot = loadSound(committed("AK.wav"));
    Sound echo = loadSound(committed("AK2.wav"));
};

TEST_F(ShotSounds, AreMono16BitPcmWavAt44100Hz)
{
    for (const Sound* s : {&shot, &echo}) {
        EXPECT_EQ(s->sampleRate, 44100);
        EXPECT_EQ(s->channels, 1);
        EXPECT_EQ(s->format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    }
}

TEST_F(ShotSounds, LastWellUnderASecond)
{
    EXPECT_GT(seconds(shot), 0.3);
    EXPECT_LT(seconds(shot), 0.45);
    EXPECT_GT(seconds(echo), 0.6);
    EXPECT_LT(seconds(echo), 0.85);
}

TEST_F(ShotSounds, PeakBelowFullScaleYetLoud)
{
    const int quarterFullScale = 8192;  // -12 dBFS
    for (const Sound* s : {&shot, &echo}) {
        EXPECT_LT(peak(*s), 32000);
        EXPECT_GT(peak(*s), quarterFullScale);
    }
    EXPECT_LT(peak(echo), peak(shot));
}

TEST_F(ShotSounds, ShotStartsAtOnceAndDiesAwayFast)
{
    EXPECT_LT(onset(shot, 0.1), 0.002);
    EXPECT_GT(rms(shot, 0.0, 0.03), 30.0 * rms(shot, 0.25, 0.3));
}

TEST_F(ShotSounds, EchoComesLaterDarkerAndWithALongerTail)
{
    EXPECT_GT(onset(echo, 0.05), onset(shot, 0.05) + 0.05);
    EXPECT_LT(rms(echo, 0.0, 0.05), rms(echo, 0.1, 0.2) / 10.0) << "quiet before the reflections arrive";
    EXPECT_LT(brightness(echo, 0.08, 0.3), brightness(shot, 0.0, 0.05) / 2.0)
        << brightness(echo, 0.08, 0.3) << " against " << brightness(shot, 0.0, 0.05);
    // Still audible well after the shot itself has gone.
    EXPECT_GT(rms(echo, 0.4, 0.5), rms(shot, 0.25, 0.3));
    EXPECT_GT(rms(echo, 0.4, 0.5), 100.0);
}

}  // namespace
