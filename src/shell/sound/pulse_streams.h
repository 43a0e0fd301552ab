#pragma once

#include <pulse/sample.h>
#include <pulse/stream.h>
#include <pulse/timeval.h>

#include <cstdint>

// What a playback stream asks of the output: short periods, so that a shot starts within one of
// them.
inline pa_buffer_attr shortPeriods(const pa_sample_spec& sampling)
{
    pa_buffer_attr buffer{};
    buffer.maxlength = buffer.prebuf = buffer.minreq = buffer.fragsize = static_cast<std::uint32_t>(-1);
    buffer.tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(10 * PA_USEC_PER_MSEC, &sampling));
    return buffer;
}

// Takes a stream off its server, if it got onto one, and lets it go. Taking it off fails where its
// connection has failed already and taken its streams along: nothing is left to do then.
inline void closeStream(pa_stream* stream)
{
    if (PA_STREAM_IS_GOOD(pa_stream_get_state(stream)))
        pa_stream_disconnect(stream);
    pa_stream_unref(stream);
}
