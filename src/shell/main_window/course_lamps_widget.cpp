#include "shell/main_window/course_lamps_widget.h"

#include "shell/widget_sync.h"

#include <QPainter>

namespace {

constexpr QColor litRed{255, 32, 32};
constexpr QColor darkRed{70, 20, 20};
constexpr QColor litGreen{32, 230, 64};
constexpr QColor darkGreen{20, 60, 25};

QString spokenName(Lamp lit)
{
    return lit == Lamp::Red     ? QStringLiteral("Червена светлина")
           : lit == Lamp::Green ? QStringLiteral("Зелена светлина")
                                : QStringLiteral("Светлините са угасени");
}

}  // namespace

CourseLampsWidget::CourseLampsWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("courseLamps"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(place);
    setAccessibleName(spokenName(m_lit));
    hide();
}

void CourseLampsWidget::sync(const CoursePanel& panel)
{
    syncVisible(*this, panel.running());
    if (panel.lamp == m_lit)
        return;
    m_lit = panel.lamp;
    setAccessibleName(spokenName(m_lit));
    update();
}

void CourseLampsWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 2));
    const int d = height() - 4;
    painter.setBrush(m_lit == Lamp::Red ? litRed : darkRed);
    painter.drawEllipse(2, 2, d, d);
    painter.setBrush(m_lit == Lamp::Green ? litGreen : darkGreen);
    painter.drawEllipse(width() - d - 2, 2, d, d);
}
