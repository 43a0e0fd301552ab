#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

// Geometry of any control, in its container's scale, stored exactly as assigned.
struct Control {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    bool Visible = true;
};

// A text box; its change notification fires whenever the text takes a new value, whether the
// program writes it or the user types it.
class TextBox : public Control {
public:
    const std::string& text() const { return m_text; }
    void setText(std::string text)
    {
        if (text == m_text)
            return;
        m_text = std::move(text);
        if (onChange)
            onChange();
    }

    std::function<void()> onChange;

private:
    std::string m_text;
};

// A scroll bar with a 16-bit value kept inside its range; moving it raises the change notification.
class ScrollBar : public Control {
public:
    std::int16_t Min = 0;
    std::int16_t Max = 32767;
    std::int16_t SmallChange = 1;
    std::int16_t LargeChange = 1;

    std::int16_t value() const { return m_value; }
    void setValue(int value)
    {
        const auto kept = static_cast<std::int16_t>(value < Min ? Min : value > Max ? Max : value);
        if (kept == m_value)
            return;
        m_value = kept;
        if (onChange)
            onChange();
    }

    std::function<void()> onChange;

private:
    std::int16_t m_value = 0;
};

// What the pointer does over a control, in the control's own scale: Button 1 left, 2 right, 4
// middle; Shift 1 shift, 2 ctrl, 4 alt.
struct PointerEvents {
    std::function<void(int Button, int Shift, float X, float Y)> onMouseMove;
    std::function<void(int Button, int Shift, float X, float Y)> onMouseDown;
    std::function<void()> onClick;

    void mouseMove(int Button, int Shift, float X, float Y)
    {
        if (onMouseMove)
            onMouseMove(Button, Shift, X, Y);
    }
    void mouseDown(int Button, int Shift, float X, float Y)
    {
        if (onMouseDown)
            onMouseDown(Button, Shift, X, Y);
    }
    void click()
    {
        if (onClick)
            onClick();
    }
};

struct Button : Control {
    std::string Caption;
    std::function<void()> onClick;

    void click()
    {
        if (onClick)
            onClick();
    }
};
