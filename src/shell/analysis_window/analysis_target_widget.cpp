#include "shell/analysis_window/analysis_target_widget.h"

#include "shot/ring_scoring.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <utility>

namespace {

// The face shown reaches this far from its centre, in mm: the 1-ring and a margin.
constexpr double shownReach = 75;
// The rings from the 7 inwards lie on the black.
constexpr int firstRingOnBlack = 7;

const QColor paper{246, 243, 233};
const QColor black{20, 20, 20};
const QColor markFill{240, 140, 20};
// Not green, which the trace begins in.
const QColor meanCross{200, 40, 170};

// The trace's colours by its phase: green before the last second, yellow in it, blue in its last
// fifth.
const std::array<QColor, 3> phaseColours{QColor{40, 175, 60}, QColor{225, 180, 0}, QColor{30, 140, 255}};
const std::array<double, 3> phaseWidths{1.5, 2, 2.5};
// The chosen shot is ringed in the colour its trace ends in.
const QColor chosenRing = phaseColours.back();

}  // namespace

AnalysisTargetWidget::AnalysisTargetWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("analysisTarget"));
    setAccessibleName(QStringLiteral("Мишена с попаденията"));
    setMinimumSize(260, 260);
}

void AnalysisTargetWidget::display(std::vector<FacePoint> landings, std::optional<FacePoint> meanPoint,
                                   std::vector<TracePoint> trace, std::optional<std::size_t> chosen)
{
    m_landings = std::move(landings);
    m_meanPoint = meanPoint;
    m_trace = std::move(trace);
    m_chosen = chosen;
    m_aim.reset();
    update();
}

void AnalysisTargetWidget::showReplay(std::vector<TracePoint> traceSoFar, std::optional<FacePoint> aim)
{
    m_trace = std::move(traceSoFar);
    m_aim = aim;
    update();
}

void AnalysisTargetWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().window());

    // Millimetres on the face, y up, centred in the widget.
    const double scale = std::min(width(), height()) / (2 * shownReach);
    painter.translate(width() / 2.0, height() / 2.0);
    const auto at = [scale](FacePoint p) { return QPointF(p.x * scale, -p.y * scale); };
    const auto ring = [&](int points) {
        const double r = ringRadius(points) * scale;
        return QRectF(-r, -r, 2 * r, 2 * r);
    };

    painter.setPen(Qt::NoPen);
    painter.setBrush(paper);
    painter.drawEllipse(ring(1));
    painter.setBrush(black);
    painter.drawEllipse(ring(firstRingOnBlack));
    painter.setBrush(Qt::NoBrush);
    for (int points = 1; points <= 10; ++points) {
        painter.setPen(QPen(points >= firstRingOnBlack ? paper : black, 1));
        painter.drawEllipse(ring(points));
    }

    // The move to a point is drawn in that point's phase.
    std::array<QPainterPath, 3> phases;
    for (std::size_t n = 0; n < m_trace.size(); ++n) {
        QPainterPath& path = phases.at(static_cast<std::size_t>(m_trace[n].phase));
        const QPointF p = at(m_trace[n].at);
        if (path.isEmpty())
            path.moveTo(n > 0 ? at(m_trace[n - 1].at) : p);
        path.lineTo(p);
    }
    for (std::size_t phase = 0; phase < phases.size(); ++phase) {
        painter.setPen(QPen(phaseColours.at(phase), phaseWidths.at(phase), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(phases.at(phase));
    }

    const double markRadius = std::max(4.0, 2.2 * scale);
    // The marks over the cross: where every shot went together, they still show.
    if (m_meanPoint) {
        const QPointF p = at(*m_meanPoint);
        const double arm = 1.5 * markRadius;
        painter.setPen(QPen(meanCross, 2.5));
        painter.drawLine(p - QPointF(arm, 0), p + QPointF(arm, 0));
        painter.drawLine(p - QPointF(0, arm), p + QPointF(0, arm));
    }

    // Two digits are set smaller, to fit inside the mark.
    QFont oneDigit = font(), twoDigits = font();
    oneDigit.setPixelSize(static_cast<int>(markRadius * 1.4));
    twoDigits.setPixelSize(static_cast<int>(markRadius * 1.1));
    for (std::size_t n = 0; n < m_landings.size(); ++n) {
        const bool chosen = n == m_chosen;
        const QPointF p = at(m_landings[n]);
        const QRectF mark(p.x() - markRadius, p.y() - markRadius, 2 * markRadius, 2 * markRadius);
        if (chosen) {
            painter.setPen(QPen(chosenRing, 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(p, markRadius + 2, markRadius + 2);
        }
        painter.setPen(QPen(black, 1));
        painter.setBrush(markFill);
        painter.drawEllipse(mark);
        painter.setFont(n + 1 < 10 ? oneDigit : twoDigits);
        painter.drawText(mark, Qt::AlignCenter, QString::number(n + 1));
    }

    if (m_aim) {
        // Ringed in the colour of the trace's last point, with a white edge that shows on the black.
        const QPointF p = at(*m_aim);
        const QColor colour =
            m_trace.empty() ? phaseColours.front() : phaseColours.at(static_cast<std::size_t>(m_trace.back().phase));
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(paper, 4.5));
        painter.drawEllipse(p, markRadius, markRadius);
        painter.setPen(QPen(colour, 2.5));
        painter.drawEllipse(p, markRadius, markRadius);
    }
}
