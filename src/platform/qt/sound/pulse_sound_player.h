#pragma once

#include "platform/sound_player.h"

#include <memory>

// The sound player behind the multimedia control, on the PulseAudio sound server (or PipeWire's
// server of the same protocol). Each file is read once, on a reading thread, and kept as a sample
// in the server's cache; to play it the server only gets its name and mixes it into its output
// itself, so that sounds overlap, each to its end, with no stream of ours to keep filled. A
// request returns at once. A file that cannot be played, or no sound server at all, costs only the
// sound. A server that goes away (it crashed or was restarted) is looked for again twice a second,
// and once it is back it gets the sounds again. The samples leave the server's cache when the
// player closes, and those that a killed player left there go when the next one connects.
class PulseSoundPlayer : public SoundPlayer {
public:
    PulseSoundPlayer();
    ~PulseSoundPlayer() override;

    void play(const std::string& path) override;


private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
