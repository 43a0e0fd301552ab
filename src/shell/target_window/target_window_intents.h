#pragma once

#include <functional>
#include <string>

class ScrollBar;
class TextBox;
struct TargetControls;

// What the user does to the target window: clicks it, closes it through the window manager,
// types into one of its text boxes, moves one of its bars.
struct TargetWindowIntents {
    std::function<void()> clicked;
    std::function<void()> closed;
    std::function<void(TextBox TargetControls::*, std::string text)> typed;
    std::function<void(ScrollBar TargetControls::*, int value)> movedBar;
};
