#pragma once

#include "forms/timer.h"

#include <optional>
#include <string>

class Simulator;

enum class Lamp { None, Red, Green };

// What the course panel and the lamps show, read by the shell after each event. While no course
// runs the panel shows no command.
struct CoursePanel {
    std::string command;  // "ЗАРЕДИ", "ВНИМАНИЕ", "СТАРТ", "СТОП", or empty
    Millis timeLeft = 0;  // of the phase, the exposure or the pause
    std::string series;   // "Пробна серия", "Серия 3 от 12"
    std::optional<int> lastSeriesPoints;
    Lamp lamp = Lamp::None;

    bool running() const { return !command.empty(); }
};

CoursePanel coursePanel(const Simulator& s);

// The time left as the panel counts it down, in seconds with one decimal comma: a part of a
// tenth left shows as a whole tenth, so that "0,0" shows only when the time is over.
std::string secondsLeftText(Millis timeLeft);
