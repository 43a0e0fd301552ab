#pragma once

#include "shell/sound/playable_sound.h"
#include "shell/sound/pulse_loop.h"

#include <QThreadPool>

#include <chrono>
#include <functional>
#include <memory>
#include <string>

// The sound files, read on a thread of their own, one at a time, each into the sound a playback
// stream takes.
class SoundFiles {
public:
    // Told of each file read, on the reading thread and under the loop's lock: its sound, or
    // nothing for a file that cannot be played.
    using Read = std::function<void(const std::string& path, std::shared_ptr<const PlayableSound> sound)>;

    SoundFiles(PulseLoop& loop, Read read);

    // Under the loop's lock: starts reading the file.
    void read(const std::string& path);
    // Reads no further file, and tells of none from now on. False when a file still reads after
    // `wait`; its thread then goes on with this object and the loop.
    bool close(std::chrono::milliseconds wait);

private:
    void readOnThread(const std::string& path);

    PulseLoop& m_loop;
    Read m_read;
    bool m_closing = false;
    QThreadPool m_thread;
};
