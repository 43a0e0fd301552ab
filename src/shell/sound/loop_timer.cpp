#include "shell/sound/loop_timer.h"

#include <pulse/rtclock.h>
#include <pulse/timeval.h>

#include <utility>

LoopTimer::LoopTimer(PulseLoop& loop, std::function<void()> due)
    : m_api(loop.api()), m_due(std::move(due)), m_event(m_api->time_new(m_api, nullptr, fire, this))
{
}

LoopTimer::~LoopTimer()
{
    if (m_event)
        m_api->time_free(m_event);
}

// The loop takes the moment as a time of day, and turns it back into one of its own clock at once.
void LoopTimer::dueAt(pa_usec_t at)
{
    if (!m_event)
        return;
    const pa_usec_t now = pa_rtclock_now();
    timeval when{};
    pa_timeval_add(pa_gettimeofday(&when), at > now ? at - now : 0);
    m_api->time_restart(m_event, &when);
}

void LoopTimer::stop()
{
    if (m_event)
        m_api->time_restart(m_event, nullptr);
}

void LoopTimer::fire(pa_mainloop_api*, pa_time_event*, const timeval*, void* timer)
{
    static_cast<LoopTimer*>(timer)->m_due();
}
