#pragma once

class QWidget;

// Asks the window manager to leave a top-level window out of the task bar. It must be called
// once the window has its native handle and before it is first shown; where the program does
// not run on X11 it does nothing.
#ifdef STRELBISHTE_X11_HINTS
void keepOutOfTaskBar(QWidget& window);
#else
inline void keepOutOfTaskBar(QWidget&) {}
#endif
