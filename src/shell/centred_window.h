#pragma once

#include <QWidget>

// A window that opens centred on its screen, frame included. Before the window manager has framed
// the window its frame is not known; the window is centred again once it is.
class CentredWindow : public QWidget {
public:
    using QWidget::QWidget;

    void showCentred();

protected:
    void moveEvent(QMoveEvent* event) override;

private:
    void centreOnScreen();

    bool m_centredInFrame = false;
};
