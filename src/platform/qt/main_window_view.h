#pragma once

#include "platform/qt/centred_window.h"
#include "platform/qt/range_view.h"
#include "platform/qt/widget_sync.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

class MainWindow;
class QPushButton;

// What the user does to the main window: resizes it (its outer width in pixels), closes it, uses
// its controls and the range view.
struct MainWindowIntents {
    std::function<void(int outerWidth)> resized;
    std::function<void()> closed;
    std::function<void()> minimised;
    ControlIntents controls;
    RangeIntents range;
};

// The main window f on the screen: the button bar and the range view at their model places, on
// the grey background. Nothing is laid out or scaled; what does not fit is cut off.
class MainWindowView : public CentredWindow {
public:
    MainWindowView(const MainWindow& f, MainWindowIntents intents);

    // Brings every widget up to date with the model, and shows or raises the window when the
    // model brought it to the front.
    void sync();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void reportOuterWidth();

    const MainWindow& m_f;
    MainWindowIntents m_intents;
    QWidget* m_frame1 = nullptr;
    std::array<ShownButton, 3> m_barButtons{};
    QWidget* m_border = nullptr;
    RangeView* m_range = nullptr;
    std::uint64_t m_raisedSerial = 0;
    int m_reportedWidth = -1;
};
