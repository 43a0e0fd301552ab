#pragma once

#include "forms/timer.h"

#include <QElapsedTimer>
#include <QTimer>

#include <functional>
#include <optional>

// The program's clock and its one alarm: milliseconds since the driver was made, and a wake-up
// at the next deadline of the timer queue.
class TimerDriver {
public:
    explicit TimerDriver(std::function<void()> onWake);

    Millis now() const { return m_clock.elapsed(); }
    // Wakes at the deadline, at once if it has passed; without one, sleeps until armed again.
    void armAt(std::optional<Millis> deadline);

private:
    QElapsedTimer m_clock;
    QTimer m_alarm;
};
