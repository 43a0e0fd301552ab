#pragma once

#include <optional>
#include <string>
#include <vector>

// A sound as its file holds it, at the file's own rate and channel count: interleaved samples at
// full scale 1.0 whatever the file's sample format.
struct DecodedSound {
    int rate = 0;
    int channels = 0;
    std::vector<float> samples;
};

// Reads at most the first 30 seconds of a sound file. Gives nothing for a path that is not a
// regular file, a file that is no sound, or one without a single frame.
std::optional<DecodedSound> readSoundFile(const std::string& path);
