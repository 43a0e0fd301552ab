#pragma once

// The sound player's insides, shared by its connection (pulse_sound_player.cpp) and its voices
// (pulse_voices.cpp).

#include "shell/sound/pulse_sound_player.h"

#include <QThreadPool>

#include <pulse/pulseaudio.h>

#include <cstdint>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <vector>

class LoopLock {
public:
    explicit LoopLock(pa_threaded_mainloop* loop) : m_loop(loop) { pa_threaded_mainloop_lock(m_loop); }
    ~LoopLock() { pa_threaded_mainloop_unlock(m_loop); }
    LoopLock(const LoopLock&) = delete;
    LoopLock& operator=(const LoopLock&) = delete;

private:
    pa_threaded_mainloop* m_loop;
};

// What a stream asks of the output: short periods, so that a shot starts within one of them.
inline pa_buffer_attr shortPeriods(const pa_sample_spec& spec)
{
    pa_buffer_attr buffer{};
    buffer.maxlength = buffer.prebuf = buffer.minreq = buffer.fragsize = static_cast<std::uint32_t>(-1);
    buffer.tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(10 * PA_USEC_PER_MSEC, &spec));
    return buffer;
}

// A sound read, ready to be written to a stream as it is, its silence after it included.
struct Playable {
    pa_sample_spec spec{};
    pa_channel_map channels{};
    std::vector<float> samples;
    std::size_t bytes() const { return samples.size() * sizeof(float); }
};

pa_proplist* playerIdentity();

// Everything but the reading thread runs on libpulse's own thread or under its lock.
struct PulseSoundPlayer::Impl {
    struct Sound;

    // One playing of a sound, on a stream of its own. It is armed ahead of its shot: connected
    // corked and filled, so that a play only uncorks it and the server mixes it in at its next
    // period, with no stream to make and link then.
    struct Voice {
        enum class Stage { Arming, Armed, Playing };
        Impl& player;
        Sound& sound;
        std::shared_ptr<const Playable> samples;
        pa_stream* stream = nullptr;
        Stage stage = Stage::Arming;
        std::size_t written = 0;
        bool draining = false;
    };

    // A sound file by its path, once read kept for as long as the player runs. Plays asked for
    // before a voice was armed wait for the next one.
    struct Sound {
        std::string name;
        bool reading = false;
        std::shared_ptr<const Playable> samples;
        int waiting = 0;
        std::list<Voice> voices;
    };

    explicit Impl(pa_usec_t readyFor);
    ~Impl();

    void startContext();
    void connected();
    void lost();
    // The sound of a file, read or being read; a play asked for waits for it.
    void request(const std::string& path, bool toPlay);
    void startReading(const std::string& path, Sound& sound);
    void read(const std::string& path);
    void arm(Sound& sound);
    void armAll();
    bool openVoice(Sound& sound);
    void fill(Voice& voice, std::size_t most);
    void start(Voice& voice);
    void drainWhenWritten(Voice& voice);
    void close(Voice& voice);
    void closeAllVoices();
    void closeSpareVoices();
    void askedForReady();
    void openKeepAwake();
    void closeKeepAwake();
    bool online() const { return pa_context_get_state(context) == PA_CONTEXT_READY; }

    static void contextChanged(pa_context* context, void* player);
    static void reconnectDue(pa_mainloop_api* api, pa_time_event* event, const timeval* at, void* player);
    static void restDue(pa_mainloop_api* api, pa_time_event* event, const timeval* at, void* player);
    static void voiceChanged(pa_stream* stream, void* voice);
    static void voiceWants(pa_stream* stream, std::size_t bytes, void* voice);
    static void voicePlayedOut(pa_stream* stream, int success, void* voice);

    pa_threaded_mainloop* loop = pa_threaded_mainloop_new();
    pa_proplist* properties = playerIdentity();
    // A context cannot connect twice: each attempt gets a new one.
    pa_context* context = nullptr;
    pa_time_event* reconnectTimer = nullptr;
    pa_time_event* restTimer = nullptr;
    pa_stream* keepAwake = nullptr;
    const pa_usec_t readyFor;
    pa_usec_t lastAskedForReady = 0;
    bool ready = false;
    std::map<std::string, Sound> sounds;
    bool closing = false;
    QThreadPool reader;
};
