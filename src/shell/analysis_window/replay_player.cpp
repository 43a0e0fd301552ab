#include "shell/analysis_window/replay_player.h"

#include <utility>

namespace {

constexpr int frameInterval = 16;

}  // namespace

ReplayPlayer::ReplayPlayer(Show show, std::function<void()> ended) : m_show(std::move(show)), m_ended(std::move(ended))
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(frameInterval);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { showMoment(); });
}

void ReplayPlayer::play(const LoggedShot& shot)
{
    m_shot = shot;
    m_clock.start();
    m_timer.start();
    showMoment();
}

void ReplayPlayer::stop()
{
    m_timer.stop();
}

void ReplayPlayer::showMoment()
{
    const ReplayMoment moment = replayAt(m_shot, m_clock.elapsed());
    m_show(m_shot, moment);
    if (!moment.atShot)
        return;
    m_timer.stop();
    m_ended();
}
