#include "platform/qt/no_display.h"

#include <QApplication>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace {

bool g_connecting = false;

// A fatal message while the platform is being set up means that no display could be opened:
// Qt would print several lines and abort, we print one and end. A fatal message later is a
// fault of the program, reported in one line before Qt aborts.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtFatalMsg)
        return;
    if (g_connecting) {
        std::fputs("strelbishte: no display available (is DISPLAY set?)\n", stderr);
        std::_Exit(1);
    }
    std::fprintf(stderr, "strelbishte: %s\n", message.toLocal8Bit().constData());
}

}  // namespace

std::unique_ptr<QApplication> openApplication(int& argc, char** argv)
{
    // Qt takes options of its own from the command line (-platform, -style, -reverse,
    // -qwindowgeometry ...); the program takes none, so Qt sees the program's name alone.
    static int qtArgc = argc > 0 ? 1 : 0;
    static char* qtArgv[] = {argc > 0 ? argv[0] : nullptr, nullptr};
    // In a Wayland session Qt would pick its Wayland platform, where a window can neither place
    // nor raise itself; an X display, XWayland included, is taken wherever there is one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    qInstallMessageHandler(quietMessages);
    g_connecting = true;
    auto application = std::make_unique<QApplication>(qtArgc, qtArgv);
    g_connecting = false;
    return application;
}
