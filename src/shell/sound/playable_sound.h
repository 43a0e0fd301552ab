#pragma once

#include "shell/sound/sound_file.h"

#include <pulse/channelmap.h>
#include <pulse/sample.h>

#include <cstddef>
#include <memory>
#include <vector>

// A sound as a playback stream takes it: 32-bit float samples at the file's rate, its channels
// in the order WAV files give them, and silence after it.
struct PlayableSound {
    pa_sample_spec sampling{};
    pa_channel_map channels{};
    std::vector<float> samples;
    std::size_t bytes() const { return samples.size() * sizeof(float); }
};

// The sound of a file read, for a stream; nothing for a rate or a channel count that no stream
// plays.
std::shared_ptr<const PlayableSound> playableSound(DecodedSound decoded);
