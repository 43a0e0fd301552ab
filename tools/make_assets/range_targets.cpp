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
constexpr int edgeWidth = 2;
constexpr Colour targetWhite = Colour::bytes(242, 242, 238);

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

// The board with its tab above, the bull on the board.
void paintFacingTarget(QImage& image, QPoint disc)
{
    const QRect board(disc.x() - (boardWidth - bullSize) / 2, disc.y() - (boardHeight - bullSize) / 2, boardWidth,
                      boardHeight);
    const QRect tab(disc.x() + (bullSize - tabWidth) / 2, board.top() - tabHeight, tabWidth, tabHeight);
    darken(image, board.translated(3, 2), 0.66);
    darken(image, tab.translated(3, 2), 0.66);
    // The tab reaches one row into the board so that the board's top rim runs under it unbroken.
    paintPanel(image, tab.adjusted(0, 0, 0, 1), targetWhite, 92);
    paintPanel(image, board, targetWhite, 91);
    for (int y = 0; y < bullSize; ++y)
        for (int x = 0; x < bullSize; ++x)
            if (onBullDisc(x, y))
                image.setPixel(disc.x() + x, disc.y() + y, qRgb(14, 14, 14));
}

// Turned about its upright middle, the target shows its edge: a sliver as tall as tab and board,
// lit on its left as the faces are.
void paintEdgeOnTarget(QImage& image, QPoint disc)
{
    const int top = disc.y() - (boardHeight - bullSize) / 2 - tabHeight;
    const QRect edge(disc.x() + bullSize / 2 - edgeWidth / 2, top, edgeWidth, tabHeight + boardHeight);
    darken(image, edge.translated(3, 2), 0.66);
    paintPanel(image, edge, targetWhite, 93);
}

}  // namespace

QPoint discCorner(int plate)
{
    if (plate < 1 || plate > static_cast<int>(range::bullOnPlates.size()))
        throw std::invalid_argument("the range has plates 1 to 5");
    const range::BullPlace p = range::bullOnPlates[static_cast<std::size_t>(plate - 1)];
    return {static_cast<int>(std::lround(p.Left)), static_cast<int>(std::lround(p.Top))};
}

std::vector<StandingTarget> onEveryPlate(TargetTurn turn)
{
    std::vector<StandingTarget> targets;
    for (int plate = 1; plate <= static_cast<int>(range::plateCentres.size()); ++plate)
        targets.push_back({plate, turn});
    return targets;
}

QImage rangePicture(const QImage& scene, const std::vector<StandingTarget>& targets)
{
    QImage image = scene.copy();
    paintPlates(image);
    for (const StandingTarget& t : targets) {
        if (t.turn == TargetTurn::Facing)
            paintFacingTarget(image, discCorner(t.plate));
        else
            paintEdgeOnTarget(image, discCorner(t.plate));
    }
    return image;
}

}  // namespace assets
