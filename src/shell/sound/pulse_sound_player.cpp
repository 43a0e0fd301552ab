#include "shell/sound/pulse_sound_player.h"

#include "shell/sound/pulse_player_impl.h"

#include <QFileInfo>

#include <utility>

namespace {

// Time the player gets at the end to finish reading a file.
constexpr int closingMilliseconds = 2000;

constexpr pa_usec_t reconnectEvery = 500 * PA_USEC_PER_MSEC;

}  // namespace

// The program as the server and its mixers show it: on its connection and on its streams.
pa_proplist* playerIdentity()
{
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Стрелбище");
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, "bg.strelbishte.strelbishte");
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
    return properties;
}

PulseSoundPlayer::Impl::Impl(pa_usec_t readyFor) : readyFor(readyFor)
{
    reader.setMaxThreadCount(1);
    startContext();
    reconnectTimer = pa_context_rttime_new(context, PA_USEC_INVALID, reconnectDue, this);
    restTimer = pa_context_rttime_new(context, PA_USEC_INVALID, restDue, this);
    // Without a server the context fails at once or soon after, and the player tries again later.
    pa_context_connect(context, nullptr, PA_CONTEXT_NOFLAGS, nullptr);
    pa_threaded_mainloop_start(loop);
}

// A sound still playing stops with its stream.
PulseSoundPlayer::Impl::~Impl()
{
    {
        LoopLock lock(loop);
        closeAllVoices();
        closeKeepAwake();
        pa_mainloop_api* api = pa_threaded_mainloop_get_api(loop);
        api->time_free(reconnectTimer);
        api->time_free(restTimer);
        pa_context_disconnect(context);
        pa_context_unref(context);
    }
    pa_threaded_mainloop_stop(loop);
    pa_threaded_mainloop_free(loop);
    pa_proplist_free(properties);
}

void PulseSoundPlayer::Impl::startContext()
{
    context = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop), nullptr, properties);
    pa_context_set_state_callback(context, contextChanged, this);
}

void PulseSoundPlayer::Impl::contextChanged(pa_context* context, void* player)
{
    Impl& self = *static_cast<Impl*>(player);
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        self.connected();
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        if (!self.closing)
            self.lost();
        break;
    default:
        break;
    }
}

void PulseSoundPlayer::Impl::connected()
{
    if (ready) {
        openKeepAwake();
        armAll();
    }
}

// The lost connection's streams go with it, and what they played or were armed for.
void PulseSoundPlayer::Impl::lost()
{
    closeAllVoices();
    closeKeepAwake();
    pa_context_set_state_callback(context, nullptr, nullptr);
    pa_context_unref(context);
    startContext();
    pa_context_rttime_restart(context, reconnectTimer, pa_rtclock_now() + reconnectEvery);
}

// A server the user stopped is not started again behind the user's back.
void PulseSoundPlayer::Impl::reconnectDue(pa_mainloop_api*, pa_time_event*, const timeval*, void* player)
{
    Impl& self = *static_cast<Impl*>(player);
    if (!self.closing)
        pa_context_connect(self.context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr);
}

// The countdown to rest is one timer, moved on only when it comes due: asking again costs no
// wakeup.
void PulseSoundPlayer::Impl::askedForReady()
{
    lastAskedForReady = pa_rtclock_now();
    if (!ready) {
        ready = true;
        pa_context_rttime_restart(context, restTimer, lastAskedForReady + readyFor);
        openKeepAwake();
        armAll();
    }
}

void PulseSoundPlayer::Impl::restDue(pa_mainloop_api*, pa_time_event*, const timeval*, void* player)
{
    Impl& self = *static_cast<Impl*>(player);
    const pa_usec_t until = self.lastAskedForReady + self.readyFor;
    if (pa_rtclock_now() < until) {
        pa_context_rttime_restart(self.context, self.restTimer, until);
        return;
    }
    self.ready = false;
    self.closeKeepAwake();
    self.closeSpareVoices();
}

// An output left idle for some seconds is suspended by the server, and a sound card woken again
// takes tens of milliseconds or loses the start of the sound. PipeWire also runs its output in
// periods as long as its clients let it, up to 2048 frames, and starts a stream at a period's
// start. A playback stream asking for 10 ms, never written to, keeps the output awake and its
// periods short, and wakes no thread of ours; the server's, though, wake for every period. An
// armed voice, corked, does neither.
void PulseSoundPlayer::Impl::openKeepAwake()
{
    if (keepAwake || !online())
        return;
    const pa_sample_spec spec{PA_SAMPLE_S16NE, 44100, 1};
    const pa_buffer_attr buffer = shortPeriods(spec);
    keepAwake = pa_stream_new_with_proplist(context, "Изстрели", &spec, nullptr, properties);
    if (keepAwake)
        pa_stream_connect_playback(keepAwake, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr);
}

void PulseSoundPlayer::Impl::closeKeepAwake()
{
    if (!keepAwake)
        return;
    if (online())
        pa_stream_disconnect(keepAwake);
    pa_stream_unref(std::exchange(keepAwake, nullptr));
}

PulseSoundPlayer::PulseSoundPlayer(std::chrono::milliseconds readyFor)
    : m_impl(std::make_unique<Impl>(static_cast<pa_usec_t>(readyFor.count()) * PA_USEC_PER_MSEC))
{
}

PulseSoundPlayer::~PulseSoundPlayer()
{
    {
        LoopLock lock(m_impl->loop);
        m_impl->closing = true;
    }
    m_impl->reader.clear();
    // A file that reads for longer keeps its thread, and the program ends without it rather than
    // wait.
    if (!m_impl->reader.waitForDone(closingMilliseconds))
        static_cast<void>(m_impl.release());
}

// A play asked for while there is no server is dropped; its sound is read all the same, for the
// plays once there is one.
void PulseSoundPlayer::play(const std::string& path)
{
    LoopLock lock(m_impl->loop);
    m_impl->askedForReady();
    m_impl->request(path, true);
}

void PulseSoundPlayer::prepare(const std::string& path)
{
    LoopLock lock(m_impl->loop);
    m_impl->request(path, false);
}

void PulseSoundPlayer::Impl::request(const std::string& path, bool toPlay)
{
    auto [found, added] = sounds.try_emplace(path);
    Sound& sound = found->second;
    if (added)
        sound.name = QFileInfo(QString::fromStdString(path)).fileName().toStdString();
    if (toPlay && PA_CONTEXT_IS_GOOD(pa_context_get_state(context)))
        ++sound.waiting;
    if (sound.samples)
        arm(sound);
    else if (!sound.reading)
        startReading(path, sound);
}

void PulseSoundPlayer::keepReady()
{
    LoopLock lock(m_impl->loop);
    m_impl->askedForReady();
}

void PulseSoundPlayer::rest()
{
    Impl& p = *m_impl;
    LoopLock lock(p.loop);
    p.ready = false;
    pa_context_rttime_restart(p.context, p.restTimer, PA_USEC_INVALID);
    p.closeKeepAwake();
    p.closeSpareVoices();
}
