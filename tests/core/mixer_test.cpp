#include "platform/audio_mixer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace {

// A sound whose left sample of frame i is `base + i` and right sample `-(base + i)`.
SharedSound ramp(int frames, int base = 1)
{
    auto s = std::make_shared<SoundSamples>();
    for (int i = 0; i < frames; ++i) {
        s->push_back(static_cast<std::int16_t>(base + i));
        s->push_back(static_cast<std::int16_t>(-(base + i)));
    }
    return s;
}

SharedSound constant(int frames, std::int16_t value)
{
    return std::make_shared<SoundSamples>(static_cast<std::size_t>(frames) * 2, value);
}

// Mixes `frames` frames in calls of `step` frames and returns everything mixed.
std::vector<std::int16_t> mixFrames(AudioMixer& mixer, int frames, int step)
{
    std::vector<std::int16_t> all;
    while (frames > 0) {
        const int n = std::min(step, frames);
        std::vector<std::int16_t> out(static_cast<std::size_t>(n) * 2, 12345);
        mixer.mix(out);
        all.insert(all.end(), out.begin(), out.end());
        frames -= n;
    }
    return all;
}

TEST(AudioMixer, WithoutVoicesMixesSilence)
{
    AudioMixer mixer;
    const auto out = mixFrames(mixer, 300, 300);
    EXPECT_EQ(out, std::vector<std::int16_t>(600, 0));
}

class MixerCallSizes : public ::testing::TestWithParam<int> {};

// Every frame is played once, in order, including the last partial call, and then the voice ends.
TEST_P(MixerCallSizes, PlaysAVoiceToItsLastFrameAndThenStopsIt)
{
    AudioMixer mixer;
    const SharedSound sound = ramp(1000);
    mixer.start(sound);
    const auto out = mixFrames(mixer, 1000, GetParam());
    EXPECT_EQ(out, *sound);
    EXPECT_EQ(mixer.voiceCount(), 0u);
    EXPECT_EQ(mixFrames(mixer, 50, 50), std::vector<std::int16_t>(100, 0));
}

INSTANTIATE_TEST_SUITE_P(Steps, MixerCallSizes, ::testing::Values(1, 7, 256, 257, 300, 1000));

TEST(AudioMixer, FillsSilenceAfterAVoiceEndsWithinACall)
{
    AudioMixer mixer;
    const SharedSound sound = ramp(10);
    mixer.start(sound);
    const auto out = mixFrames(mixer, 600, 600);
    std::vector<std::int16_t> expected = *sound;
    expected.resize(1200, 0);
    EXPECT_EQ(out, expected);
    EXPECT_EQ(mixer.voiceCount(), 0u);
}

struct SumCase {
    std::int16_t a, b, sum;
};

class MixerSums : public ::testing::TestWithParam<SumCase> {};

TEST_P(MixerSums, AddsVoicesAndClampsAtTheSixteenBitLimits)
{
    AudioMixer mixer;
    mixer.start(constant(4, GetParam().a));
    mixer.start(constant(4, GetParam().b));
    EXPECT_EQ(mixFrames(mixer, 4, 4), std::vector<std::int16_t>(8, GetParam().sum));
}

INSTANTIATE_TEST_SUITE_P(Limits, MixerSums,
                         ::testing::Values(SumCase{20000, -5000, 15000}, SumCase{30000, 30000, 32767},
                                           SumCase{-30000, -30000, -32768}, SumCase{32767, 1, 32767},
                                           SumCase{-32768, -1, -32768}, SumCase{32767, -32768, -1}));

TEST(AudioMixer, ClampsOnlyTheSumNotEachStep)
{
    AudioMixer mixer;
    mixer.start(constant(2, 30000));
    mixer.start(constant(2, 30000));
    mixer.start(constant(2, -30000));
    EXPECT_EQ(mixFrames(mixer, 2, 2), std::vector<std::int16_t>(4, 30000));
}

TEST(AudioMixer, ASoundStartedAgainOverlapsItself)
{
    AudioMixer mixer;
    const SharedSound sound = ramp(500);
    mixer.start(sound);
    auto out = mixFrames(mixer, 100, 100);
    mixer.start(sound);
    EXPECT_EQ(mixer.voiceCount(), 2u);
    const auto rest = mixFrames(mixer, 600, 128);
    out.insert(out.end(), rest.begin(), rest.end());
    for (int i = 0; i < 700; ++i) {
        const int first = i < 500 ? 1 + i : 0;
        const int second = i >= 100 && i < 600 ? 1 + (i - 100) : 0;
        ASSERT_EQ(out[2 * i], first + second) << "frame " << i;
        ASSERT_EQ(out[2 * i + 1], -(first + second)) << "frame " << i;
    }
    EXPECT_EQ(mixer.voiceCount(), 0u);
}

TEST(AudioMixer, NinthVoiceStopsTheOldest)
{
    AudioMixer mixer;
    for (int k = 1; k <= 9; ++k)
        mixer.start(constant(10, static_cast<std::int16_t>(1 << k)));
    EXPECT_EQ(mixer.voiceCount(), AudioMixer::maxVoices);
    // 2^2 + ... + 2^9: the first voice, 2^1, has given way.
    EXPECT_EQ(mixFrames(mixer, 10, 10), std::vector<std::int16_t>(20, 1020));
}

TEST(AudioMixer, VoicesThatEndedFreeTheirPlaces)
{
    AudioMixer mixer;
    for (int k = 0; k < 8; ++k)
        mixer.start(constant(5, 1));
    mixFrames(mixer, 5, 5);
    EXPECT_EQ(mixer.voiceCount(), 0u);
    mixer.start(constant(5, 7));
    EXPECT_EQ(mixFrames(mixer, 5, 5), std::vector<std::int16_t>(10, 7));
}

TEST(AudioMixer, EmptySoundsTakeNoVoice)
{
    AudioMixer mixer;
    for (int k = 0; k < 8; ++k)
        mixer.start(constant(3, 1));
    mixer.start(nullptr);
    mixer.start(std::make_shared<SoundSamples>());
    mixer.start(std::make_shared<SoundSamples>(1, 500));  // less than one frame
    EXPECT_EQ(mixer.voiceCount(), 8u);
    EXPECT_EQ(mixFrames(mixer, 3, 3), std::vector<std::int16_t>(6, 8));
}

TEST(AudioMixer, DropsAHalfFrameAtTheEndOfASound)
{
    AudioMixer mixer;
    mixer.start(std::make_shared<SoundSamples>(SoundSamples{5, 6, 7}));
    EXPECT_EQ(mixFrames(mixer, 2, 2), (std::vector<std::int16_t>{5, 6, 0, 0}));
    EXPECT_EQ(mixer.voiceCount(), 0u);
}

}  // namespace
