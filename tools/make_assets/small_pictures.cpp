#include "small_pictures.h"

#include "bull.h"

#include <cstdlib>

namespace assets {

namespace {

constexpr int arrowLength = 51;
constexpr int arrowWidth = 11;
constexpr int shaftThickness = 7;
constexpr int headLength = 11;

// The arrow pointing right, in its own coordinates: `along` from tail to tip, `across` from one side.
bool onRightArrow(int along, int across)
{
    const int fromAxis = std::abs(across - arrowWidth / 2);
    const int tip = arrowLength - 1;
    if (along > tip - headLength + 1)
        return 2 * fromAxis <= tip - along;
    return fromAxis <= shaftThickness / 2 || along == tip - headLength + 1;
}

}  // namespace

QImage arrow(ArrowDirection direction)
{
    const bool sideways = direction == ArrowDirection::Left || direction == ArrowDirection::Right;
    QImage image(sideways ? arrowLength : arrowWidth, sideways ? arrowWidth : arrowLength, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int last = arrowLength - 1;
            int along = 0;
            int across = 0;
            switch (direction) {
            case ArrowDirection::Right:
                along = x;
                across = y;
                break;
            case ArrowDirection::Left:
                along = last - x;
                across = y;
                break;
            case ArrowDirection::Down:
                along = y;
                across = x;
                break;
            case ArrowDirection::Up:
                along = last - y;
                across = x;
                break;
            }
            image.setPixel(x, y, onRightArrow(along, across) ? qRgb(255, 0, 0) : qRgb(255, 255, 255));
        }
    }
    return image;
}

QImage bullMarker()
{
    QImage image(bullSize, bullSize, QImage::Format_RGB32);
    for (int y = 0; y < bullSize; ++y)
        for (int x = 0; x < bullSize; ++x)
            image.setPixel(x, y, onBullDisc(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    return image;
}

}  // namespace assets
