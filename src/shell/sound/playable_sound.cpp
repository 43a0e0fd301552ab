#include "shell/sound/playable_sound.h"

#include <cstdint>
#include <utility>

namespace {

// Silence after each sound. PipeWire's server (0.3.65 in Debian 12) drops the last period of
// what a stream plays before it runs dry, up to its longest of 2048 frames at 48 kHz; the
// silence is what it drops.
constexpr int silenceAfterMilliseconds = 50;

}  // namespace

std::shared_ptr<const PlayableSound> playableSound(DecodedSound decoded)
{
    if (decoded.channels > static_cast<int>(PA_CHANNELS_MAX))
        return nullptr;
    auto sound = std::make_shared<PlayableSound>();
    sound->sampling = {PA_SAMPLE_FLOAT32NE, static_cast<std::uint32_t>(decoded.rate),
                       static_cast<std::uint8_t>(decoded.channels)};
    if (!pa_sample_spec_valid(&sound->sampling) ||
        !pa_channel_map_init_extend(&sound->channels, sound->sampling.channels, PA_CHANNEL_MAP_WAVEEX))
        return nullptr;
    const std::size_t silence = static_cast<std::size_t>(decoded.rate) * silenceAfterMilliseconds / 1000;
    decoded.samples.resize(decoded.samples.size() + silence * sound->sampling.channels);
    sound->samples = std::move(decoded.samples);
    return sound;
}
