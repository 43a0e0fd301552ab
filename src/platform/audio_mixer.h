#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

// A sound in the output format: interleaved stereo 16-bit samples at 44100 Hz.
using SoundSamples = std::vector<std::int16_t>;
using SharedSound = std::shared_ptr<const SoundSamples>;

inline constexpr int outputRate = 44100;
inline constexpr int outputChannels = 2;

// Plays up to eight sounds over one another, each from its first frame to its last. One sound
// may play several times at once, each voice at its own place in it.
class AudioMixer {
public:
    static constexpr std::size_t maxVoices = 8;

    AudioMixer();

    // Starts a voice for the sound; when every voice is taken, the oldest one gives way.
    void start(SharedSound sound);

    // Fills `out`, whole frames, with the sum of all voices clamped to the 16-bit range, and moves
    // every voice on. A voice that reaches its end stops; silence fills the rest.
    void mix(std::span<std::int16_t> out);

    std::size_t voiceCount() const { return m_voices.size(); }

private:
    struct Voice {
        SharedSound sound;
        std::size_t next;  // index of the next sample to play
        std::size_t end;   // just past its last whole frame
    };

    std::vector<Voice> m_voices;  // oldest first
};
