#pragma once

#include "platform/sound_player.h"

#include <memory>

// The sound player behind the multimedia control, on the system's audio output.
class QtSoundPlayer : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;

    void play(const std::string& path) override;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
