#include "platform/audio_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

using Samples = std::vector<std::int16_t>;
using Decoded = std::vector<float>;

constexpr float step = 1.0f / 32768;  // one 16-bit step at full scale 1.0

TEST(OutputFormat, KeepsStereoAtTheOutputRateSampleForSample)
{
    const Decoded in{step, -step, 32767 * step, -1.0f, 5 * step, 6 * step};
    EXPECT_EQ(toOutputFormat(in, 2, 44100), (Samples{1, -1, 32767, -32768, 5, 6}));
}

TEST(OutputFormat, DoublesMono)
{
    EXPECT_EQ(toOutputFormat(Decoded{3 * step, -4 * step, 0.5f}, 1, 44100), (Samples{3, 3, -4, -4, 16384, 16384}));
}

TEST(OutputFormat, KeepsTheFirstTwoOfMoreChannels)
{
    const Decoded in{1 * step, 2 * step, 3 * step, 4 * step, 5 * step, 6 * step, 7 * step, 8 * step};
    EXPECT_EQ(toOutputFormat(in, 4, 44100), (Samples{1, 2, 5, 6}));
}

TEST(OutputFormat, DropsAPartialLastFrame)
{
    EXPECT_EQ(toOutputFormat(Decoded{step, 2 * step, 3 * step}, 2, 44100), (Samples{1, 2}));
}

TEST(OutputFormat, ClipsBeyondFullScaleAndSilencesWhatIsNoNumber)
{
    const float inf = std::numeric_limits<float>::infinity();
    const Decoded in{1.0f, 1.5f, -1.5f, inf, -inf, std::nanf(""), 0.25f};
    EXPECT_EQ(toOutputFormat(in, 1, 44100),
              (Samples{32767, 32767, 32767, 32767, -32768, -32768, 32767, 32767, -32768, -32768, 0, 0, 8192, 8192}));
}

TEST(OutputFormat, GivesNothingForNoFrameOrANonsenseFormat)
{
    EXPECT_TRUE(toOutputFormat(Decoded{}, 2, 44100).empty());
    EXPECT_TRUE(toOutputFormat(Decoded{0.1f}, 2, 44100).empty());
    EXPECT_TRUE(toOutputFormat(Decoded{0.1f, 0.2f}, 0, 44100).empty());
    EXPECT_TRUE(toOutputFormat(Decoded{0.1f, 0.2f}, 2, 0).empty());
    EXPECT_TRUE(toOutputFormat(Decoded{0.1f, 0.2f}, -1, -5).empty());
}

TEST(OutputFormat, UpsamplesLinearlyBetweenNeighbours)
{
    // 22050 Hz: every other output frame lies halfway between two source frames.
    EXPECT_EQ(toOutputFormat(Decoded{0, 100 * step}, 1, 22050), (Samples{0, 0, 50, 50, 100, 100, 100, 100}));
}

struct RateCase {
    int rate;
    int frames;
    std::size_t outFrames;
};

class OutputRate : public ::testing::TestWithParam<RateCase> {};

// The duration stays, to the nearest output frame, and a ramp stays a ramp.
TEST_P(OutputRate, KeepsTheDurationAndTheShape)
{
    const auto [rate, frames, outFrames] = GetParam();
    Decoded in;
    for (int i = 0; i < frames; ++i) {
        in.push_back(static_cast<float>(i % 20000) * step);
        in.push_back(-7000 * step);
    }
    const Samples out = toOutputFormat(in, 2, rate);
    ASSERT_EQ(out.size(), outFrames * 2);
    for (std::size_t j = 0; j < outFrames; ++j) {
        const double position = static_cast<double>(j) * rate / 44100;
        const int before = static_cast<int>(position);
        if (before + 1 < frames && before % 20000 != 19999)
            ASSERT_NEAR(out[2 * j], before % 20000 + (position - before), 0.5) << "frame " << j;
        ASSERT_EQ(out[2 * j + 1], -7000) << "frame " << j;
    }
}

INSTANTIATE_TEST_SUITE_P(Rates, OutputRate,
                         ::testing::Values(RateCase{48000, 48000, 44100}, RateCase{22050, 22050, 44100},
                                           RateCase{8000, 8000, 44100}, RateCase{96000, 960, 441},
                                           RateCase{11025, 3, 12}, RateCase{44101, 44101, 44100}));

}  // namespace
