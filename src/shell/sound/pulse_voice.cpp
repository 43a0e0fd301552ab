#include "shell/sound/pulse_voice.h"

#include "shell/sound/pulse_streams.h"

#include <algorithm>
#include <utility>

Voice::Voice(Owner& owner, std::shared_ptr<const PlayableSound> sound) : m_owner(owner), m_sound(std::move(sound)) {}

// A voice closed while it drains is told nothing more of its drain.
Voice::~Voice()
{
    if (m_draining) {
        pa_operation_cancel(m_draining);
        pa_operation_unref(m_draining);
    }
    if (!m_stream)
        return;
    pa_stream_set_state_callback(m_stream, nullptr, nullptr);
    pa_stream_set_write_callback(m_stream, nullptr, nullptr);
    closeStream(m_stream);
}

bool Voice::open(const PulseConnection& connection, const std::string& name)
{
    m_stream = connection.newStream(name, m_sound->sampling, &m_sound->channels);
    if (!m_stream)
        return false;
    pa_stream_set_state_callback(m_stream, changed, this);
    pa_stream_set_write_callback(m_stream, wants, this);
    const pa_buffer_attr buffer = shortPeriods(m_sound->sampling);
    return pa_stream_connect_playback(m_stream, nullptr, &buffer,
                                      static_cast<pa_stream_flags_t>(PA_STREAM_START_CORKED | PA_STREAM_ADJUST_LATENCY),
                                      nullptr, nullptr) >= 0;
}

bool Voice::play()
{
    m_stage = Stage::Playing;
    pa_operation* uncorking = pa_stream_cork(m_stream, 0, nullptr, nullptr);
    if (!uncorking)
        return false;
    pa_operation_unref(uncorking);
    return drainWhenWritten();
}

// A voice is filled as far as its stream holds while it is armed, and on as the server asks
// while it plays. One whose stream cannot take its sound ends.
void Voice::changed(pa_stream* stream, void* voice)
{
    Voice& self = *static_cast<Voice*>(voice);
    switch (pa_stream_get_state(stream)) {
    case PA_STREAM_READY: {
        const pa_buffer_attr* buffer = pa_stream_get_buffer_attr(stream);
        if (!buffer || !self.fill(buffer->maxlength)) {
            self.m_owner.ended(self);
            return;
        }
        self.m_stage = Stage::Armed;
        self.m_owner.armed(self);
        break;
    }
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED:
        self.m_owner.ended(self);
        break;
    default:
        break;
    }
}

void Voice::wants(pa_stream*, std::size_t bytes, void* voice)
{
    Voice& self = *static_cast<Voice*>(voice);
    if (self.m_stage == Stage::Playing && !self.fill(bytes))
        self.m_owner.ended(self);
}

bool Voice::fill(std::size_t most)
{
    const std::size_t bytes = std::min(most, m_sound->bytes() - m_written);
    if (bytes == 0)
        return true;
    if (pa_stream_write(m_stream, reinterpret_cast<const char*>(m_sound->samples.data()) + m_written, bytes, nullptr, 0,
                        PA_SEEK_RELATIVE) < 0)
        return false;
    m_written += bytes;
    return drainWhenWritten();
}

// A voice that played to its end ends.
bool Voice::drainWhenWritten()
{
    if (m_stage != Stage::Playing || m_draining || m_written < m_sound->bytes())
        return true;
    m_draining = pa_stream_drain(m_stream, playedOut, this);
    return m_draining != nullptr;
}

void Voice::playedOut(pa_stream*, int, void* voice)
{
    Voice& self = *static_cast<Voice*>(voice);
    pa_operation_unref(std::exchange(self.m_draining, nullptr));
    self.m_owner.ended(self);
}
