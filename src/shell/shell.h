#pragma once

#include "shell/analysis_window/analysis_window_host.h"
#include "shell/main_window/main_window_widget.h"
#include "shell/target_window/target_window_host.h"
#include "shell/timer_driver.h"

class Simulator;
class SoundPlayer;

// The system on the screen, and the one place where what the user does meets the core: each view
// reports what the user did to which control, and the shell raises that control's event, which
// the core has bound to its handler. Every event, a user's or the clock's, takes one road: the
// timers catch up with the clock, the event is raised, every widget is brought up to date with
// the model, and the alarm is set for the next deadline.
class Shell {
public:
    Shell(Simulator& s, SoundPlayer& player);

    // The program's start-up, with the main window's outer width as it opens.
    void start();

private:
    class Event;

    MainWindowIntents mainWindowIntents();
    TargetWindowIntents targetWindowIntents();
    void sync();

    Simulator& m_s;
    SoundPlayer& m_player;
    TimerDriver m_clock;
    MainWindowWidget m_main;
    TargetWindowHost m_target;
    AnalysisWindowHost m_analysis;
    bool m_handlingEvent = false;
};
