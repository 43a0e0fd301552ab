#pragma once

#include "analysis/shot_replay.h"

#include <QElapsedTimer>
#include <QTimer>

#include <functional>

// Plays a shot's last two seconds back in real time, about 60 moments a second, from its own copy
// of the shot: it reads the log only and wakes nothing while it is not playing. It shows the last
// moment, the shot's, and then calls `ended`.
class ReplayPlayer {
public:
    using Show = std::function<void(const LoggedShot& shot, const ReplayMoment& moment)>;
    ReplayPlayer(Show show, std::function<void()> ended);

    void play(const LoggedShot& shot);
    void stop();

private:
    void showMoment();

    Show m_show;
    std::function<void()> m_ended;
    LoggedShot m_shot;
    QTimer m_timer;
    QElapsedTimer m_clock;
};
