#pragma once

#include "shell/sound/pulse_loop.h"

#include <pulse/mainloop-api.h>
#include <pulse/sample.h>

#include <functional>

// A timer on libpulse's thread: due once, at a moment of pa_rtclock_now()'s clock, or stopped.
// Set and stopped under the loop's lock. A timer the loop could not make never comes due.
class LoopTimer {
public:
    LoopTimer(PulseLoop& loop, std::function<void()> due);
    ~LoopTimer();
    LoopTimer(const LoopTimer&) = delete;
    LoopTimer& operator=(const LoopTimer&) = delete;

    void dueAt(pa_usec_t at);
    void stop();

private:
    static void fire(pa_mainloop_api* api, pa_time_event* event, const timeval* at, void* timer);

    pa_mainloop_api* m_api;
    std::function<void()> m_due;
    pa_time_event* m_event;
};
