#include "platform/qt/sound/pulse_sound_player.h"

#include "platform/qt/sound/sound_file.h"

#include <QThreadPool>

#include <pulse/pulseaudio.h>
#include <unistd.h>

#include <map>
#include <optional>
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

class LoopLock {
public:
    explicit LoopLock(pa_threaded_mainloop* loop) : m_loop(loop) { pa_threaded_mainloop_lock(m_loop); }
    ~LoopLock() { pa_threaded_mainloop_unlock(m_loop); }
    LoopLock(const LoopLock&) = delete;
    LoopLock& operator=(const LoopLock&) = delete;

private:
    pa_threaded_mainloop* m_loop;
};

// A sound file by its path: the name of its sample once the server holds it, and until then the
// plays asked for.
struct CachedSound {
    std::string sample;
    int waiting = 0;
};

}  // namespace

// Everything but the reading thread runs on libpulse's own thread or under its lock.
struct PulseSoundPlayer::Impl {
    struct Upload {
        Impl& player;
        std::string path;
        std::string sample;
        std::vector<float> samples;
    };

    Impl();
    ~Impl();

    bool connecting() const;
    void read(const std::string& path);
    void upload(const std::string& path, std::optional<DecodedSound> sound);
    void playSample(const std::string& sample, int times);
    void removeSamples();

    static void forget(pa_stream* stream, Upload* job);
    static void contextChanged(pa_context* context, void* player);
    static void uploadChanged(pa_stream* stream, void* upload);
    static void sampleRemoved(pa_context* context, int success, void* player);
    static void closingTimeUp(pa_mainloop_api* api, pa_time_event* event, const timeval* at, void* player);

    pa_threaded_mainloop* loop = pa_threaded_mainloop_new();
    pa_context* context = pa_context_new(pa_threaded_mainloop_get_api(loop), "Стрелбище");
    pa_stream* keepAwake = nullptr;
    std::map<std::string, CachedSound> sounds;
    std::vector<std::string> samplesMade;
    bool closing = false;
    int removalsLeft = 0;
    bool timeUp = false;
    QThreadPool reader;
};

PulseSoundPlayer::Impl::Impl()
{
    reader.setMaxThreadCount(1);
    pa_context_set_state_callback(context, contextChanged, this);
    // Without a server the context fails at once or soon after, and every request is dropped.
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
        pa_context_disconnect(context);
        pa_context_unref(context);
    }
    pa_threaded_mainloop_stop(loop);
    pa_threaded_mainloop_free(loop);
}

bool PulseSoundPlayer::Impl::connecting() const
{
    const pa_context_state_t state = pa_context_get_state(context);
    return PA_CONTEXT_IS_GOOD(state) && state != PA_CONTEXT_READY;
}

// An output left idle for some seconds is suspended by the server, and a sound card woken again
// takes tens of milliseconds or loses the start of the sound. PipeWire also runs its output in
// periods as long as its clients let it, up to 2048 frames, and starts a sample at a period's
// start. A playback stream asking for 10 ms, open while the player is and never written to, keeps
// the output awake and its periods short, and wakes no thread of ours.
void PulseSoundPlayer::Impl::contextChanged(pa_context* context, void* player)
{
    Impl& self = *static_cast<Impl*>(player);
    if (pa_context_get_state(context) == PA_CONTEXT_READY && !self.keepAwake) {
        const pa_sample_spec spec{PA_SAMPLE_S16NE, 44100, 1};
        pa_buffer_attr buffer{};
        buffer.maxlength = buffer.prebuf = buffer.minreq = buffer.fragsize = static_cast<std::uint32_t>(-1);
        buffer.tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(10 * PA_USEC_PER_MSEC, &spec));
        self.keepAwake = pa_stream_new(context, "Изстрели", &spec, nullptr);
        if (self.keepAwake)
            pa_stream_connect_playback(self.keepAwake, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr);
    }
    pa_threaded_mainloop_signal(self.loop, 0);
}

void PulseSoundPlayer::Impl::read(const std::string& path)
{
    std::optional<DecodedSound> sound = readSoundFile(path);
    LoopLock lock(loop);
    while (!closing && connecting())
        pa_threaded_mainloop_wait(loop);
    upload(path, std::move(sound));
}

// Starts the upload of a sound read as a sample of a name no other player uses; a sound the server
// cannot take is forgotten, to be read again at its next request.
void PulseSoundPlayer::Impl::upload(const std::string& path, std::optional<DecodedSound> sound)
{
    pa_sample_spec spec{};
    pa_channel_map channels{};
    if (sound && sound->channels <= static_cast<int>(PA_CHANNELS_MAX)) {
        spec = {PA_SAMPLE_FLOAT32NE, static_cast<std::uint32_t>(sound->rate),
                static_cast<std::uint8_t>(sound->channels)};
        pa_channel_map_init_extend(&channels, spec.channels, PA_CHANNEL_MAP_WAVEEX);
    }
    if (closing || pa_context_get_state(context) != PA_CONTEXT_READY || !pa_sample_spec_valid(&spec)) {
        sounds.erase(path);
        return;
    }
    std::string sample = "strelbishte-" + std::to_string(getpid()) + "-" + std::to_string(samplesMade.size() + 1);
    pa_stream* stream = pa_stream_new(context, sample.c_str(), &spec, &channels);
    if (!stream) {
        sounds.erase(path);
        return;
    }
    const std::size_t silence = static_cast<std::size_t>(sound->rate) * silenceAfterMilliseconds / 1000;
    sound->samples.resize(sound->samples.size() + silence * spec.channels);
    const std::size_t bytes = sound->samples.size() * sizeof(float);
    auto* job = new Upload{*this, path, sample, std::move(sound->samples)};
    pa_stream_set_state_callback(stream, uploadChanged, job);
    samplesMade.push_back(std::move(sample));
    // A sound too large for the server's cache comes back as a failed stream.
    if (pa_stream_connect_upload(stream, bytes) < 0) {
        sounds.erase(path);
        forget(stream, job);
    }
}

void PulseSoundPlayer::Impl::forget(pa_stream* stream, Upload* job)
{
    pa_stream_set_state_callback(stream, nullptr, nullptr);
    pa_stream_unref(stream);
    delete job;
}

void PulseSoundPlayer::Impl::uploadChanged(pa_stream* stream, void* upload)
{
    auto* job = static_cast<Upload*>(upload);
    Impl& self = job->player;
    switch (pa_stream_get_state(stream)) {
    case PA_STREAM_READY:
        if (self.closing) {
            pa_stream_disconnect(stream);
            return;
        }
        pa_stream_write(stream, job->samples.data(), job->samples.size() * sizeof(float), nullptr, 0, PA_SEEK_RELATIVE);
        pa_stream_finish_upload(stream);
        job->samples = {};
        return;
    case PA_STREAM_TERMINATED:
        if (!self.closing) {
            CachedSound& sound = self.sounds[job->path];
            sound.sample = job->sample;
            self.playSample(sound.sample, sound.waiting);
            sound.waiting = 0;
        }
        break;
    case PA_STREAM_FAILED:
        self.sounds.erase(job->path);
        break;
    default:
        return;
    }
    forget(stream, job);
}

void PulseSoundPlayer::Impl::playSample(const std::string& sample, int times)
{
    for (int k = 0; k < times; ++k)
        if (pa_operation* op =
                pa_context_play_sample(context, sample.c_str(), nullptr, PA_VOLUME_INVALID, nullptr, nullptr))
            pa_operation_unref(op);
}

// The server's cache belongs to no client: what is not removed stays until the server ends.
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

PulseSoundPlayer::PulseSoundPlayer() : m_impl(std::make_unique<Impl>()) {}

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

void PulseSoundPlayer::play(const std::string& path)
{
    Impl& p = *m_impl;
    LoopLock lock(p.loop);
    if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(p.context)))
        return;
    const auto [sound, first] = p.sounds.try_emplace(path);
    if (!sound->second.sample.empty()) {
        p.playSample(sound->second.sample, 1);
        return;
    }
    ++sound->second.waiting;
    if (first)
        p.reader.start([&p, path] { p.read(path); });
}
