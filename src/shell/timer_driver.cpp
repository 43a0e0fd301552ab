#include "shell/timer_driver.h"

#include <algorithm>
#include <utility>

TimerDriver::TimerDriver(std::function<void()> onWake)
{
    m_alarm.setSingleShot(true);
    m_alarm.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_alarm, &QTimer::timeout, std::move(onWake));
    m_clock.start();
}

void TimerDriver::armAt(std::optional<Millis> deadline)
{
    if (!deadline) {
        m_alarm.stop();
        return;
    }
    m_alarm.start(static_cast<int>(std::max<Millis>(*deadline - now(), 0)));
}
