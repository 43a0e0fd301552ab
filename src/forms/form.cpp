#include "forms/form.h"

namespace {
// Program-wide order of bringing windows to the front.
std::uint64_t g_lastRaise = 0;
}  // namespace

void FormWindow::load()
{
    if (m_state != WindowState::NotLoaded)
        return;
    m_state = WindowState::Hidden;
    ++m_loadSerial;
    createControls();
}

void FormWindow::Show()
{
    load();
    m_state = WindowState::Shown;
    m_raiseSerial = ++g_lastRaise;
}

void FormWindow::Hide()
{
    if (m_state == WindowState::Shown)
        m_state = WindowState::Hidden;
}

void FormWindow::Unload()
{
    if (m_state == WindowState::NotLoaded)
        return;
    if (onUnload)
        onUnload();
    m_state = WindowState::NotLoaded;
    destroyControls();
}

void FormWindow::resize(float outerWidth)
{
    Width = outerWidth;
    if (onResize)
        onResize();
}

void FormWindow::click()
{
    if (onClick)
        onClick();
}
