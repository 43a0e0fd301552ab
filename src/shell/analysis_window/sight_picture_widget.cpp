#include "shell/analysis_window/sight_picture_widget.h"

#include "state/main_window.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr double magnification = 8;
// The part of the range view shown, in pixels from the rear sight's corner: the notch in the
// middle, the rear sight whole, and 6 px above it for the bull held on it.
const QRectF shown{-3.5, -6, 52, 27};

const QColor board{246, 243, 233};
const QColor bullColour{95, 95, 95};
const QColor sightColour{QRgb{sightColor}};
const QColor levelBladeOutline{230, 40, 40};

QRectF rect(const SightRect& r)
{
    return {r.left, r.top, r.width, r.height};
}

}  // namespace

SightPictureWidget::SightPictureWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("sightPicture"));
    setAccessibleName(QStringLiteral("Прицелна картина, увеличена осем пъти"));
    setAccessibleDescription(QStringLiteral("Мушката в прореза; с пунктир е мястото ѝ без отклонение"));
    setFixedSize((shown.size() * magnification).toSize());
}

void SightPictureWidget::display(const std::optional<SightReading>& sights)
{
    m_picture.reset();
    if (sights)
        m_picture = sightPicture(*sights);
    update();
}

void SightPictureWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), board);
    if (!m_picture)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(magnification, magnification);
    painter.translate(-shown.topLeft());
    painter.setClipRect(shown);
    painter.setPen(Qt::NoPen);

    const SightPicture& p = *m_picture;
    painter.setBrush(bullColour);
    painter.drawEllipse(::rect(p.bull));

    // One path, so that the antialiased edges where the pieces overlap leave no seam.
    QPainterPath sights;
    sights.setFillRule(Qt::WindingFill);
    for (const SightRect* piece : {&p.leftPost, &p.rightPost, &p.base, &p.blade})
        sights.addRect(::rect(*piece));
    painter.setBrush(sightColour);
    painter.drawPath(sights);

    QPen outline(levelBladeOutline, 1.5, Qt::DashLine);
    outline.setCosmetic(true);
    painter.setPen(outline);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(::rect(p.levelBlade));
}
