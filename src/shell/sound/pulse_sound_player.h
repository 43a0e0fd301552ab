#pragma once

#include "forms/sound_player.h"

#include <chrono>
#include <memory>

// The sound player behind the multimedia control, on the PulseAudio sound server (or PipeWire's
// server of the same protocol). Each file is read once, on a reading thread, and kept. Each play
// has a playback stream of its own, which the server mixes with the others, so that sounds
// overlap, each to its end. While a shot may come, a stream for the next play of each sound
// stands connected, corked and filled: a play only starts it. A request returns at once. A file
// that cannot be played, no sound server at all, or a sound library that will not give what is
// asked of it, costs only the sound, and nothing is printed. A server that goes away (it crashed
// or was restarted), or a connection the library would not make, is looked for again twice a
// second, and once it is back the sounds are armed on it again.
class PulseSoundPlayer : public SoundPlayer {
public:
    // `readyFor`: how long the output stays ready after the last keepReady() or play().
    explicit PulseSoundPlayer(std::chrono::milliseconds readyFor = std::chrono::seconds(30));
    ~PulseSoundPlayer() override;

    // Plays the sound, and keeps the output ready as keepReady() does.
    void play(const std::string& path) override;
    // Reads the sound, and arms it while the output is ready, without playing it.
    void prepare(const std::string& path) override;

    // Keeps the output ready for a shot for the next 30 seconds: awake (a sound card that the
    // server suspended takes tens of milliseconds to wake, or loses the start of the sound), in
    // short periods, and with a stream armed for each sound read. For whenever a shot may come
    // soon, such as every movement of the pointer over the range view: it never waits for the
    // server, and costs next to nothing when called hundreds of times a second. Until it or play()
    // is first called the output rests.
    void keepReady() override;
    // Lets the output rest at once, until the next keepReady() or play(): for when no shot can
    // come, such as while the main window is minimised.
    void rest() override;

private:
    struct Impl;
    // None when libpulse gives the player no thread.
    std::unique_ptr<Impl> m_impl;
};
