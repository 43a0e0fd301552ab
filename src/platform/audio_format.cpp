#include "platform/audio_format.h"

#include "platform/rounding.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

// A sample in 16-bit steps, clipped to their range; what is no number is silence.
double inSteps(float fullScale)
{
    if (std::isnan(fullScale))
        return 0;
    return std::clamp(static_cast<double>(fullScale) * 32768.0, -32768.0, 32767.0);
}

}  // namespace

// Output frame j stands at source position j * rate / outputRate, between two source frames; the
// positions are exact fractions, so that no error builds up over a long sound, and at the output
// rate every frame is copied as it is.
SoundSamples toOutputFormat(std::span<const float> interleaved, int channels, int rate)
{
    if (channels < 1 || rate < 1)
        return {};
    const auto width = static_cast<std::size_t>(channels);
    const std::size_t frames = interleaved.size() / width;
    if (frames == 0)
        return {};
    const auto sample = [&](std::size_t frame, std::size_t channel) -> double {
        return inSteps(interleaved[frame * width + (channels > 1 ? channel : 0)]);
    };

    const std::int64_t from = rate;
    const std::int64_t to = outputRate;
    const auto outFrames = static_cast<std::size_t>((static_cast<std::int64_t>(frames) * to + from / 2) / from);
    SoundSamples out(outFrames * outputChannels);
    for (std::size_t j = 0; j < outFrames; ++j) {
        const std::int64_t position = static_cast<std::int64_t>(j) * from;
        const auto i = static_cast<std::size_t>(position / to);
        const double weight = static_cast<double>(position % to) / static_cast<double>(to);
        const std::size_t next = std::min(i + 1, frames - 1);
        for (std::size_t c = 0; c < outputChannels; ++c) {
            const double a = sample(i, c);
            out[j * outputChannels + c] = static_cast<std::int16_t>(roundHalfEven(a + (sample(next, c) - a) * weight));
        }
    }
    return out;
}
