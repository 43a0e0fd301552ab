#pragma once

#include "forms/control.h"

#include <cstddef>
#include <functional>
#include <string>

class MainWindow;
struct MenuButton;

// What the pointer does on the range view, in the system's terms: Button 1 left, 2 right, 4
// middle; Shift 1 shift, 2 ctrl, 4 alt; X, Y the pixel under the pointer.
struct RangeIntents {
    std::function<void(int Button, int Shift, float X, float Y)> movedPointer;
    std::function<void(int Button, int Shift, float X, float Y)> pressedButton;
    std::function<void()> clicked;
};

// What the user does to the main window's controls: presses one of its buttons, chooses an item
// of a button's menu, types into the score box i(k).
struct ControlIntents {
    std::function<void(Button MainWindow::*)> pressed;
    std::function<void(MenuButton MainWindow::*, std::size_t item)> chose;
    std::function<void(int k, std::string text)> typed;
};

// What the user does to the main window: resizes it (its outer width in pixels), closes it, uses
// its controls and the range view.
struct MainWindowIntents {
    std::function<void(int outerWidth)> resized;
    std::function<void()> closed;
    std::function<void()> minimised;
    ControlIntents controls;
    RangeIntents range;
};
