#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

using Millis = std::int64_t;

class TimerQueue;

// A periodic timer. While enabled it ticks once every Interval; enabling it from disabled starts
// a fresh period from the present moment, enabling it while it runs changes nothing.
class Timer {
public:
    Timer(TimerQueue& queue, int interval, bool enabled);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    std::function<void()> onTimer;
    // While this says so, a tick would change nothing: the timer sets no deadline and wakes no
    // one, and the ticks it misses meanwhile come as one, at the next advance of the queue.
    std::function<bool()> idle;

private:
    friend class TimerQueue;
    TimerQueue& m_queue;
    int m_interval;
    bool m_enabled = false;
    Millis m_deadline = 0;
};

// Every timer of the program, advanced with the present time: by the shell from its clock, by the
// tests from a manual one. The same ticks come in the same order either way.
class TimerQueue {
public:
    Millis now() const { return m_now; }
    // The earliest deadline of a timer that is enabled and not idle.
    std::optional<Millis> nextDeadline() const;

    // Fires every tick due up to `now`, earliest first (timers due together in the order they
    // were made), each timer at most once: a timer that has fallen more than a period behind
    // skips the periods it missed, as a desktop timer coalesces its ticks.
    void advance(Millis now);

private:
    friend class Timer;
    Timer* nextDue(Millis limit, const std::vector<Timer*>& fired) const;

    std::vector<Timer*> m_timers;
    Millis m_now = 0;
};
