#include "platform/qt/shell.h"

#include "app/simulator.h"
#include "app/start_up.h"
#include "platform/units.h"
#include "scene/aim_tracking.h"
#include "shot/strelba.h"
#include "target/target_view.h"

#include <QCoreApplication>

Shell::Shell(Simulator& s)
    : m_s(s)
    , m_clock([this] { dispatch([] {}); })
    , m_main(s.f, [this](const std::function<void()>& h) { dispatch(h); }, mainWindowInput())
    , m_target(s, [this](const std::function<void()>& h) { dispatch(h); })
{
}

MainWindowInput Shell::mainWindowInput()
{
    return {
        .resize =
            [this](int outerWidth) {
                m_s.f.Width = units::twipsFromPixels(static_cast<float>(outerWidth));
                Form_Resize(m_s);
            },
        .unload =
            [this] {
                Form_Unload(m_s);
                m_s.f.Unload();
                QCoreApplication::quit();
            },
        .range =
            {
                .mouseMove = [this](int b, int sh, float x, float y) { Основа_MouseMove(m_s, b, sh, x, y); },
                .mouseDown = [this](int b, int sh, float x, float y) { Основа_MouseDown(m_s, b, sh, x, y); },
                .click = [this] { Основа_Click(m_s); },
            },
    };
}

void Shell::start()
{
    dispatch([this] {
        m_s.f.Width = units::twipsFromPixels(static_cast<float>(m_main.frameGeometry().width()));
        Form_Load(m_s);
        m_s.f.Show();
    });
}

// Showing a window or setting a widget's text can send events that come back here while the
// first one is still being handled; those run their handler at once and leave the rest to it.
void Shell::dispatch(const std::function<void()>& handler)
{
    if (m_dispatching) {
        handler();
        return;
    }
    m_dispatching = true;
    m_s.timers.advance(m_clock.now());
    handler();
    sync();
    m_dispatching = false;
    m_clock.armAt(m_s.timers.nextDeadline());
}

// The window brought to the front last is raised last, so that it ends up in front.
void Shell::sync()
{
    if (m_s.f.raiseSerial() > m_s.proverka.raiseSerial()) {
        m_target.sync();
        m_main.sync();
    } else {
        m_main.sync();
        m_target.sync();
    }
}
