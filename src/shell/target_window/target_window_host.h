#pragma once

#include "shell/target_window/target_window_widget.h"
#include "state/target_controls.h"

#include <memory>

// The target window on the screen: made, shown, raised and destroyed as the model's window is,
// and its controls kept equal to the model's. Each load of the model's window makes a fresh
// window in its load state, centred on the screen whether it is shown or loaded hidden.
class TargetWindowHost {
public:
    TargetWindowHost(const TargetWindow& proverka, TargetWindowIntents intents);
    ~TargetWindowHost();

    void sync();

private:
    struct Window;
    void load();

    const TargetWindow& m_proverka;
    TargetWindowIntents m_intents;
    std::unique_ptr<Window> m_window;
};
