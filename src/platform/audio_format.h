#pragma once

#include "platform/audio_mixer.h"

#include <span>

// Turns decoded frames (samples at full scale 1.0, any channel count and rate) into the mixer's
// format: mono is doubled, the first two of more channels are kept, another rate is resampled
// linearly, and samples beyond full scale are clipped.
SoundSamples toOutputFormat(std::span<const float> interleaved, int channels, int rate);
