#pragma once

#include "platform/qt/event_dispatch.h"
#include "platform/qt/range_view.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

struct Button;
class MainWindow;
class QPushButton;

// What the main window reports besides its controls: its outer width in pixels after every
// resize, and its closing.
struct MainWindowInput {
    std::function<void(int outerWidth)> resize;
    std::function<void()> unload;
    RangeInput range;
};

// The main window f on the screen: the button bar and the range view at their model places, on
// the grey background. Nothing is laid out or scaled; what does not fit is cut off.
class MainWindowView : public QWidget {
public:
    MainWindowView(MainWindow& f, EventDispatch dispatch, MainWindowInput input);

    // Brings every widget up to date with the model, and shows or raises the window when the
    // model brought it to the front.
    void sync();

    RangeView& rangeView() const { return *m_range; }
    QWidget& rangeBorder() const { return *m_border; }
    QWidget& buttonBar() const { return *m_frame1; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void centreOnScreen();
    void reportOuterWidth();

    MainWindow& m_f;
    EventDispatch m_dispatch;
    MainWindowInput m_input;
    QWidget* m_frame1 = nullptr;
    struct BarButton {
        QPushButton* widget;
        const Button* model;
        std::string shownCaption;
    };
    std::array<BarButton, 3> m_barButtons{};
    QWidget* m_border = nullptr;
    RangeView* m_range = nullptr;
    std::uint64_t m_raisedSerial = 0;
    int m_reportedWidth = -1;
    bool m_centredInFrame = false;
};
