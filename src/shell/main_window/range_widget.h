#pragma once

#include "course/course_panel.h"
#include "forms/rect.h"
#include "shell/main_window/main_window_intents.h"
#include "shell/widget_sync.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

class CourseLampsWidget;
class CoursePanelWidget;
class MainWindow;
class MenuButtonWidget;
class PictureBox;
class QLineEdit;
class QPushButton;

// The inner area of the range view Основа, 1024 x 768 pixels: the model's persistent image with
// the four sight pieces over it, the score column with its buttons, and while a course runs its
// panel and lamps. Its own coordinates are the view's pixels, so the children stand at their
// model places.
class RangeWidget : public QWidget {
public:
    RangeWidget(const MainWindow& f, RangeIntents intents, ControlIntents controls, QWidget* parent);

    // Brings the children up to date and repaints what the model refreshed or moved.
    void sync(const CoursePanel& panel);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    static constexpr int pieceCount = 4;
    const PictureBox& piece(int n) const;
    QImage composed(const QRect& area) const;
    Rect pieceRect(int n) const;
    void scheduleRepaint(const Rect& r);

    const MainWindow& m_f;
    RangeIntents m_intents;
    ControlIntents m_controls;
    std::array<QLineEdit*, 11> m_scoreBoxes{};
    std::array<std::string, 11> m_shownText;
    std::array<ShownButton, 2> m_buttons{};  // Command1 and Analysis
    MenuButtonWidget* m_discipline = nullptr;
    CoursePanelWidget* m_panel = nullptr;
    CourseLampsWidget* m_lamps = nullptr;
    std::array<Rect, pieceCount> m_shownPieces{};
    std::uint64_t m_shownRefreshes = 0;
    int m_shownPointer = 0;  // Screen.MousePointer as the pointer over the view shows it
    bool m_leftPressed = false;
};
