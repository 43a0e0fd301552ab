#include "platform/qt/no_display.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
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

// Whether Wayland's client library can find a compositor's socket: named by WAYLAND_DISPLAY (or
// wayland-0) in the runtime folder, or by an absolute path, or handed over as WAYLAND_SOCKET.
// Where it cannot, trying Wayland would only print the library's own complaint.
bool waylandReachable()
{
    if (!qEnvironmentVariableIsEmpty("WAYLAND_SOCKET"))
        return true;
    const QString name = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    if (QDir::isAbsolutePath(name))
        return QFileInfo::exists(name);
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(QDir(runtime).filePath(name));
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
        qputenv("QT_QPA_PLATFORM", waylandReachable() ? "xcb;wayland" : "xcb");
    qInstallMessageHandler(quietMessages);
    g_connecting = true;
    auto application = std::make_unique<QApplication>(qtArgc, qtArgv);
    g_connecting = false;
    return application;
}
