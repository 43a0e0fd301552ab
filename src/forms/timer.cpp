#include "forms/timer.h"

#include <algorithm>
#include <cassert>

Timer::Timer(TimerQueue& queue, int interval, bool enabled) : m_queue(queue), m_interval(interval)
{
    assert(interval > 0);
    m_queue.m_timers.push_back(this);
    setEnabled(enabled);
}

Timer::~Timer()
{
    std::erase(m_queue.m_timers, this);
}

void Timer::setEnabled(bool enabled)
{
    if (enabled && !m_enabled)
        m_deadline = m_queue.now() + m_interval;
    m_enabled = enabled;
}

std::optional<Millis> TimerQueue::nextDeadline() const
{
    std::optional<Millis> next;
    for (const Timer* t : m_timers)
        if (t->m_enabled && (!next || t->m_deadline < *next) && !(t->idle && t->idle()))
            next = t->m_deadline;
    return next;
}

Timer* TimerQueue::nextDue(Millis limit, const std::vector<Timer*>& fired) const
{
    Timer* due = nullptr;
    for (Timer* t : m_timers)
        if (t->m_enabled && t->m_deadline <= limit && (!due || t->m_deadline < due->m_deadline) &&
            std::find(fired.begin(), fired.end(), t) == fired.end())
            due = t;
    return due;
}

void TimerQueue::advance(Millis now)
{
    if (now < m_now)
        return;
    std::vector<Timer*> fired;
    while (Timer* t = nextDue(now, fired)) {
        fired.push_back(t);
        m_now = t->m_deadline;
        t->m_deadline += t->m_interval;
        if (t->m_deadline <= now)
            t->m_deadline += (now - t->m_deadline) / t->m_interval * t->m_interval + t->m_interval;
        if (t->onTimer)
            t->onTimer();
    }
    m_now = now;
}
