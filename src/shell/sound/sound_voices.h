#pragma once

#include "shell/sound/playable_sound.h"
#include "shell/sound/pulse_connection.h"
#include "shell/sound/pulse_voice.h"

#include <list>
#include <memory>
#include <string>

// The voices of one sound file: while a shot may come, one armed for its next play; those that
// play; and the plays asked for before a voice was armed for them, which start as soon as one is.
// It runs on the loop's thread and is called under the loop's lock.
class SoundVoices final : private Voice::Owner {
public:
    // `name`: the file's name, as the server and its mixers show each voice.
    SoundVoices(PulseConnection& connection, std::string name);
    SoundVoices(const SoundVoices&) = delete;
    SoundVoices& operator=(const SoundVoices&) = delete;

    // A play asked for; dropped while there is no server to play it.
    void ask();
    // The file read: its sound, kept for as long as the player runs.
    void take(std::shared_ptr<const PlayableSound> sound);
    // Starts the armed voices for the plays that wait, then arms the voices for those that still
    // wait and one for the next play while a shot may come; nothing before the sound is read.
    void arm();
    // What they play or were armed for goes with them, and the plays that wait.
    void closeAll();
    // Those that do not play; the plays that wait go too, not to be heard long after they were asked.
    void closeSpare();

private:
    void armed(Voice& voice) override;
    void ended(Voice& voice) override;
    bool open();

    PulseConnection& m_connection;
    const std::string m_name;
    std::shared_ptr<const PlayableSound> m_sound;
    int m_waiting = 0;
    std::list<Voice> m_voices;
};
