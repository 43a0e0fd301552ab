#include "shell/crisp_image.h"

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The picture's pixel, of `count` from `first` on, under the centre of a device pixel.
int pixelUnder(int device, double origin, double scale, int first, int count)
{
    const int pixel = static_cast<int>(std::ceil((device + 0.5 - origin) / scale)) - 1 - first;
    return std::clamp(pixel, 0, count - 1);
}

}  // namespace

void drawCrisp(QPainter& painter, const QImage& pixels, QPoint at, const QRect& exposed)
{
    const QImage source =
        pixels.convertToFormat(pixels.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    const QTransform toDevice = painter.deviceTransform();
    const QRect area = toDevice.mapRect(QRectF(exposed & QRect(at, source.size()))).toAlignedRect();
    if (area.isEmpty())
        return;

    std::vector<int> columns(static_cast<std::size_t>(area.width()));
    for (int i = 0; i < area.width(); ++i)
        columns[static_cast<std::size_t>(i)] =
            pixelUnder(area.x() + i, toDevice.dx(), toDevice.m11(), at.x(), source.width());
    QImage shown(area.size(), source.format());
    for (int j = 0; j < area.height(); ++j) {
        const int row = pixelUnder(area.y() + j, toDevice.dy(), toDevice.m22(), at.y(), source.height());
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(row));
        auto* to = reinterpret_cast<QRgb*>(shown.scanLine(j));
        for (std::size_t i = 0; i < columns.size(); ++i)
            to[i] = from[columns[i]];
    }

    painter.save();
    // The inverse built from its parts, so that a device offset of a whole number of the painter's
    // points times the scale divides out exactly and the drawing is a plain copy.
    painter.setWorldTransform(QTransform(1 / toDevice.m11(), 0, 0, 1 / toDevice.m22(), -toDevice.dx() / toDevice.m11(),
                                         -toDevice.dy() / toDevice.m22()));
    // In bands: Qt's raster engine hands a copy of more rows to its thread pool, which then wakes
    // two threads at every frame for a copy that one does in a fraction of a millisecond.
    constexpr int bandRows = 64;
    for (int top = 0; top < shown.height(); top += bandRows)
        painter.drawImage(area.topLeft() + QPoint(0, top), shown, QRect(0, top, shown.width(), bandRows));
    painter.restore();
}
