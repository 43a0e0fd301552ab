#pragma once

#include "shell/target_window/target_window_intents.h"

#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <string>

class QLabel;
class QPainter;
class QLineEdit;
class QScrollBar;
class ScrollBar;
class TextBox;
struct TargetControls;

// The client area of the target window proverka, 599 x 531 pixels: the target face with the frame
// and the shot marks drawn over it, the three text boxes, the two sight bars and the four arrows.
// A click with either button on the face, the frame or a mark is the window's Click; the text
// boxes, the bars and the arrows keep the pointer to themselves.
class TargetWindowWidget : public QWidget {
public:
    TargetWindowWidget(const std::string& caption, TargetWindowIntents intents);

    // Brings every child and every drawn shape up to date with the loaded controls.
    void sync(const TargetControls& c);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct Edit {
        QLineEdit* widget;
        TextBox TargetControls::*box;
        std::string shown;
    };
    struct Bar {
        QScrollBar* widget;
        ScrollBar TargetControls::*bar;
    };
    // The shapes drawn into the background: the ten marks and Shape1, the frame Shape2, and what
    // each mark says beside it.
    struct Drawn {
        std::array<QRectF, 11> circles{};
        QRectF frame;
        std::array<QString, 10> labels{};
        bool operator==(const Drawn&) const = default;
    };

    void addEdit(std::size_t n, const char* name, const QString& spokenName, TextBox TargetControls::*box);
    void addBar(std::size_t n, const char* name, const QString& spokenName, Qt::Orientation orientation,
                ScrollBar TargetControls::*bar);
    static Drawn drawnShapes(const TargetControls& c);
    void drawLabels(QPainter& painter) const;

    TargetWindowIntents m_intents;
    QImage m_face;
    QFont m_labelFont;
    std::array<Edit, 3> m_edits{};
    std::array<Bar, 2> m_bars{};
    std::array<QLabel*, 4> m_arrows{};
    Drawn m_drawn;
    Qt::MouseButton m_pressed = Qt::NoButton;
};
