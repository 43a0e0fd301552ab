#pragma once

#include "shell/sound/loop_timer.h"
#include "shell/sound/pulse_loop.h"

#include <pulse/context.h>
#include <pulse/proplist.h>
#include <pulse/stream.h>

#include <string>

// The sound player's connection to its server: a context, made again 0.5 s after one failed (the
// server was not there, crashed or was restarted); while a shot may come, a stream that keeps
// the output awake and quick; and the countdown to rest, `readyFor` after the last keepReady().
// It runs on the loop's thread and is called under the loop's lock.
class PulseConnection {
public:
    // What the connection has the player's voices do.
    class Voices {
    public:
        // The server is there and a shot may come: a voice is armed for each sound.
        virtual void armAll() = 0;
        // The connection is lost, and its streams with it.
        virtual void closeAll() = 0;
        // No shot comes: the voices armed for one close, those that play play on.
        virtual void closeSpare() = 0;

    protected:
        ~Voices() = default;
    };

    PulseConnection(PulseLoop& loop, Voices& voices, pa_usec_t readyFor);
    ~PulseConnection();
    PulseConnection(const PulseConnection&) = delete;
    PulseConnection& operator=(const PulseConnection&) = delete;

    // Connects for the first time; a server that is not running is started, where the user's
    // settings let programs start it.
    void open();
    // From now on a lost connection is not made again.
    void stopReconnecting();

    // Connected: streams can be made.
    bool online() const;
    // Connected or connecting: a play asked for now may yet be played.
    bool reachable() const;
    bool ready() const { return m_ready; }
    // A playback stream that shows the program as its owner, not yet connected; nothing while
    // offline or when the server's library will not make it.
    pa_stream* newStream(const std::string& name, const pa_sample_spec& sampling, const pa_channel_map* channels) const;

    // Keeps the output ready for a shot for `readyFor` from now.
    void keepReady();
    // Lets the output rest until the next keepReady().
    void rest();

private:
    static void changed(pa_context* context, void* connection);
    void connect(pa_context_flags_t flags);
    void lost();
    void reconnectLater();
    void restDue();
    void openKeepAwake();
    void closeKeepAwake();

    pa_mainloop_api* m_api;
    Voices& m_voices;
    pa_proplist* m_identity;
    // A context cannot connect twice: each attempt gets a new one.
    pa_context* m_context = nullptr;
    LoopTimer m_reconnect;
    bool m_reconnecting = true;
    // The countdown to rest is one timer, moved on only when it comes due: asking again costs no
    // wakeup.
    LoopTimer m_rest;
    const pa_usec_t m_readyFor;
    pa_usec_t m_lastAskedForReady = 0;
    bool m_ready = false;
    pa_stream* m_keepAwake = nullptr;
};
