#include "icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace assets {

namespace {

// The outlines are laid out on a 256 x 256 grid and scaled to the icon's size.
QPainterPath slideOutline()
{
    QPainterPath p;
    p.addRoundedRect(QRectF(28, 62, 206, 44), 6, 6);
    return p;
}

QPainterPath frameOutline()
{
    QPainterPath p;
    p.moveTo(50, 104);
    p.lineTo(226, 104);
    p.lineTo(226, 122);
    p.lineTo(150, 122);
    // Trigger guard.
    p.cubicTo(150, 152, 120, 158, 104, 146);
    p.lineTo(96, 122);
    p.lineTo(50, 122);
    p.closeSubpath();
    return p;
}

QPainterPath gripOutline()
{
    QPainterPath p;
    p.moveTo(44, 110);
    p.lineTo(104, 114);
    p.lineTo(92, 226);
    p.quadTo(90, 236, 80, 236);
    p.lineTo(34, 236);
    p.quadTo(22, 236, 24, 224);
    p.closeSubpath();
    return p;
}

QLinearGradient silver(double top, double bottom)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0.0, QColor(238, 240, 244));
    g.setColorAt(0.45, QColor(182, 186, 194));
    g.setColorAt(1.0, QColor(120, 124, 132));
    return g;
}

}  // namespace

QImage pistolIcon(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 256.0, size / 256.0);
    const QPen edge(QColor(90, 94, 102), 3.0);

    painter.setPen(edge);
    painter.setBrush(silver(104, 150));
    painter.drawPath(frameOutline());
    // The trigger.
    painter.setBrush(QColor(150, 154, 162));
    painter.drawRoundedRect(QRectF(118, 118, 10, 26), 4, 4);

    painter.setPen(QPen(QColor(120, 124, 132), 3.0));
    painter.setBrush(QColor(22, 22, 24));
    painter.drawPath(gripOutline());
    // Chequering on the grip panel.
    painter.setPen(QPen(QColor(64, 64, 70), 2.0));
    for (int i = 0; i < 6; ++i)
        painter.drawLine(QPointF(44 - i * 2.0, 140 + i * 16.0), QPointF(90 - i * 1.0, 140 + i * 16.0));

    painter.setPen(edge);
    painter.setBrush(silver(62, 106));
    painter.drawPath(slideOutline());
    // Serrations at the rear of the slide, the ejection port and the sights.
    painter.setPen(QPen(QColor(100, 104, 112), 2.5));
    for (int i = 0; i < 5; ++i)
        painter.drawLine(QPointF(40 + i * 8.0, 68), QPointF(40 + i * 8.0, 100));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 62, 68));
    painter.drawRect(QRectF(120, 70, 40, 12));
    painter.setBrush(QColor(200, 204, 210));
    painter.drawRect(QRectF(34, 52, 16, 10));
    painter.drawRect(QRectF(216, 54, 8, 8));
    // The muzzle.
    painter.setBrush(QColor(20, 20, 22));
    painter.drawEllipse(QRectF(226, 76, 7, 12));
    return image;
}

}  // namespace assets
