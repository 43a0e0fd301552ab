#include "range_targets.h"

#include "bull.h"
#include "colour.h"
#include "prng.h"
#include "state/range_facts.h"

#include <cmath>
#include <stdexcept>

namespace assets {

namespace {

constexpr int plateWidth = 22;
constexpr int plateHeight = 19;
constexpr int boardWidth = 40;
constexpr int boardHeight = 38;
constexpr int tabWidth = 18;
constexpr int tabHeight = 10;

void darken(QImage& image, QRect area, double factor)
{
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            image.setPixel(x, y, toRgb(fromRgb(image.pixel(x, y)) * factor));
}

// A flat face lit from the upper left: lighter top and left rims, darker bottom and right.
void paintPanel(QImage& image, QRect area, Colour face, std::uint64_t seed)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            double light = 0.97 + 0.04 * hashUnit(x, y, seed);
            if (x == area.right() || y == area.bottom())
                light = 0.8;
            else if (x == area.left() || y == area.top())
                light = 1.03;
            image.setPixel(x, y, toRgb(face * light));
        }
    }
}

void paintPlates(QImage& image)
{
    for (int centre : range::plateCentres) {
        const QRect plate(centre - plateWidth / 2, range::plateCentreRow - plateHeight / 2, plateWidth, plateHeight);
        darken(image, plate.translated(2, 1), 0.72);
        paintPanel(image, plate, Colour::bytes(226, 210, 172), 90);
    }
}

void paintTarget(QImage& image, QPoint disc)
{
    const QRect board(disc.x() - (boardWidth - bullSize) / 2, disc.y() - (boardHeight - bullSize) / 2, boardWidth,
                      boardHeight);
    const QRect tab(disc.x() + (bullSize - tabWidth) / 2, board.top() - tabHeight, tabWidth, tabHeight);
    darken(image, board.translated(3, 2), 0.66);
    darken(image, tab.translated(3, 2), 0.66);
    const Colour white = Colour::bytes(242, 242, 238);
    // The tab reaches one row into the board so that the board's top rim runs under it unbroken.
    paintPanel(image, tab.adjusted(0, 0, 0, 1), white, 92);
    paintPanel(image, board, white, 91);
    for (int y = 0; y < bullSize; ++y)
        for (int x = 0; x < bullSize; ++x)
            if (onBullDisc(x, y))
                image.setPixel(disc.x() + x, disc.y() + y, qRgb(14, 14, 14));
}

}  // namespace

QPoint discCorner(int plate)
{
    const auto nearestPixel = [](range::BullPlace p) {
        return QPoint(static_cast<int>(std::lround(p.Left)), static_cast<int>(std::lround(p.Top)));
    };
    switch (plate) {
    case 1:
        return nearestPixel(range::bullOnPlate1);
    case 3:
        return nearestPixel(range::bullOnPlate3);
    case 5:
        return nearestPixel(range::bullOnPlate5);
    default:
        throw std::invalid_argument("the target stands only on plates 1, 3 and 5");
    }
}

QImage rangePicture(const QImage& scene, int plate)
{
    QImage image = scene.copy();
    paintPlates(image);
    if (plate != 0)
        paintTarget(image, discCorner(plate));
    return image;
}

}  // namespace assets
