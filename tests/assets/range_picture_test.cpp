// The range pictures keep what the scene composition relies on: their size, the bull of each target
// that faces the shooter exactly where the bull marker is put, a target turned away as no more than
// its edge, and no other difference between them than the targets.
#include "asset_files.h"
#include "state/range_facts.h"

#include <QRect>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace asset_tests;

namespace {

struct RangePicture {
    const char* file;
    std::vector<int> facing;  // plates whose target shows its face
    std::vector<int> edgeOn;  // plates whose target shows its edge
};

const RangePicture ranges[] = {
    {"range_no_target.jpg", {}, {}},
    {"range_target_plate1.jpg", {1}, {}},
    {"range_target_plate3.jpg", {3}, {}},
    {"range_target_plate5.jpg", {5}, {}},
    {"range_target_plate3_edge.jpg", {}, {3}},
    {"range_five_targets.jpg", {1, 2, 3, 4, 5}, {}},
    {"range_five_targets_edge.jpg", {}, {1, 2, 3, 4, 5}},
};

// Top-left corner of the 18 x 18 bull on the target in front of `plate`: the whole pixel nearest
// to where the core puts the bull marker.
QPoint disc(int plate)
{
    const range::BullPlace p = range::bullOnPlates.at(static_cast<std::size_t>(plate - 1));
    return {static_cast<int>(std::lround(p.Left)), static_cast<int>(std::lround(p.Top))};
}

bool contains(const std::vector<int>& plates, int plate)
{
    return std::find(plates.begin(), plates.end(), plate) != plates.end();
}

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

// The lit white of a target's board, lighter than any plate or the wall.
bool targetWhite(QRgb p)
{
    return luma(p) > 230;
}

TEST(RangePictures, AreFullColourAtTheViewSize)
{
    for (const RangePicture& r : ranges) {
        const QImage image = loadImage(committed(r.file));
        EXPECT_EQ(image.size(), QSize(1024, 768)) << r.file;
        EXPECT_FALSE(image.isGrayscale()) << r.file;
    }
}

TEST(RangePictures, BullCoversExactlyTheMarkerSquare)
{
    for (const RangePicture& r : ranges) {
        const QImage image = loadImage(committed(r.file));
        for (int plate : r.facing) {
            const QPoint d = disc(plate);
            int darkest = 255;
            int lightestInside = 0;
            for (int y = 0; y < 18; ++y) {
                for (int x = 0; x < 18; ++x) {
                    if (fromBullCentre(d, d.x() + x, d.y() + y) <= 8.5)
                        lightestInside = std::max(lightestInside, luma(image.pixel(d.x() + x, d.y() + y)));
                }
            }
            // The middle of each side of the square is still disc...
            for (QPoint edge : {QPoint(0, 8), QPoint(0, 9), QPoint(17, 9), QPoint(8, 0), QPoint(9, 17)})
                EXPECT_LT(luma(image.pixel(d + edge)), 90)
                    << r.file << " plate " << plate << " side pixel " << edge.x() << "," << edge.y();
            EXPECT_LT(lightestInside, 60) << r.file << " plate " << plate;
            // ...and the board around the square is white, one to three pixels out.
            for (int ring = 1; ring <= 3; ++ring) {
                const QRect around(d - QPoint(ring, ring), QSize(18 + 2 * ring, 18 + 2 * ring));
                for (int x = around.left(); x <= around.right(); ++x) {
                    darkest =
                        std::min({darkest, luma(image.pixel(x, around.top())), luma(image.pixel(x, around.bottom()))});
                }
                for (int y = around.top(); y <= around.bottom(); ++y) {
                    darkest =
                        std::min({darkest, luma(image.pixel(around.left(), y)), luma(image.pixel(around.right(), y))});
                }
            }
            EXPECT_GT(darkest, 190) << r.file << " plate " << plate;
        }
    }
}

TEST(RangePictures, ShowNoBullWhereNoTargetFaces)
{
    for (const RangePicture& r : ranges) {
        const QImage image = loadImage(committed(r.file));
        for (int plate = 1; plate <= 5; ++plate) {
            if (contains(r.facing, plate))
                continue;
            const QPoint d = disc(plate);
            long long sum = 0;
            int n = 0;
            for (int y = d.y(); y < d.y() + 18; ++y) {
                for (int x = d.x(); x < d.x() + 18; ++x) {
                    if (fromBullCentre(d, x, y) <= 8.5) {
                        sum += luma(image.pixel(x, y));
                        ++n;
                    }
                }
            }
            EXPECT_GT(sum / n, 100) << r.file << " at the bull of plate " << plate;
        }
    }
}

TEST(RangePictures, FacingTargetsStandInFrontOfTheirOwnPlates)
{
    // Between the tab and the bull the board hides the middle of the plate behind it.
    const int aboveTheBulls = range::plateCentreRow - 8;
    for (const RangePicture& r : ranges) {
        const QImage image = loadImage(committed(r.file));
        for (int plate : r.facing) {
            const int centre = range::plateCentres.at(static_cast<std::size_t>(plate - 1));
            EXPECT_TRUE(targetWhite(image.pixel(centre, aboveTheBulls))) << r.file << " plate " << plate;
        }
    }
}

TEST(RangePictures, TargetTurnedAwayShowsASliverOnItsBullsMiddleAsTallAsTabAndBoard)
{
    for (const RangePicture& r : ranges) {
        const QImage image = loadImage(committed(r.file));
        for (int plate : r.edgeOn) {
            const QPoint d = disc(plate);
            // From the top of the tab to the row above the foot of the board, which is in shade.
            for (int y = d.y() - 20; y < d.y() + 27; ++y) {
                int left = 1024;
                int right = -1;
                for (int x = d.x() - 11; x < d.x() + 29; ++x) {
                    if (targetWhite(image.pixel(x, y))) {
                        left = std::min(left, x);
                        right = std::max(right, x);
                    }
                }
                ASSERT_GE(right, 0) << r.file << " plate " << plate << " row " << y;
                EXPECT_GE(left, d.x() + 7) << r.file << " plate " << plate << " row " << y;
                EXPECT_LE(right, d.x() + 10) << r.file << " plate " << plate << " row " << y;
            }
        }
    }
}

TEST(RangePictures, DifferOnlyAroundTheTargets)
{
    const QImage bare = loadImage(committed("range_no_target.jpg"));
    for (const RangePicture& r : ranges) {
        std::vector<QRect> targets;
        for (int plate : r.facing)
            targets.push_back(targetNeighbourhood(disc(plate)));
        for (int plate : r.edgeOn)
            targets.push_back(targetNeighbourhood(disc(plate)));
        const QImage image = loadImage(committed(r.file));
        const Difference d = difference(bare, image, [&](int x, int y) {
            return std::none_of(targets.begin(), targets.end(), [&](QRect t) { return t.contains(x, y); });
        });
        EXPECT_LT(d.mean, 1.0) << r.file;
        EXPECT_LT(d.max, 16) << r.file;
        for (QRect t : targets) {
            const Difference inside = difference(bare, image, [&](int x, int y) { return t.contains(x, y); });
            EXPECT_GT(inside.max, 100) << r.file << " shows its target at " << t.x();
        }
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
