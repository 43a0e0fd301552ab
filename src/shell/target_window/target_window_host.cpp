#include "shell/target_window/target_window_host.h"

#include "shell/x11/window_hints.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

#include <cstdint>
#include <utility>

// One load of the window. The widget goes with a deferred delete: an unload can come from inside
// one of the widget's own event handlers (the window manager closing it).
struct TargetWindowHost::Window {
    QPointer<TargetWindowWidget> widget;
    std::uint64_t loadSerial = 0;
    std::uint64_t raisedSerial = 0;

    ~Window()
    {
        if (widget) {
            widget->hide();
            widget->deleteLater();
        }
    }
};

TargetWindowHost::TargetWindowHost(const TargetWindow& proverka, TargetWindowIntents intents)
    : m_proverka(proverka), m_intents(std::move(intents))
{
}

TargetWindowHost::~TargetWindowHost()
{
    if (m_window)
        delete m_window->widget.data();
}

void TargetWindowHost::sync()
{
    const TargetControls* controls = m_proverka.ifLoaded();
    if (!controls) {
        m_window.reset();
        return;
    }
    if (!m_window || m_window->loadSerial != m_proverka.loadSerial())
        load();
    TargetWindowWidget& widget = *m_window->widget;
    widget.sync(*controls);

    if (m_proverka.state() == WindowState::Shown && m_proverka.raiseSerial() > m_window->raisedSerial) {
        m_window->raisedSerial = m_proverka.raiseSerial();
        widget.show();
        widget.raise();
        widget.activateWindow();
    }
}

void TargetWindowHost::load()
{
    m_window = std::make_unique<Window>();
    m_window->loadSerial = m_proverka.loadSerial();
    auto* widget = new TargetWindowWidget(m_proverka.Caption, m_intents);
    m_window->widget = widget;

    QRect place = widget->geometry();
    place.moveCenter(QGuiApplication::primaryScreen()->availableGeometry().center());
    widget->move(place.topLeft());
    widget->winId();
    keepOutOfTaskBar(*widget);
}
