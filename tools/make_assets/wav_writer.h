#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assets {

inline constexpr int soundSampleRate = 44100;

// Writes a mono 16-bit PCM WAV file; throws std::runtime_error if it cannot.
void writeWav(const std::string& path, const std::vector<std::int16_t>& samples, int sampleRate = soundSampleRate);

}  // namespace assets
