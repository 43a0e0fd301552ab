#pragma once

#include "platform/qt/main_window_view.h"
#include "platform/qt/target_window_view.h"
#include "platform/qt/timer_driver.h"

#include <functional>

class Simulator;

// The system on the screen: both windows and the clock, wired to the handlers. Every event, a
// user's or the clock's, takes one road: the timers catch up with the clock, the handler runs,
// every widget is brought up to date with the model, and the alarm is set for the next deadline.
class Shell {
public:
    explicit Shell(Simulator& s);

    // Start-up as the system does it: Form_Load, then the main window is shown.
    void start();
    void dispatch(const std::function<void()>& handler);

    MainWindowView& mainWindow() { return m_main; }

private:
    MainWindowInput mainWindowInput();
    void sync();

    Simulator& m_s;
    TimerDriver m_clock;
    MainWindowView m_main;
    TargetWindowView m_target;
    bool m_dispatching = false;
};
