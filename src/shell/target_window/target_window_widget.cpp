#include "shell/target_window/target_window_widget.h"

#include "forms/units.h"
#include "shell/child_widget.h"
#include "shell/crisp_image.h"
#include "shell/widget_sync.h"
#include "state/range_facts.h"
#include "state/target_controls.h"

#include <QCloseEvent>
#include <QFont>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

constexpr double pixelsPerMillimetre = range::targetPixelsPerMillimetre;
const auto millimetresPerPixel = static_cast<float>(units::millimetresFromPixels(1));
constexpr QColor markColour{0, 0, 0};
constexpr QColor frameColour{64, 64, 64};
constexpr int frameWidth = 5;
constexpr int controlsPointSize = 8;

struct Arrow {
    const char* name;
    const char* picture;
    Control TargetControls::*control;
};

constexpr std::array<Arrow, 4> arrows{{
    {"Picture2", "arrow_left.png", &TargetControls::Picture2},
    {"Picture1", "arrow_right.png", &TargetControls::Picture1},
    {"Picture3", "arrow_up.png", &TargetControls::Picture3},
    {"Picture4", "arrow_down.png", &TargetControls::Picture4},
}};

QRectF exactPixels(const Control& c)
{
    if (!c.Visible)
        return {};
    return {c.Left * pixelsPerMillimetre, c.Top * pixelsPerMillimetre, c.Width * pixelsPerMillimetre,
            c.Height * pixelsPerMillimetre};
}

// A picture that reacts to nothing, drawn pixel for pixel: a plain QLabel smooths its picture at
// a fractional scale factor, and at 2.
class Picture : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        drawCrisp(painter, pixmap().toImage(), {0, 0}, event->rect());
    }
};

// A sight bar: the keys and the mouse wheel move it by its small or its large step.
class SightBar : public QScrollBar {
public:
    using QScrollBar::QScrollBar;

protected:
    // The Right arrow moves towards the right or bottom end and Left back, on either bar, as Down
    // and Up do; Qt 6 has them the other way round on a scroll bar.
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Right || event->key() == Qt::Key_Left)
            triggerAction(event->key() == Qt::Key_Right ? SliderSingleStepAdd : SliderSingleStepSub);
        else
            QScrollBar::keyPressEvent(event);
    }

    // One notch of the wheel, 120 eighths of a degree, is one small step, where Qt would move the
    // desktop's lines per notch (three by default). A finer wheel's smaller turns add up to notches.
    void wheelEvent(QWheelEvent* event) override
    {
        const QPoint turned = event->angleDelta();
        m_eighths += std::abs(turned.x()) > std::abs(turned.y()) ? turned.x() : turned.y();
        const int notches = m_eighths / eighthsPerNotch;
        m_eighths -= notches * eighthsPerNotch;
        // Away from the user, or to the left, is towards the top and the left end.
        for (int n = 0; n < std::abs(notches); ++n)
            triggerAction(notches > 0 ? SliderSingleStepSub : SliderSingleStepAdd);
        event->accept();
    }

private:
    static constexpr int eighthsPerNotch = 120;
    int m_eighths = 0;
};

}  // namespace

TargetWindowWidget::TargetWindowWidget(const std::string& caption, TargetWindowIntents intents)
    : m_intents(std::move(intents)), m_face(QStringLiteral(":/pictures/target_face.png"))
{
    setObjectName(QStringLiteral("proverka"));
    setWindowTitle(QString::fromStdString(caption));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_QuitOnClose, false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(TargetControls::clientWidthPixels, TargetControls::clientHeightPixels);
    QFont controlsFont = font();
    controlsFont.setPointSize(controlsPointSize);
    setFont(controlsFont);
    m_labelFont = controlsFont;
    m_labelFont.setBold(true);

    // Each text box beside a bar is read under the bar's name.
    const QString windage = QStringLiteral("Странична поправка"), elevation = QStringLiteral("Поправка по височина");
    addEdit(0, "tbi", QStringLiteral("Точки"), &TargetControls::tbi);
    addEdit(1, "tHorizont", windage, &TargetControls::tHorizont);
    addEdit(2, "tVertikal", elevation, &TargetControls::tVertikal);
    addBar(0, "Horizont", windage, Qt::Horizontal, &TargetControls::Horizont);
    addBar(1, "Vertikal", elevation, Qt::Vertical, &TargetControls::Vertikal);
    for (std::size_t n = 0; n < arrows.size(); ++n) {
        QLabel* arrow = childWidget<Picture>(this, arrows.at(n).name);
        arrow->setPixmap(QPixmap(QStringLiteral(":/pictures/") + QString::fromLatin1(arrows.at(n).picture)));
        m_arrows.at(n) = arrow;
    }
}

void TargetWindowWidget::addEdit(std::size_t n, const char* name, const QString& spokenName,
                                 TextBox TargetControls::*box)
{
    auto* edit = childWidget<QLineEdit>(this, name);
    edit->setAccessibleName(spokenName);
    m_edits.at(n) = {edit, box, {}};
    connect(edit, &QLineEdit::textEdited, this, [this, n](const QString& typed) {
        Edit& e = m_edits.at(n);
        e.shown = typed.toStdString();
        m_intents.typed(e.box, e.shown);
    });
}

void TargetWindowWidget::addBar(std::size_t n, const char* name, const QString& spokenName, Qt::Orientation orientation,
                                ScrollBar TargetControls::*bar)
{
    QScrollBar* widget = childWidget<SightBar>(this, name);
    widget->setAccessibleName(spokenName);
    widget->setOrientation(orientation);
    m_bars.at(n) = {widget, bar};
    connect(widget, &QScrollBar::valueChanged, this, [this, bar](int value) { m_intents.movedBar(bar, value); });
}

TargetWindowWidget::Drawn TargetWindowWidget::drawnShapes(const TargetControls& c)
{
    Drawn d;
    for (int k = 1; k <= 10; ++k) {
        d.circles.at(static_cast<std::size_t>(k - 1)) = exactPixels(c.dum(k));
        if (c.dum(k).Visible)
            d.labels.at(static_cast<std::size_t>(k - 1)) = QString::fromStdString(c.markLabel(k));
    }
    d.circles.back() = exactPixels(c.Shape1);
    d.frame = c.Shape2.Visible ? QRectF(pixelRect(c.Shape2, millimetresPerPixel)) : QRectF();
    return d;
}

void TargetWindowWidget::sync(const TargetControls& c)
{
    for (Edit& e : m_edits) {
        const TextBox& box = c.*e.box;
        syncPlace(*e.widget, box, millimetresPerPixel);
        syncText(*e.widget, box.text(), e.shown);
    }
    for (const Bar& b : m_bars) {
        const ScrollBar& bar = c.*b.bar;
        syncPlace(*b.widget, bar, millimetresPerPixel);
        const QSignalBlocker quiet(b.widget);
        b.widget->setRange(bar.Min, bar.Max);
        b.widget->setSingleStep(bar.SmallChange);
        b.widget->setPageStep(bar.LargeChange);
        b.widget->setValue(bar.value());
    }
    for (std::size_t n = 0; n < arrows.size(); ++n)
        syncPlace(*m_arrows.at(n), c.*arrows.at(n).control, millimetresPerPixel);

    Drawn now = drawnShapes(c);
    if (now == m_drawn)
        return;
    m_drawn = now;
    update();
}

void TargetWindowWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    drawCrisp(painter, m_face, {0, 0}, event->rect());

    const QRect frame = m_drawn.frame.toRect();
    if (!frame.isEmpty()) {
        painter.fillRect(frame.x(), frame.y(), frame.width(), frameWidth, frameColour);
        painter.fillRect(frame.x(), frame.bottom() - frameWidth + 1, frame.width(), frameWidth, frameColour);
        painter.fillRect(frame.x(), frame.y(), frameWidth, frame.height(), frameColour);
        painter.fillRect(frame.right() - frameWidth + 1, frame.y(), frameWidth, frame.height(), frameColour);
    }

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(markColour);
    for (const QRectF& circle : m_drawn.circles)
        if (!circle.isNull())
            painter.drawEllipse(circle);
    drawLabels(painter);
}

// Each label on a white tag up and right of its mark, readable on the black of the bull as on the
// white of the rings; a tag that would cover an earlier one goes up above it.
void TargetWindowWidget::drawLabels(QPainter& painter) const
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(m_labelFont);
    const QFontMetrics metrics(m_labelFont);
    std::vector<QRect> placed;
    for (std::size_t k = 0; k < m_drawn.labels.size(); ++k) {
        const QString& label = m_drawn.labels.at(k);
        if (label.isEmpty())
            continue;
        const QPointF corner = m_drawn.circles.at(k).topRight();
        const QSize text = metrics.boundingRect(label).size();
        QRect tag(static_cast<int>(corner.x()), static_cast<int>(corner.y()) - text.height() - 1, text.width() + 4,
                  text.height() + 2);
        const auto coveredTag = [&] {
            return std::ranges::find_if(placed, [&](const QRect& r) { return r.intersects(tag); });
        };
        for (auto earlier = coveredTag(); earlier != placed.end(); earlier = coveredTag())
            tag.moveBottom(earlier->top() - 1);
        placed.push_back(tag);
        painter.setPen(markColour);
        painter.setBrush(Qt::white);
        painter.drawRect(tag.adjusted(0, 0, -1, -1));
        painter.drawText(tag, Qt::AlignCenter, label);
    }
}

void TargetWindowWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
        m_pressed = event->button();
}

// The second press of a quick double-click is a press like any other.
void TargetWindowWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}

// A press and release of the same button over the window is its Click.
void TargetWindowWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != m_pressed)
        return;
    m_pressed = Qt::NoButton;
    if (rect().contains(event->position().toPoint()))
        m_intents.clicked();
}

// Closed by the window manager: the window is unloaded, as the model has it.
void TargetWindowWidget::closeEvent(QCloseEvent* event)
{
    m_intents.closed();
    event->accept();
}
