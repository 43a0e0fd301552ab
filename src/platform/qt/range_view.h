#pragma once

#include "platform/qt/widget_sync.h"
#include "platform/rect.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

class MainWindow;
class PictureBox;
class QLineEdit;
class QPushButton;

// What the pointer does on the range view, in the system's terms: Button 1 left, 2 right, 4
// middle; Shift 1 shift, 2 ctrl, 4 alt; X, Y the pixel under the pointer.
struct RangeIntents {
    std::function<void(int Button, int Shift, float X, float Y)> movedPointer;
    std::function<void(int Button, int Shift, float X, float Y)> pressedButton;
    std::function<void()> clicked;
};

// What the user does to the main window's controls: presses one of its buttons, types into the
// score box i(k).
struct ControlIntents {
    std::function<void(Button MainWindow::*)> pressed;
    std::function<void(int k, std::string text)> typed;
};

// The inner area of the range view Основа, 1024 x 768 pixels: the model's persistent image with
// the four sight pieces over it, the score column and the target button. Its own coordinates are
// the view's pixels, so the children stand at their model places.
class RangeView : public QWidget {
public:
    RangeView(const MainWindow& f, RangeIntents intents, ControlIntents controls, QWidget* parent);

    // Brings the children up to date and repaints what the model refreshed or moved.
    void sync();

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
    std::array<Rect, pieceCount> m_shownPieces{};
    std::uint64_t m_shownRefreshes = 0;
    bool m_leftPressed = false;
};
