#pragma once

// The sound player's insides, shared by its requests (pulse_sound_player.cpp) and its voices
// (pulse_voices.cpp).

#include "shell/sound/playable_sound.h"
#include "shell/sound/pulse_connection.h"
#include "shell/sound/pulse_loop.h"
#include "shell/sound/pulse_sound_player.h"
#include "shell/sound/sound_files.h"

#include <pulse/pulseaudio.h>

#include <list>
#include <map>
#include <memory>
#include <string>

// Everything but the reading thread runs on libpulse's own thread or under its lock.
struct PulseSoundPlayer::Impl final : PulseConnection::Voices {
    struct Sound;

    // One playing of a sound, on a stream of its own. It is armed ahead of its shot: connected
    // corked and filled, so that a play only uncorks it and the server mixes it in at its next
    // period, with no stream to make and link then.
    struct Voice {
        enum class Stage { Arming, Armed, Playing };
        Impl& player;
        Sound& sound;
        std::shared_ptr<const PlayableSound> samples;
        pa_stream* stream = nullptr;
        Stage stage = Stage::Arming;
        std::size_t written = 0;
        bool draining = false;
    };

    // A sound file by its path, once read kept for as long as the player runs. Plays asked for
    // before a voice was armed wait for the next one.
    struct Sound {
        std::string name;
        std::shared_ptr<const PlayableSound> samples;
        int waiting = 0;
        std::list<Voice> voices;
    };

    Impl(std::unique_ptr<PulseLoop> made, pa_usec_t readyFor);
    ~Impl();

    void fileRead(const std::string& path, std::shared_ptr<const PlayableSound> samples);
    void arm(Sound& sound);
    void armAll() override;
    bool openVoice(Sound& sound);
    void fill(Voice& voice, std::size_t most);
    void start(Voice& voice);
    void drainWhenWritten(Voice& voice);
    void close(Voice& voice);
    void closeAll() override;
    void closeSpare() override;

    static void voiceChanged(pa_stream* stream, void* voice);
    static void voiceWants(pa_stream* stream, std::size_t bytes, void* voice);
    static void voicePlayedOut(pa_stream* stream, int success, void* voice);

    std::unique_ptr<PulseLoop> loop;
    PulseConnection connection;
    std::map<std::string, Sound> sounds;
    SoundFiles files;
};
