#include "platform/qt/sound/pulse_sound_player.h"

#include "platform/qt/sound/sound_file.h"

#include <QFileInfo>
#include <QThreadPool>

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace {

// Time the player gets at the end to finish reading a file.
constexpr int closingMilliseconds = 2000;

// Silence after each sound. PipeWire's server (0.3.65 in Debian 12) drops the last period of
// what a stream plays before it runs dry, up to its longest of 2048 frames at 48 kHz; the
// silence is what it drops.
constexpr int silenceAfterMilliseconds = 50;

constexpr pa_usec_t reconnectEvery = 500 * PA_USEC_PER_MSEC;

// What a stream asks of the output: short periods, so that a shot starts within one of them.
constexpr pa_usec_t streamLatency = 10 * PA_USEC_PER_MSEC;

class LoopLock {
public:
    explicit LoopLock(pa_threaded_mainloop* loop) : m_loop(loop) { pa_threaded_mainloop_lock(m_loop); }
    ~LoopLock() { pa_threaded_mainloop_unlock(m_loop); }
    LoopLock(const LoopLock&) = delete;
    LoopLock& operator=(const LoopLock&) = delete;

private:
    pa_threaded_mainloop* m_loop;
};

// The program as the server and its mixers show it: on its connection and on its streams.
pa_proplist* identity()
{
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Стрелбище");
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, "bg.strelbishte.strelbishte");
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
    return properties;
}

pa_buffer_attr shortPeriods(const pa_sample_spec& spec)
{
    pa_buffer_attr buffer{};
    buffer.maxlength = buffer.prebuf = buffer.minreq = buffer.fragsize = static_cast<std::uint32_t>(-1);
    buffer.tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(streamLatency, &spec));
    return buffer;
}

// A sound read, ready to be written to a stream as it is, its silence after it included.
struct Playable {
    pa_sample_spec spec{};
    pa_channel_map channels{};
    std::vector<float> samples;
    std::size_t bytes() const { return samples.size() * sizeof(float); }
};

std::shared_ptr<const Playable> playable(DecodedSound decoded)
{
    auto sound = std::make_shared<Playable>();
    if (decoded.channels > static_cast<int>(PA_CHANNELS_MAX))
        return nullptr;
    sound->spec = {PA_SAMPLE_FLOAT32NE, static_cast<std::uint32_t>(decoded.rate),
                   static_cast<std::uint8_t>(decoded.channels)};
    if (!pa_sample_spec_valid(&sound->spec))
        return nullptr;
    pa_channel_map_init_extend(&sound->channels, sound->spec.channels, PA_CHANNEL_MAP_WAVEEX);
    const std::size_t silence = static_cast<std::size_t>(decoded.rate) * silenceAfterMilliseconds / 1000;
    decoded.samples.resize(decoded.samples.size() + silence * sound->spec.channels);
    sound->samples = std::move(decoded.samples);
    return sound;
}

}  // namespace

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
    void startReading(const std::string& path, Sound& sound);
    void read(const std::string& path);
    void play(Sound& sound);
    void arm(Sound& sound);
    void armAll();
    bool openVoice(Sound& sound);
    void fill(Voice& voice, std::size_t most);
    void start(Voice& voice);
    void drainWhenWritten(Voice& voice);
    void close(Voice& voice);
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
    pa_proplist* properties = identity();
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
        for (auto& [path, sound] : sounds)
            while (!sound.voices.empty())
                close(sound.voices.front());
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
    for (auto& [path, sound] : sounds) {
        while (!sound.voices.empty())
            close(sound.voices.front());
        sound.waiting = 0;
    }
    if (keepAwake)
        pa_stream_unref(std::exchange(keepAwake, nullptr));
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

void PulseSoundPlayer::Impl::startReading(const std::string& path, Sound& sound)
{
    sound.reading = true;
    reader.start([this, path] { read(path); });
}

// A file that cannot be played is forgotten, to be read again at its next request.
void PulseSoundPlayer::Impl::read(const std::string& path)
{
    std::optional<DecodedSound> decoded = readSoundFile(path);
    std::shared_ptr<const Playable> samples = decoded ? playable(std::move(*decoded)) : nullptr;
    LoopLock lock(loop);
    if (closing)
        return;
    const auto sound = sounds.find(path);
    sound->second.reading = false;
    if (!samples) {
        sounds.erase(sound);
        return;
    }
    sound->second.samples = std::move(samples);
    arm(sound->second);
}

// Starts the armed voices for the plays that wait, then arms the voices for those that still wait
// and one for the next play while a shot may come.
void PulseSoundPlayer::Impl::arm(Sound& sound)
{
    if (!online() || !sound.samples)
        return;
    int spare = 0;
    for (Voice& voice : sound.voices) {
        if (voice.stage == Voice::Stage::Armed && sound.waiting > 0) {
            --sound.waiting;
            start(voice);
        } else if (voice.stage != Voice::Stage::Playing) {
            ++spare;
        }
    }
    for (const int wanted = sound.waiting + (ready ? 1 : 0); spare < wanted; ++spare)
        if (!openVoice(sound)) {
            sound.waiting = 0;
            return;
        }
}

void PulseSoundPlayer::Impl::armAll()
{
    for (auto& [path, sound] : sounds)
        arm(sound);
}

bool PulseSoundPlayer::Impl::openVoice(Sound& sound)
{
    const Playable& samples = *sound.samples;
    pa_stream* stream =
        pa_stream_new_with_proplist(context, sound.name.c_str(), &samples.spec, &samples.channels, properties);
    if (!stream)
        return false;
    Voice& voice = sound.voices.emplace_back(Voice{*this, sound, sound.samples, stream});
    pa_stream_set_state_callback(stream, voiceChanged, &voice);
    pa_stream_set_write_callback(stream, voiceWants, &voice);
    const pa_buffer_attr buffer = shortPeriods(samples.spec);
    if (pa_stream_connect_playback(stream, nullptr, &buffer,
                                   static_cast<pa_stream_flags_t>(PA_STREAM_START_CORKED | PA_STREAM_ADJUST_LATENCY),
                                   nullptr, nullptr) < 0) {
        close(voice);
        return false;
    }
    return true;
}

// A voice is filled as far as its stream holds while it is armed, and on as the server asks
// while it plays.
void PulseSoundPlayer::Impl::voiceChanged(pa_stream* stream, void* voice)
{
    Voice& v = *static_cast<Voice*>(voice);
    Impl& self = v.player;
    switch (pa_stream_get_state(stream)) {
    case PA_STREAM_READY:
        self.fill(v, pa_stream_get_buffer_attr(stream)->maxlength);
        v.stage = Voice::Stage::Armed;
        self.arm(v.sound);
        break;
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED:
        // The server would not take the sound; the plays that wait for it are dropped.
        if (v.stage == Voice::Stage::Arming)
            v.sound.waiting = 0;
        self.close(v);
        break;
    default:
        break;
    }
}

void PulseSoundPlayer::Impl::voiceWants(pa_stream*, std::size_t bytes, void* voice)
{
    Voice& v = *static_cast<Voice*>(voice);
    if (v.stage == Voice::Stage::Playing)
        v.player.fill(v, bytes);
}

void PulseSoundPlayer::Impl::fill(Voice& voice, std::size_t most)
{
    const std::size_t bytes = std::min(most, voice.samples->bytes() - voice.written);
    if (bytes == 0)
        return;
    pa_stream_write(voice.stream, reinterpret_cast<const char*>(voice.samples->samples.data()) + voice.written, bytes,
                    nullptr, 0, PA_SEEK_RELATIVE);
    voice.written += bytes;
    drainWhenWritten(voice);
}

void PulseSoundPlayer::Impl::start(Voice& voice)
{
    voice.stage = Voice::Stage::Playing;
    if (pa_operation* op = pa_stream_cork(voice.stream, 0, nullptr, nullptr))
        pa_operation_unref(op);
    drainWhenWritten(voice);
}

// A voice that played to its end closes.
void PulseSoundPlayer::Impl::drainWhenWritten(Voice& voice)
{
    if (voice.stage != Voice::Stage::Playing || voice.draining || voice.written < voice.samples->bytes())
        return;
    voice.draining = true;
    if (pa_operation* op = pa_stream_drain(voice.stream, voicePlayedOut, &voice))
        pa_operation_unref(op);
}

void PulseSoundPlayer::Impl::voicePlayedOut(pa_stream*, int, void* voice)
{
    Voice& v = *static_cast<Voice*>(voice);
    v.player.close(v);
}

void PulseSoundPlayer::Impl::close(Voice& voice)
{
    pa_stream_set_state_callback(voice.stream, nullptr, nullptr);
    pa_stream_set_write_callback(voice.stream, nullptr, nullptr);
    if (online())
        pa_stream_disconnect(voice.stream);
    pa_stream_unref(voice.stream);
    voice.sound.voices.remove_if([&voice](const Voice& v) { return &v == &voice; });
}

void PulseSoundPlayer::Impl::closeSpareVoices()
{
    for (auto& [path, sound] : sounds)
        for (auto v = sound.voices.begin(); v != sound.voices.end();)
            if (v->stage == Voice::Stage::Playing)
                ++v;
            else
                close(*v++);
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
    Impl& p = *m_impl;
    LoopLock lock(p.loop);
    p.askedForReady();
    auto [found, added] = p.sounds.try_emplace(path);
    Impl::Sound& sound = found->second;
    if (added)
        sound.name = QFileInfo(QString::fromStdString(path)).fileName().toStdString();
    if (PA_CONTEXT_IS_GOOD(pa_context_get_state(p.context)))
        ++sound.waiting;
    if (sound.samples)
        p.arm(sound);
    else if (!sound.reading)
        p.startReading(path, sound);
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
