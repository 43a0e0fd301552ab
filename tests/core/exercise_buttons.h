#pragma once

#include "harness.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

// The three buttons that start or restart an exercise, for tests that hold for each of them.
struct ExerciseButton {
    const char* name;
    Button MainWindow::*button;
};

inline const ExerciseButton exerciseButtons[] = {
    {"BAVNA", &MainWindow::BAVNA},
    {"Barza", &MainWindow::Barza},
    {"Restart", &MainWindow::Restart},
};

inline void PrintTo(const ExerciseButton& b, std::ostream* os)
{
    *os << b.name;
}

inline void press(Harness& h, const ExerciseButton& b)
{
    (h.s.f.*b.button).click();
}

inline std::string buttonName(const testing::TestParamInfo<ExerciseButton>& info)
{
    return info.param.name;
}

inline bool inFrontOf(const FormWindow& front, const FormWindow& behind)
{
    return front.state() == WindowState::Shown && front.raiseSerial() > behind.raiseSerial();
}
