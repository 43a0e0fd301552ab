#pragma once

#include "shell/centred_window.h"
#include "shell/main_window/range_widget.h"
#include "shell/widget_sync.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

class MainWindow;
class QPushButton;
class Simulator;

// The main window f on the screen: the button bar and the range view at their model places, on
// the grey background. Nothing is laid out or scaled; what does not fit is cut off.
class MainWindowWidget : public CentredWindow {
public:
    MainWindowWidget(const Simulator& s, MainWindowIntents intents);

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

    const Simulator& m_s;
    const MainWindow& m_f;
    MainWindowIntents m_intents;
    QWidget* m_frame1 = nullptr;
    std::array<ShownButton, 3> m_barButtons{};
    QWidget* m_border = nullptr;
    RangeWidget* m_range = nullptr;
    std::uint64_t m_raisedSerial = 0;
    int m_reportedWidth = -1;
};
