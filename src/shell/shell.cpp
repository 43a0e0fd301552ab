#include "shell/shell.h"

#include "app/program.h"
#include "forms/units.h"
#include "state/simulator.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <functional>
#include <utility>

// One event from its start to its end. Showing a window or setting a widget's text can send
// events that come back while the first one is still being handled; those run their handler at
// once and leave the catching up and the bringing up to date to the first.
class Shell::Event {
public:
    explicit Event(Shell& shell) : m_shell(shell), m_first(!std::exchange(shell.m_handlingEvent, true))
    {
        if (m_first)
            m_shell.m_s.timers.advance(m_shell.m_clock.now());
    }
    ~Event()
    {
        if (!m_first)
            return;
        m_shell.sync();
        m_shell.m_handlingEvent = false;
        m_shell.m_clock.armAt(m_shell.m_s.timers.nextDeadline());
    }
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

private:
    Shell& m_shell;
    const bool m_first;
};

Shell::Shell(Simulator& s, SoundPlayer& player)
    : m_s(s)
    , m_player(player)
    , m_clock([this] { Event tick(*this); })
    , m_main(s, mainWindowIntents())
    , m_target(s.proverka, targetWindowIntents())
    , m_analysis(s.analysisWindow, s.shotLog, s.course, [this] {
        Event e(*this);
        m_s.analysisWindow.Hide();
    })
{
}

MainWindowIntents Shell::mainWindowIntents()
{
    return {
        .resized =
            [this](int outerWidth) {
                Event e(*this);
                m_s.f.resize(units::twipsFromPixels(static_cast<float>(outerWidth)));
            },
        .closed =
            [this] {
                Event e(*this);
                m_s.f.Unload();
                QCoreApplication::quit();
            },
        .minimised = [this] { m_player.rest(); },
        .controls =
            {
                .pressed =
                    [this](Button MainWindow::*button) {
                        Event e(*this);
                        (m_s.f.*button).click();
                    },
                .chose =
                    [this](MenuButton MainWindow::*menu, std::size_t item) {
                        Event e(*this);
                        (m_s.f.*menu).items.at(item).click();
                    },
                .typed =
                    [this](int k, std::string text) {
                        Event e(*this);
                        m_s.f.i(k).setText(std::move(text));
                    },
            },
        .range =
            {
                .movedPointer =
                    [this](int b, int sh, float x, float y) {
                        Event e(*this);
                        m_player.keepReady();
                        m_s.f.Основа.mouseMove(b, sh, x, y);
                    },
                .pressedButton =
                    [this](int b, int sh, float x, float y) {
                        Event e(*this);
                        m_s.f.Основа.mouseDown(b, sh, x, y);
                    },
                .clicked =
                    [this] {
                        Event e(*this);
                        m_s.f.Основа.click();
                    },
            },
    };
}

TargetWindowIntents Shell::targetWindowIntents()
{
    return {
        .clicked =
            [this] {
                Event e(*this);
                m_s.proverka.click();
            },
        .closed =
            [this] {
                Event e(*this);
                m_s.proverka.Unload();
            },
        .typed =
            [this](TextBox TargetControls::*box, std::string text) {
                Event e(*this);
                (m_s.proverka.controls().*box).setText(std::move(text));
            },
        .movedBar =
            [this](ScrollBar TargetControls::*bar, int value) {
                Event e(*this);
                (m_s.proverka.controls().*bar).setValue(value);
            },
    };
}

void Shell::start()
{
    Event e(*this);
    startProgram(m_s, units::twipsFromPixels(static_cast<float>(m_main.frameGeometry().width())));
}

// The window brought to the front last is raised last, so that it ends up in front.
void Shell::sync()
{
    struct Shown {
        std::uint64_t raiseSerial;
        std::function<void()> sync;
    };
    std::array<Shown, 3> windows{{
        {m_s.f.raiseSerial(), [this] { m_main.sync(); }},
        {m_s.proverka.raiseSerial(), [this] { m_target.sync(); }},
        {m_s.analysisWindow.raiseSerial(), [this] { m_analysis.sync(); }},
    }};
    std::stable_sort(windows.begin(), windows.end(),
                     [](const Shown& a, const Shown& b) { return a.raiseSerial < b.raiseSerial; });
    for (const Shown& w : windows)
        w.sync();
}
