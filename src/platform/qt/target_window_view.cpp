#include "platform/qt/target_window_view.h"

#include "app/simulator.h"
#include "platform/qt/target_window_widget.h"
#include "platform/qt/x11/window_hints.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

#include <cstdint>
#include <utility>

// One load of the window. The widget goes with a deferred delete: an unload can come from inside
// one of the widget's own event handlers (the window manager closing it).
struct TargetWindowView::Window {
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

TargetWindowView::TargetWindowView(Simulator& s, EventDispatch dispatch) : m_s(s), m_dispatch(std::move(dispatch)) {}

TargetWindowView::~TargetWindowView()
{
    if (m_window)
        delete m_window->widget.data();
}

TargetWindowWidget* TargetWindowView::window() const
{
    return m_window ? m_window->widget.data() : nullptr;
}

void TargetWindowView::sync()
{
    const TargetControls* controls = m_s.proverka.ifLoaded();
    if (!controls) {
        m_window.reset();
        return;
    }
    if (!m_window || m_window->loadSerial != m_s.proverka.loadSerial())
        load();
    TargetWindowWidget& widget = *m_window->widget;
    widget.sync(*controls);

    if (m_s.proverka.state() == WindowState::Shown && m_s.proverka.raiseSerial() > m_window->raisedSerial) {
        m_window->raisedSerial = m_s.proverka.raiseSerial();
        widget.show();
        widget.raise();
        widget.activateWindow();
    }
}

void TargetWindowView::load()
{
    m_window = std::make_unique<Window>();
    m_window->loadSerial = m_s.proverka.loadSerial();
    auto* widget = new TargetWindowWidget(m_s, m_dispatch);
    m_window->widget = widget;

    QRect place = widget->geometry();
    place.moveCenter(QGuiApplication::primaryScreen()->availableGeometry().center());
    widget->move(place.topLeft());
    widget->winId();
    keepOutOfTaskBar(*widget);
}
