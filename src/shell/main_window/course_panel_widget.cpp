#include "shell/main_window/course_panel_widget.h"

#include "shell/child_widget.h"
#include "shell/fitted_font.h"
#include "shell/widget_sync.h"
#include "state/main_window.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace {

constexpr int commandPointSize = 20;

QLabel* line(QWidget* panel, QVBoxLayout& layout, const char* name, int pointSize)
{
    auto* label = new QLabel(panel);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(true);
    label->setFont(font);
    layout.addWidget(label);
    return label;
}

}  // namespace

CoursePanelWidget::CoursePanelWidget(const MainWindow& f, ControlIntents controls, QWidget* parent)
    : QFrame(parent), m_f(f)
{
    setObjectName(QStringLiteral("coursePanel"));
    setAttribute(Qt::WA_NoMousePropagation);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    setGeometry(place);
    auto* layout = new QVBoxLayout(this);
    m_command.value = line(this, *layout, "courseCommand", commandPointSize);
    m_timeLeft.value = line(this, *layout, "courseTimeLeft", 20);
    m_series.value = line(this, *layout, "courseSeries", 11);
    m_points.value = line(this, *layout, "coursePoints", 11);
    m_ready = childWidget<QPushButton>(this, "Ready");
    m_ready->setAutoDefault(false);
    layout->addWidget(m_ready);
    connect(m_ready, &QPushButton::clicked, this,
            [controls = std::move(controls)] { controls.pressed(&MainWindow::Ready); });
    hide();
}

void CoursePanelWidget::sync(const CoursePanel& panel)
{
    syncVisible(*this, panel.running());
    if (!panel.running())
        return;
    if (m_command.show("Команда", panel.command))
        fitCommand();
    m_timeLeft.show("Оставащо време", secondsLeftText(panel.timeLeft));
    m_series.show("Серия", panel.series);
    m_points.show("Точки от серията", panel.lastSeriesPoints ? std::to_string(*panel.lastSeriesPoints) : "");
    syncCaption(*m_ready, m_f.Ready.Caption, m_readyCaption);
    syncVisible(*m_ready, m_f.Ready.Visible);
}

void CoursePanelWidget::fitCommand()
{
    QLabel& label = *m_command.value;
    const QMargins margins = layout()->contentsMargins();
    QFont font = label.font();
    font.setPointSizeF(commandPointSize);
    label.setFont(fittedFont(font, label.text(), contentsRect().width() - margins.left() - margins.right(), 6));
}
