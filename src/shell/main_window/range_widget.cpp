#include "shell/main_window/range_widget.h"

#include "forms/rounding.h"
#include "shell/child_widget.h"
#include "shell/crisp_image.h"
#include "shell/main_window/course_lamps_widget.h"
#include "shell/main_window/course_panel_widget.h"
#include "shell/main_window/menu_button_widget.h"
#include "shell/main_window/mouse_pointer.h"
#include "shell/widget_sync.h"
#include "state/main_window.h"

#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// The raster's own memory seen as an image, without a copy.
QImage imageOf(const Raster& r)
{
    return QImage(reinterpret_cast<const uchar*>(r.row(0)), r.width(), r.height(),
                  r.width() * static_cast<qsizetype>(sizeof(std::uint32_t)), QImage::Format_RGB32);
}

int buttonsCode(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

int shiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

// The pixel the pointer is in, also at fractional scale factors and outside the view. Qt takes
// the position through device pixels and back, and a pointer on a pixel's edge may come a hair
// short of it; a thousandth of a pixel is far less than a device pixel at any scale.
constexpr double edgeTolerance = 1.0 / 1024;
float pixelX(const QMouseEvent& e)
{
    return static_cast<float>(std::floor(e.position().x() + edgeTolerance));
}
float pixelY(const QMouseEvent& e)
{
    return static_cast<float>(std::floor(e.position().y() + edgeTolerance));
}

}  // namespace

RangeWidget::RangeWidget(const MainWindow& f, RangeIntents intents, ControlIntents controls, QWidget* parent)
    : QWidget(parent), m_f(f), m_intents(std::move(intents)), m_controls(std::move(controls))
{
    setObjectName(QStringLiteral("Основа"));
    setAccessibleName(QStringLiteral("Стрелбище"));
    setAccessibleDescription(QStringLiteral("Мишката прицелва, левият бутон стреля, десният показва мишената"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    resize(m_f.Основа.image().width(), m_f.Основа.image().height());

    for (int k = 1; k <= 11; ++k) {
        QLineEdit* box = childWidget<QLineEdit>(this, ("i" + std::to_string(k)).c_str());
        box->setAccessibleName(k <= 10 ? QStringLiteral("Точки %1").arg(k) : QStringLiteral("Общо"));
        connect(box, &QLineEdit::textEdited, this, [this, k](const QString& typed) {
            m_shownText.at(k - 1) = typed.toStdString();
            m_controls.typed(k, m_shownText.at(k - 1));
        });
        m_scoreBoxes.at(k - 1) = box;
    }
    const std::array<std::pair<Button MainWindow::*, const char*>, 2> buttons{
        {{&MainWindow::Command1, "Command1"}, {&MainWindow::Analysis, "Analysis"}}};
    for (std::size_t n = 0; n < buttons.size(); ++n) {
        auto* widget = childWidget<QPushButton>(this, buttons[n].second);
        widget->setAutoDefault(false);
        Button MainWindow::*button = buttons[n].first;
        connect(widget, &QPushButton::clicked, this, [this, button] { m_controls.pressed(button); });
        m_buttons.at(n) = {widget, &(m_f.*button), {}};
    }
    m_discipline = new MenuButtonWidget(
        m_f.Discipline, [this](std::size_t item) { m_controls.chose(&MainWindow::Discipline, item); }, this);
    m_discipline->setObjectName(QStringLiteral("Discipline"));
    m_lamps = new CourseLampsWidget(this);
    m_panel = new CoursePanelWidget(m_f, m_controls, this);
}

const PictureBox& RangeWidget::piece(int n) const
{
    const std::array<const PictureBox*, pieceCount> pieces{&m_f.mm1, &m_f.mm3, &m_f.mm2, &m_f.mmu};
    return *pieces.at(n);
}

// A sight piece shows as much of its picture as its size leaves room for.
Rect RangeWidget::pieceRect(int n) const
{
    const PictureBox& p = piece(n);
    if (!p.Visible)
        return {};
    const QRect place = pixelRect(p);
    return {place.x(), place.y(), std::min(place.width(), p.image().width()),
            std::min(place.height(), p.image().height())};
}

void RangeWidget::sync(const CoursePanel& panel)
{
    for (int k = 1; k <= 11; ++k) {
        QLineEdit& box = *m_scoreBoxes.at(k - 1);
        syncPlace(box, m_f.i(k));
        syncText(box, m_f.i(k).text(), m_shownText.at(k - 1));
    }
    for (ShownButton& b : m_buttons)
        syncButton(b);
    m_discipline->sync();
    m_panel->sync(panel);
    m_lamps->sync(panel);
    if (m_f.ScreenMousePointer != m_shownPointer) {
        m_shownPointer = m_f.ScreenMousePointer;
        if (const std::optional<Qt::CursorShape> shape = pointerShape(m_shownPointer))
            setCursor(*shape);
        else
            unsetCursor();
    }

    scheduleRepaint(m_f.Основа.refreshedSince(m_shownRefreshes));
    m_shownRefreshes = m_f.Основа.refreshCount();
    for (int n = 0; n < pieceCount; ++n) {
        const Rect now = pieceRect(n);
        if (now == m_shownPieces.at(n))
            continue;
        scheduleRepaint(m_shownPieces.at(n));
        scheduleRepaint(now);
        m_shownPieces.at(n) = now;
    }
}

void RangeWidget::scheduleRepaint(const Rect& r)
{
    if (!r.empty())
        update(r.x, r.y, r.w, r.h);
}

// The whole picture under the repainted part is composed anew, so that a device pixel shows the
// same, whatever part is repainted.
void RangeWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    // A device pixel on the edge of the repainted part may show the view's pixel beside it.
    const QRect area = event->rect().adjusted(-1, -1, 1, 1) & rect();
    drawCrisp(painter, composed(area), area.topLeft(), event->rect());
}

// The view's own pixels in an area: the model's image with the sight pieces over it.
QImage RangeWidget::composed(const QRect& area) const
{
    QImage pixels(area.size(), QImage::Format_RGB32);
    QPainter painter(&pixels);
    painter.translate(-area.topLeft());
    const Raster& image = m_f.Основа.image();
    if (image.width() > 0 && image.height() > 0)
        painter.drawImage(0, 0, imageOf(image));
    for (int n = 0; n < pieceCount; ++n) {
        const Rect r = m_shownPieces.at(n);
        if (!r.empty())
            painter.drawImage(QPoint(r.x, r.y), imageOf(piece(n).image()), QRect(0, 0, r.w, r.h));
    }
    return pixels;
}

void RangeWidget::mouseMoveEvent(QMouseEvent* e)
{
    const int button = buttonsCode(e->buttons()), shift = shiftCode(e->modifiers());
    const float x = pixelX(*e), y = pixelY(*e);
    m_intents.movedPointer(button, shift, x, y);
}

void RangeWidget::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        m_leftPressed = true;
    const int button = buttonsCode(e->button()), shift = shiftCode(e->modifiers());
    const float x = pixelX(*e), y = pixelY(*e);
    m_intents.pressedButton(button, shift, x, y);
}

// The second press of a quick double-click arrives as a double-click: it is a press like any other.
void RangeWidget::mouseDoubleClickEvent(QMouseEvent* e)
{
    mousePressEvent(e);
}

// A left press and release over the view is a click, which fires.
void RangeWidget::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || !std::exchange(m_leftPressed, false))
        return;
    if (rect().contains(QPoint(static_cast<int>(pixelX(*e)), static_cast<int>(pixelY(*e)))))
        m_intents.clicked();
}
