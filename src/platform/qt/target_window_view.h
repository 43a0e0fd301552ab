#pragma once

#include "platform/qt/event_dispatch.h"

#include <memory>

class Simulator;
class TargetWindowWidget;

// The target window on the screen: made, shown, raised and destroyed as the model's window is,
// and its controls kept equal to the model's. Each load of the model's window makes a fresh
// window in its load state, centred on the screen whether it is shown or loaded hidden.
class TargetWindowView {
public:
    TargetWindowView(Simulator& s, EventDispatch dispatch);
    ~TargetWindowView();

    void sync();

    // The window while the model's is loaded, otherwise null.
    TargetWindowWidget* window() const;

private:
    struct Window;
    void load();

    Simulator& m_s;
    EventDispatch m_dispatch;
    std::unique_ptr<Window> m_window;
};
