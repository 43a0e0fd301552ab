#pragma once

#include "platform/sound_player.h"

#include <memory>

// The sound player behind the multimedia control, on the system's audio output. A request only
// hands the path to the audio thread and returns; the sounds of one shot play over each other,
// each to its end. A file that cannot be played, or no sound server at all, costs only the sound.
class QtSoundPlayer : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;

    void play(const std::string& path) override;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
