#pragma once

#include "forms/control.h"
#include "forms/form.h"

#include <array>
#include <string>

// The controls of the target window proverka, in its scale of millimetres, at their load state.
// The face picture and the four arrows are design pictures that only the view draws.
struct TargetControls {
    TargetControls();

    Control& dum(int k) { return m_marks.at(k - 1); }  // dum(1) is dum, dum(2) .. dum(10) dum2 .. dum10
    const Control& dum(int k) const { return m_marks.at(k - 1); }
    // What mark k says beside it in a course: the target it hit where there are five, and that it
    // was a sighter. Empty outside a course.
    std::string& markLabel(int k) { return m_markLabels.at(k - 1); }
    const std::string& markLabel(int k) const { return m_markLabels.at(k - 1); }

    Control Shape1;
    Control Shape2;
    TextBox tbi;
    ScrollBar Horizont;
    TextBox tHorizont;
    Control Picture2;  // arrow pointing left
    Control Picture1;  // arrow pointing right
    ScrollBar Vertikal;
    TextBox tVertikal;
    Control Picture3;  // arrow pointing up
    Control Picture4;  // arrow pointing down

    static constexpr int clientWidthPixels = 599;
    static constexpr int clientHeightPixels = 531;
    static constexpr float markDiameter = 1.99f;

private:
    std::array<Control, 10> m_marks;
    std::array<std::string, 10> m_markLabels;
};

using TargetWindow = LazyForm<TargetControls>;

inline const char* const targetCaption = "МИШЕНА - СКРИВАНЕ ЧРЕЗ ЛЯВ ИЛИ ДЕСЕН БУТОН";
