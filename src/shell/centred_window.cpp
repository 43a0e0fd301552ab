#include "shell/centred_window.h"

#include <QScreen>

void CentredWindow::showCentred()
{
    centreOnScreen();
    show();
}

void CentredWindow::centreOnScreen()
{
    QRect outer = frameGeometry();
    outer.moveCenter(screen()->availableGeometry().center());
    move(outer.topLeft());
}

// The window manager's frame shows as a move of the window.
void CentredWindow::moveEvent(QMoveEvent*)
{
    if (!m_centredInFrame && frameGeometry() != geometry()) {
        m_centredInFrame = true;
        centreOnScreen();
    }
}
