#pragma once

#include "forms/control.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

// An item of a button's menu: its caption, whether the menu lists it, and the event of choosing it.
struct MenuItem {
    explicit MenuItem(std::string caption, bool visible = true) : Caption(std::move(caption)), Visible(visible) {}

    std::string Caption;
    bool Visible;
    std::function<void()> onClick;

    void click()
    {
        if (onClick)
            onClick();
    }
};

// A button that opens a menu of its items, listed in their order; choosing one raises its click.
struct MenuButton : Control {
    std::string Caption;
    std::vector<MenuItem> items;
};
