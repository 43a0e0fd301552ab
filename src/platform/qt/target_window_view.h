#pragma once

#include "platform/qt/event_dispatch.h"

#include <memory>

class Simulator;

// The target window on the screen: made, shown, raised and destroyed as the model's window is,
// and its controls kept equal to the model's.
class TargetWindowView {
public:
    TargetWindowView(Simulator& s, EventDispatch dispatch);
    ~TargetWindowView();

    void sync();

private:
    struct Window;
    Simulator& m_s;
    EventDispatch m_dispatch;
    std::unique_ptr<Window> m_window;
};
