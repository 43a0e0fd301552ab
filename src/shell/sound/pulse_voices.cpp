#include "shell/sound/pulse_player_impl.h"
#include "shell/sound/pulse_streams.h"

#include <algorithm>
#include <utility>

// A file that cannot be played is forgotten, to be read again at its next request.
void PulseSoundPlayer::Impl::fileRead(const std::string& path, std::shared_ptr<const PlayableSound> samples)
{
    const auto sound = sounds.find(path);
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
    if (!connection.online() || !sound.samples)
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
    for (const int wanted = sound.waiting + (connection.ready() ? 1 : 0); spare < wanted; ++spare)
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
    const PlayableSound& samples = *sound.samples;
    pa_stream* stream = connection.newStream(sound.name, samples.spec, &samples.channels);
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
    closeStream(voice.stream);
    voice.sound.voices.remove_if([&voice](const Voice& v) { return &v == &voice; });
}

// What they play or were armed for goes with them.
void PulseSoundPlayer::Impl::closeAll()
{
    for (auto& [path, sound] : sounds) {
        while (!sound.voices.empty())
            close(sound.voices.front());
        sound.waiting = 0;
    }
}

void PulseSoundPlayer::Impl::closeSpare()
{
    for (auto& [path, sound] : sounds)
        for (auto v = sound.voices.begin(); v != sound.voices.end();)
            if (v->stage == Voice::Stage::Playing)
                ++v;
            else
                close(*v++);
}
