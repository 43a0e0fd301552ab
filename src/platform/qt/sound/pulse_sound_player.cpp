#include "platform/qt/sound/pulse_sound_player.h"

#include "platform/qt/sound/sound_file.h"

#include <QThreadPool>

#include <pulse/pulseaudio.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// Time the player gets at the end to finish reading a file and to take its samples out of the
// server's cache; a server that stopped answering keeps them.
constexpr int closingMilliseconds = 2000;

// Silence after each sound in its sample. PipeWire's server (0.3.65 in Debian 12) drops the last
// period of a sample it plays, up to its longest of 2048 frames at 48 kHz; the silence is what it
// drops.
constexpr int silenceAfterMilliseconds = 50;

constexpr pa_usec_t reconnectEvery = 500 * PA_USEC_PER_MSEC;

const std::string samplePrefix = "strelbishte-";

class LoopLock {
public:
    explicit LoopLock(pa_threaded_mainloop* loop) : m_loop(loop) { pa_threaded_mainloop_lock(m_loop); }
    ~LoopLock() { pa_threaded_mainloop_unlock(m_loop); }
    LoopLock(const LoopLock&) = delete;
    LoopLock& operator=(const LoopLock&) = delete;

private:
    pa_threaded_mainloop* m_loop;
};

// The program as the server and its mixers show it: on its connection, and on each sound it plays,
// which the server mixes as a stream of no client's.
pa_proplist* identity()
{
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, "Стрелбище");
    pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, "bg.strelbishte.strelbishte");
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
    return properties;
}

// The process id in the name of a sample that a player made, or nothing for any other sample.
std::optional<std::string> makerOf(const std::string& sample)
{
    if (sample.rfind(samplePrefix, 0) != 0)
        return std::nullopt;
    const std::size_t dash = sample.find('-', samplePrefix.size());
    if (dash == std::string::npos || dash == samplePrefix.size())
        return std::nullopt;
    std::string pid = sample.substr(samplePrefix.size(), dash - samplePrefix.size());
    if (!std::all_of(pid.begin(), pid.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return pid;
}

}  // namespace

// Everything but the reading thread runs on libpulse's own thread or under its lock.
struct PulseSoundPlayer::Impl {
    struct Upload {
        Impl& player;
        std::string path;
        pa_stream* stream;
        std::vector<float> samples;
    };

    // A sound file by its path. The server of the current connection holds it as `sample` once
    // `held`; until then the plays asked for wait.
    struct Sound {
        std::string sample;
        bool reading = false;
        Upload* upload = nullptr;
        bool held = false;
        int waiting = 0;
    };

    explicit Impl(pa_usec_t readyFor);
    ~Impl();

    void startContext();
    void connected();
    void lost();
    void startReading(const std::string& path, Sound& sound);
    void read(const std::string& path);
    bool upload(const std::string& path, Sound& sound, DecodedSound decoded);
    void forget(Sound& sound);
    void playSample(const std::string& sample, int times);
    void askedForReady();
    void openKeepAwake();
    void closeKeepAwake();
    void removeStaleSamples();
    void removeSamples();

    static void contextChanged(pa_context* context, void* player);
    static void reconnectDue(pa_mainloop_api* api, pa_time_event* event, const timeval* at, void* player);
    static void restDue(pa_mainloop_api* api, pa_time_event* event, const timeval* at, void* player);
    static void uploadChanged(pa_stream* stream, void* upload);
    static void sampleListed(pa_context* context, const pa_sample_info* info, int end, void* player);
    static void clientListed(pa_context* context, const pa_client_info* info, int end, void* player);
    static void sampleRemoved(pa_context* context, int success, void* player);
    static void closingTimeUp(pa_mainloop_api* api, pa_time_event* event, const timeval* at, void* player);

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
    std::vector<std::string> samplesMade;
    std::vector<std::pair<std::string, std::string>> playerSamples;  // name and maker, as listed
    std::set<std::string> clientProcesses;
    bool closing = false;
    int removalsLeft = 0;
    bool timeUp = false;
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

PulseSoundPlayer::Impl::~Impl()
{
    {
        LoopLock lock(loop);
        removeSamples();
        if (keepAwake)
            pa_stream_unref(std::exchange(keepAwake, nullptr));
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
    pa_threaded_mainloop_signal(self.loop, 0);
}

// The server gets every sound asked for so far, whether or not it held them before: a server that
// came back has an empty cache.
void PulseSoundPlayer::Impl::connected()
{
    removeStaleSamples();
    for (auto& [path, sound] : sounds)
        if (!sound.reading)
            startReading(path, sound);
    if (ready)
        openKeepAwake();
}

// What the lost connection held goes with it; its streams fail after this, unheard.
void PulseSoundPlayer::Impl::lost()
{
    for (auto& [path, sound] : sounds) {
        if (sound.upload)
            forget(sound);
        sound.held = false;
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

// A sound read while there is no connection is dropped, to be read again at the next one.
void PulseSoundPlayer::Impl::read(const std::string& path)
{
    std::optional<DecodedSound> decoded = readSoundFile(path);
    LoopLock lock(loop);
    if (closing)
        return;
    const auto sound = sounds.find(path);
    sound->second.reading = false;
    const bool online = pa_context_get_state(context) == PA_CONTEXT_READY;
    if (!decoded || (online && !upload(path, sound->second, std::move(*decoded))))
        sounds.erase(sound);
}

// Starts the upload of a sound read, as a sample of a name no other player uses, the same for
// that sound on every connection; false for a sound the server cannot take, which is forgotten, to
// be read again at its next request.
bool PulseSoundPlayer::Impl::upload(const std::string& path, Sound& sound, DecodedSound decoded)
{
    pa_sample_spec spec{};
    pa_channel_map channels{};
    if (decoded.channels <= static_cast<int>(PA_CHANNELS_MAX)) {
        spec = {PA_SAMPLE_FLOAT32NE, static_cast<std::uint32_t>(decoded.rate),
                static_cast<std::uint8_t>(decoded.channels)};
        pa_channel_map_init_extend(&channels, spec.channels, PA_CHANNEL_MAP_WAVEEX);
    }
    if (!pa_sample_spec_valid(&spec))
        return false;
    if (sound.sample.empty()) {
        sound.sample = samplePrefix + std::to_string(getpid()) + "-" + std::to_string(samplesMade.size() + 1);
        samplesMade.push_back(sound.sample);
    }
    pa_stream* stream = pa_stream_new(context, sound.sample.c_str(), &spec, &channels);
    if (!stream)
        return false;
    const std::size_t silence = static_cast<std::size_t>(decoded.rate) * silenceAfterMilliseconds / 1000;
    decoded.samples.resize(decoded.samples.size() + silence * spec.channels);
    const std::size_t bytes = decoded.samples.size() * sizeof(float);
    sound.upload = new Upload{*this, path, stream, std::move(decoded.samples)};
    pa_stream_set_state_callback(stream, uploadChanged, sound.upload);
    // A sound too large for the server's cache comes back as a failed stream.
    if (pa_stream_connect_upload(stream, bytes) < 0) {
        forget(sound);
        return false;
    }
    return true;
}

void PulseSoundPlayer::Impl::forget(Sound& sound)
{
    Upload* job = std::exchange(sound.upload, nullptr);
    pa_stream_set_state_callback(job->stream, nullptr, nullptr);
    pa_stream_unref(job->stream);
    delete job;
}

void PulseSoundPlayer::Impl::uploadChanged(pa_stream* stream, void* upload)
{
    auto* job = static_cast<Upload*>(upload);
    Impl& self = job->player;
    const pa_stream_state_t state = pa_stream_get_state(stream);
    if (state == PA_STREAM_READY) {
        if (self.closing) {
            pa_stream_disconnect(stream);
            return;
        }
        pa_stream_write(stream, job->samples.data(), job->samples.size() * sizeof(float), nullptr, 0, PA_SEEK_RELATIVE);
        pa_stream_finish_upload(stream);
        job->samples = {};
        return;
    }
    if (state != PA_STREAM_TERMINATED && state != PA_STREAM_FAILED)
        return;
    const auto sound = self.sounds.find(job->path);
    self.forget(sound->second);
    if (self.closing)
        return;
    if (state == PA_STREAM_FAILED) {
        self.sounds.erase(sound);
        return;
    }
    sound->second.held = true;
    self.playSample(sound->second.sample, std::exchange(sound->second.waiting, 0));
}

void PulseSoundPlayer::Impl::playSample(const std::string& sample, int times)
{
    for (int k = 0; k < times; ++k)
        if (pa_operation* op = pa_context_play_sample_with_proplist(context, sample.c_str(), nullptr, PA_VOLUME_INVALID,
                                                                    properties, nullptr, nullptr))
            pa_operation_unref(op);
}

// The countdown to rest is one timer, moved on only when it comes due: asking again costs no
// wakeup.
void PulseSoundPlayer::Impl::askedForReady()
{
    lastAskedForReady = pa_rtclock_now();
    if (!ready) {
        ready = true;
        pa_context_rttime_restart(context, restTimer, lastAskedForReady + readyFor);
    }
    openKeepAwake();
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
}

// An output left idle for some seconds is suspended by the server, and a sound card woken again
// takes tens of milliseconds or loses the start of the sound. PipeWire also runs its output in
// periods as long as its clients let it, up to 2048 frames, and starts a sample at a period's
// start. A playback stream asking for 10 ms, never written to, keeps the output awake and its
// periods short, and wakes no thread of ours; the server's, though, wake for every period.
void PulseSoundPlayer::Impl::openKeepAwake()
{
    if (keepAwake || pa_context_get_state(context) != PA_CONTEXT_READY)
        return;
    const pa_sample_spec spec{PA_SAMPLE_S16NE, 44100, 1};
    pa_buffer_attr buffer{};
    buffer.maxlength = buffer.prebuf = buffer.minreq = buffer.fragsize = static_cast<std::uint32_t>(-1);
    buffer.tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(10 * PA_USEC_PER_MSEC, &spec));
    keepAwake = pa_stream_new(context, "Изстрели", &spec, nullptr);
    if (keepAwake)
        pa_stream_connect_playback(keepAwake, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr);
}

void PulseSoundPlayer::Impl::closeKeepAwake()
{
    if (!keepAwake)
        return;
    pa_stream_disconnect(keepAwake);
    pa_stream_unref(std::exchange(keepAwake, nullptr));
}

// The server's cache belongs to no client, and a player that was killed left its samples there.
// Those named after a process that no client of the server is go; another player that runs keeps
// its own. The samples are listed before the clients, so that a player that connects meanwhile
// shows among the clients.
void PulseSoundPlayer::Impl::removeStaleSamples()
{
    playerSamples.clear();
    clientProcesses.clear();
    if (pa_operation* op = pa_context_get_sample_info_list(context, sampleListed, this))
        pa_operation_unref(op);
    if (pa_operation* op = pa_context_get_client_info_list(context, clientListed, this))
        pa_operation_unref(op);
}

void PulseSoundPlayer::Impl::sampleListed(pa_context*, const pa_sample_info* info, int end, void* player)
{
    Impl& self = *static_cast<Impl*>(player);
    if (end < 0)
        self.playerSamples.clear();
    else if (end == 0 && info->name)
        if (std::optional<std::string> maker = makerOf(info->name))
            self.playerSamples.emplace_back(info->name, std::move(*maker));
}

void PulseSoundPlayer::Impl::clientListed(pa_context* context, const pa_client_info* info, int end, void* player)
{
    Impl& self = *static_cast<Impl*>(player);
    if (end == 0) {
        if (const char* process = pa_proplist_gets(info->proplist, PA_PROP_APPLICATION_PROCESS_ID))
            self.clientProcesses.insert(process);
        return;
    }
    if (end > 0)
        for (const auto& [sample, maker] : self.playerSamples)
            if (!self.clientProcesses.contains(maker))
                if (pa_operation* op = pa_context_remove_sample(context, sample.c_str(), nullptr, nullptr))
                    pa_operation_unref(op);
    self.playerSamples.clear();
    self.clientProcesses.clear();
}

// Sounds still playing from a sample play on to their ends.
void PulseSoundPlayer::Impl::removeSamples()
{
    if (pa_context_get_state(context) != PA_CONTEXT_READY)
        return;
    for (const std::string& sample : samplesMade)
        if (pa_operation* op = pa_context_remove_sample(context, sample.c_str(), sampleRemoved, this)) {
            ++removalsLeft;
            pa_operation_unref(op);
        }
    if (removalsLeft == 0)
        return;
    pa_time_event* deadline =
        pa_context_rttime_new(context, pa_rtclock_now() + closingMilliseconds * PA_USEC_PER_MSEC, closingTimeUp, this);
    while (removalsLeft > 0 && !timeUp && pa_context_get_state(context) == PA_CONTEXT_READY)
        pa_threaded_mainloop_wait(loop);
    pa_threaded_mainloop_get_api(loop)->time_free(deadline);
}

void PulseSoundPlayer::Impl::sampleRemoved(pa_context*, int, void* player)
{
    Impl& self = *static_cast<Impl*>(player);
    --self.removalsLeft;
    pa_threaded_mainloop_signal(self.loop, 0);
}

void PulseSoundPlayer::Impl::closingTimeUp(pa_mainloop_api*, pa_time_event*, const timeval*, void* player)
{
    Impl& self = *static_cast<Impl*>(player);
    self.timeUp = true;
    pa_threaded_mainloop_signal(self.loop, 0);
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
        pa_threaded_mainloop_signal(m_impl->loop, 0);
    }
    m_impl->reader.clear();
    // A file that reads for longer keeps its thread, and the program ends without it rather than
    // wait.
    if (!m_impl->reader.waitForDone(closingMilliseconds))
        static_cast<void>(m_impl.release());
}

// A sound asked for while there is no server is only noted, to be read once there is one; the play
// itself is dropped.
void PulseSoundPlayer::play(const std::string& path)
{
    Impl& p = *m_impl;
    LoopLock lock(p.loop);
    p.askedForReady();
    Impl::Sound& sound = p.sounds[path];
    if (sound.held) {
        p.playSample(sound.sample, 1);
        return;
    }
    const pa_context_state_t state = pa_context_get_state(p.context);
    if (PA_CONTEXT_IS_GOOD(state))
        ++sound.waiting;
    if (state == PA_CONTEXT_READY && !sound.reading && !sound.upload)
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
}
