#include "shell/analysis_window/series_chart_widget.h"

#include "analysis/figure_text.h"

#include <QPainter>
#include <QPainterPath>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

const QColor pointsColour{20, 20, 20};
const QColor decimalColour{30, 110, 200};
const QColor presentBand{250, 232, 160};
const QColor gridColour{200, 200, 200};

QString decimal(double value)
{
    return QString::fromStdString(oneDecimal(value));
}

QString described(const std::vector<SeriesFigures>& run)
{
    QStringList series;
    for (std::size_t n = 0; n < run.size(); ++n) {
        const bool present = n + 1 == run.size();
        QString text = QStringLiteral("серия %1").arg(n + 1);
        if (present)
            text += QStringLiteral(", текущата");
        if (run[n].shots == 0)
            text += QStringLiteral(": без изстрели");
        else
            text += QStringLiteral(": %1 точки, %2 десетични").arg(run[n].points).arg(decimal(run[n].decimal));
        series << text;
    }
    return series.join(QStringLiteral("; "));
}

// Round figures that hold every value shown, ten or a multiple of it apart.
std::pair<int, int> valueRange(const std::vector<SeriesFigures>& run)
{
    double low = 1e9, high = -1e9;
    for (const SeriesFigures& f : run) {
        if (f.shots == 0)
            continue;
        low = std::min(low, double(f.points));
        high = std::max(high, f.decimal);
    }
    if (low > high)
        return {0, 10};
    const int bottom = static_cast<int>(std::floor(low / 10)) * 10;
    const int top = std::max(bottom + 10, static_cast<int>(std::ceil(high / 10)) * 10);
    return {bottom, top};
}

}  // namespace

SeriesChartWidget::SeriesChartWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("seriesChart"));
    setAccessibleName(QStringLiteral("Серии от стрелбата"));
    setMinimumSize(220, 170);
}

void SeriesChartWidget::display(std::vector<SeriesFigures> run)
{
    m_run = std::move(run);
    setAccessibleDescription(described(m_run));
    update();
}

void SeriesChartWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().base());
    if (m_run.empty())
        return;

    QFont small = font();
    small.setPointSizeF(font().pointSizeF() * 0.85);
    painter.setFont(small);
    const QFontMetricsF metrics(small);
    const double line = metrics.height();
    const double yLabels = metrics.horizontalAdvance(QStringLiteral("000")) + 8;
    // Below the key, above the series' numbers; the values keep a line's room for their figures.
    const QRectF plot(yLabels, 1.2 * line, width() - yLabels - 8, height() - 2.5 * line);
    const QRectF values = plot.adjusted(0, line + 5, 0, -(line + 5));
    const auto [bottom, top] = valueRange(m_run);
    const auto y = [&, bottom = bottom, top = top](double value) {
        return values.bottom() - (value - bottom) / (top - bottom) * values.height();
    };
    const double slot = plot.width() / static_cast<double>(m_run.size());
    const auto x = [&](std::size_t n) { return plot.left() + (static_cast<double>(n) + 0.5) * slot; };

    painter.fillRect(
        QRectF(plot.left() + slot * static_cast<double>(m_run.size() - 1), plot.top(), slot, plot.height()),
        presentBand);
    const int step = (top - bottom) <= 50 ? 10 : 20;
    for (int value = bottom; value <= top; value += step) {
        painter.setPen(QPen(gridColour, 1));
        painter.drawLine(QPointF(plot.left(), y(value)), QPointF(plot.right(), y(value)));
        painter.setPen(palette().text().color());
        painter.drawText(QRectF(0, y(value) - line / 2, plot.left() - 4, line), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(value));
    }
    // A label per series while they have room, else every few.
    const std::size_t labelEvery = std::max<std::size_t>(1, static_cast<std::size_t>(std::ceil(2.4 * line / slot)));
    for (std::size_t n = 0; n < m_run.size(); ++n) {
        if (n % labelEvery != 0 && n + 1 != m_run.size())
            continue;
        QFont number = small;
        number.setBold(n + 1 == m_run.size());
        painter.setFont(number);
        painter.drawText(QRectF(x(n) - slot, plot.bottom() + 2, 2 * slot, line), Qt::AlignHCenter | Qt::AlignTop,
                         QString::number(n + 1));
    }
    painter.setFont(small);

    QPainterPath points, decimals;
    for (std::size_t n = 0; n < m_run.size(); ++n) {
        if (m_run[n].shots == 0)
            continue;
        const QPointF p(x(n), y(m_run[n].points)), d(x(n), y(m_run[n].decimal));
        // Not isEmpty(), which a path of one moveTo still is.
        if (points.elementCount() == 0) {
            points.moveTo(p);
            decimals.moveTo(d);
        } else {
            points.lineTo(p);
            decimals.lineTo(d);
        }
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(decimalColour, 1.5));
    painter.drawPath(decimals);
    painter.setPen(QPen(pointsColour, 1.5));
    painter.drawPath(points);

    const double radius = std::clamp(slot / 6, 2.0, 4.0);
    const bool labelled = slot >= metrics.horizontalAdvance(QStringLiteral("000,0")) + 4;
    for (std::size_t n = 0; n < m_run.size(); ++n) {
        const SeriesFigures& f = m_run[n];
        if (f.shots == 0)
            continue;
        const QPointF p(x(n), y(f.points)), d(x(n), y(f.decimal));
        painter.setPen(QPen(decimalColour, 1.5));
        painter.setBrush(palette().base());
        painter.drawEllipse(d, radius, radius);
        painter.setPen(Qt::NoPen);
        painter.setBrush(pointsColour);
        painter.drawEllipse(p, radius, radius);
        if (!labelled && n + 1 != m_run.size())
            continue;
        painter.setPen(decimalColour);
        painter.drawText(QRectF(d.x() - slot, d.y() - radius - line, 2 * slot, line),
                         Qt::AlignHCenter | Qt::AlignBottom, decimal(f.decimal));
        painter.setPen(pointsColour);
        painter.drawText(QRectF(p.x() - slot, p.y() + radius, 2 * slot, line), Qt::AlignHCenter | Qt::AlignTop,
                         QString::number(f.points));
    }

    // The key, in the top line.
    painter.setPen(pointsColour);
    painter.setBrush(pointsColour);
    const double keyY = 0.6 * line;
    painter.drawEllipse(QPointF(plot.left() + radius, keyY), radius, radius);
    const QString pointsKey = QStringLiteral("точки");
    painter.drawText(QPointF(plot.left() + 2 * radius + 4, keyY + metrics.ascent() / 2 - 1), pointsKey);
    const double decimalKeyLeft = plot.left() + 2 * radius + 16 + metrics.horizontalAdvance(pointsKey);
    painter.setPen(QPen(decimalColour, 1.5));
    painter.setBrush(palette().base());
    painter.drawEllipse(QPointF(decimalKeyLeft + radius, keyY), radius, radius);
    painter.setPen(decimalColour);
    painter.drawText(QPointF(decimalKeyLeft + 2 * radius + 4, keyY + metrics.ascent() / 2 - 1),
                     QStringLiteral("десетични"));
}
