#pragma once

#include "platform/qt/event_dispatch.h"
#include "platform/rect.h"

#include <QWidget>

#include <array>
#include <functional>
#include <string>

class MainWindow;
class PictureBox;
class QLineEdit;
class QPushButton;

// What the pointer does on the range view, in the system's terms: Button 1 left, 2 right, 4
// middle; Shift 1 shift, 2 ctrl, 4 alt; X, Y the pixel under the pointer.
struct RangeInput {
    std::function<void(int Button, int Shift, float X, float Y)> mouseMove;
    std::function<void(int Button, int Shift, float X, float Y)> mouseDown;
    std::function<void()> click;
};

// The inner area of the range view Основа, 1024 x 768 pixels: the model's persistent image with
// the four sight pieces over it, the score column and the target button. Its own coordinates are
// the view's pixels, so the children stand at their model places.
class RangeView : public QWidget {
public:
    RangeView(MainWindow& f, EventDispatch dispatch, RangeInput input, QWidget* parent);

    // Brings the children up to date and repaints what the model refreshed or moved.
    void sync();

    QLineEdit* scoreBox(int k) const { return m_scoreBoxes.at(k - 1); }
    QPushButton* command1() const { return m_command1; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    static constexpr int pieceCount = 4;
    const PictureBox& piece(int n) const;
    Rect pieceRect(int n) const;
    void scheduleRepaint(const Rect& r);

    MainWindow& m_f;
    EventDispatch m_dispatch;
    RangeInput m_input;
    std::array<QLineEdit*, 11> m_scoreBoxes{};
    std::array<std::string, 11> m_shownText;
    QPushButton* m_command1 = nullptr;
    std::string m_shownCaption;
    std::array<Rect, pieceCount> m_shownPieces{};
    bool m_leftPressed = false;
};
