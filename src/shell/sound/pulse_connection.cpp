#include "shell/sound/pulse_connection.h"

#include "shell/sound/pulse_streams.h"

#include <pulse/rtclock.h>
#include <pulse/timeval.h>

#include <utility>

namespace {

constexpr pa_usec_t reconnectEvery = 500 * PA_USEC_PER_MSEC;

// The program as the server and its mixers show it: on its connection and on its streams.
pa_proplist* playerIdentity()
{
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Стрелбище");
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, "bg.strelbishte.strelbishte");
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
    return properties;
}

}  // namespace

// Made again, the connection starts no server: one the user stopped is not started behind the
// user's back.
PulseConnection::PulseConnection(PulseLoop& loop, Voices& voices, pa_usec_t readyFor)
    : m_api(loop.api())
    , m_voices(voices)
    , m_identity(playerIdentity())
    , m_reconnect(loop, [this] { connect(PA_CONTEXT_NOAUTOSPAWN); })
    , m_rest(loop, [this] { restDue(); })
    , m_readyFor(readyFor)
{
}

PulseConnection::~PulseConnection()
{
    closeKeepAwake();
    if (m_context) {
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
    }
    pa_proplist_free(m_identity);
}

void PulseConnection::open()
{
    connect(PA_CONTEXT_NOFLAGS);
}

void PulseConnection::stopReconnecting()
{
    m_reconnecting = false;
    m_reconnect.stop();
}

bool PulseConnection::online() const
{
    return m_context && pa_context_get_state(m_context) == PA_CONTEXT_READY;
}

bool PulseConnection::reachable() const
{
    return m_context && PA_CONTEXT_IS_GOOD(pa_context_get_state(m_context));
}

pa_stream* PulseConnection::newStream(const std::string& name, const pa_sample_spec& sampling,
                                      const pa_channel_map* channels) const
{
    return online() ? pa_stream_new_with_proplist(m_context, name.c_str(), &sampling, channels, m_identity) : nullptr;
}

// Without a server the context fails at once or soon after, and is made again later. So is one
// that libpulse would not make.
void PulseConnection::connect(pa_context_flags_t flags)
{
    m_context = pa_context_new_with_proplist(m_api, nullptr, m_identity);
    if (!m_context) {
        reconnectLater();
        return;
    }
    pa_context_set_state_callback(m_context, changed, this);
    // A connection that failed on the way has been lost through changed() already.
    if (pa_context_connect(m_context, nullptr, flags, nullptr) < 0 && m_context)
        lost();
}

void PulseConnection::changed(pa_context* context, void* connection)
{
    PulseConnection& self = *static_cast<PulseConnection*>(connection);
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        if (self.m_ready) {
            self.openKeepAwake();
            self.m_voices.armAll();
        }
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        self.lost();
        break;
    default:
        break;
    }
}

// The lost connection's streams go with it, and what they played or were armed for.
void PulseConnection::lost()
{
    m_voices.closeAll();
    closeKeepAwake();
    pa_context_set_state_callback(m_context, nullptr, nullptr);
    pa_context_unref(std::exchange(m_context, nullptr));
    reconnectLater();
}

void PulseConnection::reconnectLater()
{
    if (m_reconnecting)
        m_reconnect.dueAt(pa_rtclock_now() + reconnectEvery);
}

void PulseConnection::keepReady()
{
    m_lastAskedForReady = pa_rtclock_now();
    if (m_ready)
        return;
    m_ready = true;
    m_rest.dueAt(m_lastAskedForReady + m_readyFor);
    openKeepAwake();
    m_voices.armAll();
}

void PulseConnection::restDue()
{
    const pa_usec_t until = m_lastAskedForReady + m_readyFor;
    if (pa_rtclock_now() < until)
        m_rest.dueAt(until);
    else
        rest();
}

void PulseConnection::rest()
{
    m_ready = false;
    m_rest.stop();
    closeKeepAwake();
    m_voices.closeSpare();
}

// An output left idle for some seconds is suspended by the server, and a sound card woken again
// takes tens of milliseconds or loses the start of the sound. PipeWire also runs its output in
// periods as long as its clients let it, up to 2048 frames, and starts a stream at a period's
// start. A playback stream asking for 10 ms, never written to, keeps the output awake and its
// periods short, and wakes no thread of ours; the server's, though, wake for every period. An
// armed voice, corked, does neither. One the server would not take is tried again the next time
// a shot may come.
void PulseConnection::openKeepAwake()
{
    if (m_keepAwake)
        return;
    const pa_sample_spec sampling{PA_SAMPLE_S16NE, 44100, 1};
    m_keepAwake = newStream("Изстрели", sampling, nullptr);
    if (!m_keepAwake)
        return;
    const pa_buffer_attr buffer = shortPeriods(sampling);
    if (pa_stream_connect_playback(m_keepAwake, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0)
        pa_stream_unref(std::exchange(m_keepAwake, nullptr));
}

void PulseConnection::closeKeepAwake()
{
    if (m_keepAwake)
        closeStream(std::exchange(m_keepAwake, nullptr));
}
