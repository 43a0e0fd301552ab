// The range pictures keep what the scene composition relies on: their size,
// the bull of the target exactly where the bull marker is put, and no other
// difference between them than the target.
#include "asset_files.h"
#include "state/range_facts.h"

#include <QRect>

#include <gtest/gtest.h>

#include <cmath>

using namespace asset_tests;

namespace {

struct Placement {
    const char* file;
    QPoint disc;  // top-left corner of the 18 x 18 bull
};

// The whole pixel nearest to where the core puts the bull marker.
QPoint nearestPixel(range::BullPlace p)
{
    return {static_cast<int>(std::lround(p.Left)), static_cast<int>(std::lround(p.Top))};
}

const Placement withTarget[] = {
    {"range_target_plate1.jpg", nearestPixel(range::bullOnPlate1)},
    {"range_target_plate3.jpg", nearestPixel(range::bullOnPlate3)},
    {"range_target_plate5.jpg", nearestPixel(range::bullOnPlate5)},
};
const char* const allRanges[] = {"range_no_target.jpg", "range_target_plate1.jpg", "range_target_plate3.jpg",
                                 "range_target_plate5.jpg"};

// Centre of pixel (x, y) relative to the bull's centre.
double fromBullCentre(QPoint disc, int x, int y)
{
    const double dx = x + 0.5 - (disc.x() + 9.0);
    const double dy = y + 0.5 - (disc.y() + 9.0);
    return std::sqrt(dx * dx + dy * dy);
}

// The target with its board, tab and shadow, widened to whole JPEG blocks and one block more.
QRect targetNeighbourhood(QPoint disc)
{
    const QRect target(disc.x() - 11, disc.y() - 20, 40 + 3, 48 + 2);
    const int left = (target.left() / 8 - 1) * 8;
    const int top = (target.top() / 8 - 1) * 8;
    const int right = (target.right() / 8 + 2) * 8;
    const int bottom = (target.bottom() / 8 + 2) * 8;
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

TEST(RangePictures, AreFullColourAtTheViewSize)
{
    for (const char* name : allRanges) {
        const QImage image = loadImage(committed(name));
        EXPECT_EQ(image.size(), QSize(1024, 768)) << name;
        EXPECT_FALSE(image.isGrayscale()) << name;
    }
}

TEST(RangePictures, BullCoversExactlyTheMarkerSquare)
{
    for (const Placement& p : withTarget) {
        const QImage image = loadImage(committed(p.file));
        int darkest = 255;
        int lightestInside = 0;
        for (int y = 0; y < 18; ++y) {
            for (int x = 0; x < 18; ++x) {
                if (fromBullCentre(p.disc, p.disc.x() + x, p.disc.y() + y) <= 8.5)
                    lightestInside = std::max(lightestInside, luma(image.pixel(p.disc.x() + x, p.disc.y() + y)));
            }
        }
        // The middle of each side of the square is still disc...
        for (QPoint edge : {QPoint(0, 8), QPoint(0, 9), QPoint(17, 9), QPoint(8, 0), QPoint(9, 17)})
            EXPECT_LT(luma(image.pixel(p.disc + edge)), 90) << p.file << " side pixel " << edge.x() << "," << edge.y();
        EXPECT_LT(lightestInside, 60) << p.file;
        // ...and the board around the square is white, one to three pixels out.
        for (int ring = 1; ring <= 3; ++ring) {
            const QRect around(p.disc - QPoint(ring, ring), QSize(18 + 2 * ring, 18 + 2 * ring));
            for (int x = around.left(); x <= around.right(); ++x) {
                darkest =
                    std::min({darkest, luma(image.pixel(x, around.top())), luma(image.pixel(x, around.bottom()))});
            }
            for (int y = around.top(); y <= around.bottom(); ++y) {
                darkest =
                    std::min({darkest, luma(image.pixel(around.left(), y)), luma(image.pixel(around.right(), y))});
            }
        }
        EXPECT_GT(darkest, 190) << p.file;
    }
}

TEST(RangePictures, ShowNoBullWhereTheirTargetIsNot)
{
    for (const char* name : allRanges) {
        const QImage image = loadImage(committed(name));
        for (const Placement& p : withTarget) {
            if (QString(name) == p.file)
                continue;
            const QRgb centre = image.pixel(p.disc + QPoint(9, 9));
            EXPECT_GT(luma(centre), 100) << name << " at the bull of " << p.file;
        }
    }
}

TEST(RangePictures, DifferOnlyAroundTheTarget)
{
    const QImage bare = loadImage(committed("range_no_target.jpg"));
    for (const Placement& p : withTarget) {
        const QImage image = loadImage(committed(p.file));
        const QRect target = targetNeighbourhood(p.disc);
        const Difference d = difference(bare, image, [&](int x, int y) { return !target.contains(x, y); });
        EXPECT_LT(d.mean, 1.0) << p.file;
        EXPECT_LT(d.max, 16) << p.file;
        const Difference inside = difference(bare, image, [&](int x, int y) { return target.contains(x, y); });
        EXPECT_GT(inside.max, 100) << p.file << " shows its target";
    }
}

TEST(RangePictures, PlatesAreLightPanelsOnTheDarkerFarWall)
{
    const QImage bare = loadImage(committed("range_no_target.jpg"));
    for (int centre : range::plateCentres) {
        const QRgb plate = bare.pixel(centre, range::plateCentreRow);
        EXPECT_GT(qRed(plate), qBlue(plate) + 20) << "beige plate at " << centre;
        EXPECT_GT(luma(plate), luma(bare.pixel(centre, 90)) + 30) << "plate at " << centre << " against the wall";
    }
}

TEST(RangePictures, GrassFillsTheLowerPartInDarkGreen)
{
    const QImage bare = loadImage(committed("range_no_target.jpg"));
    long long green = 0;
    long long counted = 0;
    for (int y = 220; y < 768; y += 4) {
        for (int x = 0; x < 1024; x += 4) {
            const QRgb p = bare.pixel(x, y);
            green += qGreen(p) > qRed(p) + 10 && qGreen(p) > qBlue(p) + 10 && luma(p) < 140;
            ++counted;
        }
    }
    EXPECT_GT(green, counted * 95 / 100);
}

}  // namespace
