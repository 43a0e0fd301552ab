#include "shell/main_window/main_window_widget.h"

#include "course/course_panel.h"
#include "forms/units.h"
#include "shell/widget_sync.h"
#include "state/simulator.h"

#include <QCloseEvent>
#include <QFont>
#include <QFrame>
#include <QIcon>
#include <QPalette>
#include <QPushButton>

#include <utility>

namespace {

constexpr int rangeBorderWidth = 2;
// Small enough for the longest caption, "ПРЕЦИЗНА СТРЕЛБА", to fit its 121-pixel button.
constexpr int controlsPointSize = 8;

void paintGrey(QWidget& w)
{
    QPalette palette = w.palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(MainWindow::backColor));
    w.setPalette(palette);
    w.setAutoFillBackground(true);
}

QIcon programIcon()
{
    QIcon icon;
    for (const char* size : {"32", "64", "128", "256"})
        icon.addFile(QStringLiteral(":/pictures/icon_%1.png").arg(QLatin1String(size)));
    return icon;
}

}  // namespace

MainWindowWidget::MainWindowWidget(const Simulator& s, MainWindowIntents intents)
    : m_s(s), m_f(s.f), m_intents(std::move(intents))
{
    setObjectName(QStringLiteral("f"));
    setWindowTitle(QString::fromStdString(m_f.Caption));
    setWindowIcon(programIcon());
    paintGrey(*this);
    QFont controlsFont = font();
    controlsFont.setPointSize(controlsPointSize);
    setFont(controlsFont);
    resize(MainWindow::clientWidthPixels, MainWindow::clientHeightPixels);

    m_frame1 = new QWidget(this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    paintGrey(*m_frame1);
    const std::array<std::pair<Button MainWindow::*, const char*>, 3> buttons{
        {{&MainWindow::BAVNA, "BAVNA"}, {&MainWindow::Restart, "Restart"}, {&MainWindow::Barza, "Barza"}}};
    for (std::size_t n = 0; n < buttons.size(); ++n) {
        auto* widget = new QPushButton(m_frame1);
        widget->setObjectName(QString::fromLatin1(buttons[n].second));
        Button MainWindow::*button = buttons[n].first;
        connect(widget, &QPushButton::clicked, this, [this, button] { m_intents.controls.pressed(button); });
        m_barButtons.at(n) = {widget, &(m_f.*button), {}};
    }

    auto* border = new QFrame(this);
    border->setObjectName(QStringLiteral("rangeBorder"));
    border->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    border->setLineWidth(rangeBorderWidth);
    m_border = border;
    m_range = new RangeWidget(m_f, m_intents.range, m_intents.controls, border);
    m_range->move(rangeBorderWidth, rangeBorderWidth);
}

void MainWindowWidget::sync()
{
    if (m_f.raiseSerial() > m_raisedSerial) {
        m_raisedSerial = m_f.raiseSerial();
        if (isHidden()) {
            showCentred();
        } else {
            raise();
            activateWindow();
        }
    }

    syncPlace(*m_frame1, m_f.Frame1, units::twipsPerPixel);
    for (ShownButton& b : m_barButtons)
        syncButton(b, units::twipsPerPixel);
    syncPlace(*m_border, m_f.Основа, units::twipsPerPixel);
    m_range->sync(coursePanel(m_s));
}

void MainWindowWidget::resizeEvent(QResizeEvent*)
{
    reportOuterWidth();
}

// The window manager's frame shows as a move of the window: from then on the outer width is known.
void MainWindowWidget::moveEvent(QMoveEvent* event)
{
    CentredWindow::moveEvent(event);
    if (frameGeometry().width() != m_reportedWidth)
        reportOuterWidth();
}

void MainWindowWidget::reportOuterWidth()
{
    m_reportedWidth = frameGeometry().width();
    m_intents.resized(m_reportedWidth);
}

void MainWindowWidget::closeEvent(QCloseEvent* event)
{
    m_intents.closed();
    event->accept();
}

void MainWindowWidget::changeEvent(QEvent* event)
{
    CentredWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        m_intents.minimised();
}
