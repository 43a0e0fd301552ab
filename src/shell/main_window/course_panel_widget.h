#pragma once

#include "course/course_panel.h"
#include "shell/captioned_label.h"
#include "shell/main_window/main_window_intents.h"

#include <QFrame>

#include <string>

class MainWindow;
class QPushButton;

// The course panel on the range view, right of the arm and below the plates: the command, the
// time left, the series and the last series' points in letters big enough to read while aiming,
// and the button "Готов" while the shooter loads. A screen reader reads each with its caption.
// Hidden while no course runs.
class CoursePanelWidget : public QFrame {
public:
    CoursePanelWidget(const MainWindow& f, ControlIntents controls, QWidget* parent);

    void sync(const CoursePanel& panel);

    // Its place in the range view's pixels.
    static constexpr QRect place{596, 180, 184, 200};

private:
    // The command in letters as big as the panel's width lets it show whole, at most 20 points.
    void fitCommand();

    const MainWindow& m_f;
    CaptionedLabel m_command;
    CaptionedLabel m_timeLeft;
    CaptionedLabel m_series;
    CaptionedLabel m_points;
    QPushButton* m_ready = nullptr;
    std::string m_readyCaption;
};
