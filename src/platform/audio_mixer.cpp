#include "platform/audio_mixer.h"

#include <algorithm>
#include <array>
#include <limits>

namespace {

// Frames summed at a time; the accumulator lives on the stack of the audio callback.
constexpr std::size_t chunkSamples = 256 * outputChannels;

std::int16_t clamped(std::int32_t sum)
{
    constexpr std::int32_t low = std::numeric_limits<std::int16_t>::min();
    constexpr std::int32_t high = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::clamp(sum, low, high));
}

}  // namespace

AudioMixer::AudioMixer()
{
    m_voices.reserve(maxVoices);
}

void AudioMixer::start(SharedSound sound)
{
    if (!sound)
        return;
    const std::size_t end = sound->size() - sound->size() % outputChannels;
    if (end == 0)
        return;
    if (m_voices.size() == maxVoices)
        m_voices.erase(m_voices.begin());
    m_voices.push_back({std::move(sound), 0, end});
}

void AudioMixer::mix(std::span<std::int16_t> out)
{
    std::array<std::int32_t, chunkSamples> sum;
    for (std::size_t done = 0; done < out.size(); done += sum.size()) {
        const std::size_t count = std::min(sum.size(), out.size() - done);
        std::fill_n(sum.begin(), count, 0);
        for (Voice& v : m_voices) {
            const std::size_t n = std::min(count, v.end - v.next);
            const std::int16_t* from = v.sound->data() + v.next;
            for (std::size_t k = 0; k < n; ++k)
                sum[k] += from[k];
            v.next += n;
        }
        std::transform(sum.begin(), sum.begin() + static_cast<std::ptrdiff_t>(count),
                       out.begin() + static_cast<std::ptrdiff_t>(done), clamped);
    }
    std::erase_if(m_voices, [](const Voice& v) { return v.next == v.end; });
}
