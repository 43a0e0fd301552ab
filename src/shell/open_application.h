#pragma once

#include <memory>

class QApplication;

// Opens the application on its display: an X display where there is one, else a Wayland one, or
// the platform the user named in QT_QPA_PLATFORM. The command line beyond the program's name is
// not read. Qt's own messages are dropped from here on: the program reports nothing. When there is
// no display to open, one line on standard error says so and the program ends with code 1.
std::unique_ptr<QApplication> openApplication(int& argc, char** argv);
