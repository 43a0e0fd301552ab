// The target face agrees with the scoring: its ring lines lie on the radii
// that decide the points, around the point where a centred mark lands.
#include "asset_files.h"
#include "state/range_facts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace asset_tests;

namespace {

constexpr double pixelsPerMm = range::targetPixelsPerMillimetre;
constexpr double centreX = range::faceCentreLeft * pixelsPerMm;
constexpr double centreY = range::faceCentreTop * pixelsPerMm;
// Outer radius of the zones scoring 1 to 10, in millimetres: the scoring's own.
using range::ringRadii;

constexpr QRgb black = 0xFF000000;

class TargetFace : public ::testing::Test {
protected:
    QImage face = loadImage(committed("target_face.png")).convertToFormat(QImage::Format_RGB32);

    QRgb atMm(double dxMm, double dyMm) const
    {
        return face.pixel(static_cast<int>(std::floor(centreX + dxMm * pixelsPerMm)),
                          static_cast<int>(std::floor(centreY + dyMm * pixelsPerMm)));
    }
};

TEST_F(TargetFace, IsA24BitPictureOfTheWindowBackgroundSize)
{
    const QImage raw = loadImage(committed("target_face.png"));
    EXPECT_EQ(raw.size(), QSize(601, 533));
    EXPECT_FALSE(raw.hasAlphaChannel());
}

TEST_F(TargetFace, ZonesHaveTheirColours)
{
    EXPECT_EQ(face.pixel(298, 262), qRgb(192, 192, 192)) << "centre";
    EXPECT_EQ(face.pixel(299, 263), qRgb(192, 192, 192)) << "centre";
    EXPECT_EQ(atMm(1.0, 1.0), qRgb(192, 192, 192)) << "inside the centre dot";
    EXPECT_EQ(atMm(2.0, 0.3), qRgb(128, 128, 128)) << "10 zone outside the dot";
    EXPECT_EQ(atMm(30.0, 10.0), qRgb(128, 128, 128)) << "5 zone";
    EXPECT_EQ(atMm(31.0, 31.0), qRgb(128, 128, 128)) << "4 zone";
    EXPECT_EQ(atMm(35.0, 35.0), qRgb(255, 255, 255)) << "3 zone";
    EXPECT_EQ(atMm(47.0, 5.0), qRgb(255, 255, 255)) << "3 zone";
    EXPECT_EQ(face.pixel(3, 3), qRgb(255, 255, 255)) << "outside the rings";
}

// Radii, in pixels, of the black lines met going out from the centre along a
// direction: the ink within a narrow strip along it, grouped where it lies close together.
std::vector<double> lineRadii(const QImage& face, double ux, double uy)
{
    std::vector<double> distances;
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            const double dx = x + 0.5 - centreX;
            const double dy = y + 0.5 - centreY;
            const double along = dx * ux + dy * uy;
            if (along > 0.0 && std::fabs(dx * uy - dy * ux) < 1.5 && face.pixel(x, y) == black)
                distances.push_back(std::sqrt(dx * dx + dy * dy));
        }
    }
    std::sort(distances.begin(), distances.end());
    std::vector<double> radii;
    std::size_t first = 0;
    for (std::size_t i = 1; i <= distances.size(); ++i) {
        if (i == distances.size() || distances[i] - distances[i - 1] > 3.0) {
            double sum = 0.0;
            for (std::size_t j = first; j < i; ++j)
                sum += distances[j];
            radii.push_back(sum / static_cast<double>(i - first));
            first = i;
        }
    }
    return radii;
}

TEST_F(TargetFace, RingLinesLieOnTheScoringRadiiAlongTheDiagonals)
{
    const double d = std::sqrt(0.5);
    for (auto [ux, uy] : {std::pair{d, d}, std::pair{-d, d}, std::pair{d, -d}, std::pair{-d, -d}}) {
        const std::vector<double> radii = lineRadii(face, ux, uy);
        ASSERT_EQ(radii.size(), 10u) << ux << "," << uy;
        for (int i = 0; i < 10; ++i)
            EXPECT_NEAR(radii[9 - i], ringRadii[i] * pixelsPerMm, 0.5) << "ring " << i + 1;
    }
}

TEST_F(TargetFace, RingLinesCrossTheAxesOnePixelWide)
{
    for (double radius : ringRadii) {
        const double r = radius * pixelsPerMm;
        const int y = static_cast<int>(std::floor(centreY));
        const int x = static_cast<int>(std::floor(centreX));
        const int right = static_cast<int>(std::floor(centreX + r));
        const int left = static_cast<int>(std::floor(centreX - r));
        const int below = static_cast<int>(std::floor(centreY + r));
        const int above = static_cast<int>(std::floor(centreY - r));
        EXPECT_EQ(face.pixel(right, y), black) << radius;
        EXPECT_EQ(face.pixel(left, y), black) << radius;
        EXPECT_EQ(face.pixel(x, below), black) << radius;
        EXPECT_EQ(face.pixel(x, above), black) << radius;
        EXPECT_NE(face.pixel(right + 2, y), black) << radius;
        EXPECT_NE(face.pixel(right - 2, y), black) << radius;
        EXPECT_NE(face.pixel(x, above - 2), black) << radius;
    }
}

TEST_F(TargetFace, EveryRingCarriesItsNumberOnAllFourHalfAxes)
{
    for (int ring = 1; ring <= 9; ++ring) {
        // Look in the middle half of the band between the ring's two lines, near the axis.
        const double inner = ringRadii[ring] * pixelsPerMm;
        const double outer = ringRadii[ring - 1] * pixelsPerMm;
        const double from = inner + (outer - inner) * 0.25;
        const double to = inner + (outer - inner) * 0.75;
        for (auto [ux, uy] : {std::pair{1, 0}, std::pair{-1, 0}, std::pair{0, 1}, std::pair{0, -1}}) {
            int ink = 0;
            for (double r = from; r <= to; r += 0.5) {
                for (int side = -3; side <= 3; ++side) {
                    const int x = static_cast<int>(std::floor(centreX + ux * r + uy * side));
                    const int y = static_cast<int>(std::floor(centreY + uy * r + ux * side));
                    ink += face.pixel(x, y) == black;
                }
            }
            EXPECT_GT(ink, 4) << "ring " << ring << " towards " << ux << "," << uy;
        }
    }
}

TEST_F(TargetFace, HoldsOnlyTheFourColoursOfThePrint)
{
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            const QRgb p = face.pixel(x, y);
            ASSERT_TRUE(p == black || p == qRgb(255, 255, 255) || p == qRgb(128, 128, 128) || p == qRgb(192, 192, 192))
                << x << "," << y;
        }
    }
}

}  // namespace
