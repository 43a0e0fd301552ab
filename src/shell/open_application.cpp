#include "shell/open_application.h"

#include <QApplication>
#include <QtGlobal>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

// While the platform is set up, the standard error of the process goes nowhere: the libraries
// below Qt print there of their own (Wayland's client library complains of a missing runtime
// folder even where X11 is asked for, as Qt 6.8 tries Wayland after a failed X11).
class StandardErrorSilenced {
public:
    StandardErrorSilenced() : m_saved(dup(STDERR_FILENO))
    {
        const int nowhere = open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (nowhere >= 0) {
            dup2(nowhere, STDERR_FILENO);
            close(nowhere);
        }
    }
    ~StandardErrorSilenced() { restore(); }
    StandardErrorSilenced(const StandardErrorSilenced&) = delete;
    StandardErrorSilenced& operator=(const StandardErrorSilenced&) = delete;

    void restore()
    {
        if (m_saved < 0)
            return;
        dup2(m_saved, STDERR_FILENO);
        close(m_saved);
        m_saved = -1;
    }

private:
    int m_saved;
};

// Set while the platform is being set up.
StandardErrorSilenced* g_connecting = nullptr;

// A fatal message while the platform is being set up means that no display could be opened:
// Qt would print several lines and abort, we print one and end. A fatal message later is a
// fault of the program, reported in one line before Qt aborts.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtFatalMsg)
        return;
    if (g_connecting) {
        g_connecting->restore();
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
    StandardErrorSilenced silenced;
    g_connecting = &silenced;
    auto application = std::make_unique<QApplication>(qtArgc, qtArgv);
    g_connecting = nullptr;
    return application;
}
