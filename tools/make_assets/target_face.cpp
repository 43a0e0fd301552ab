#include "target_face.h"

#include "glyphs.h"
#include "state/range_facts.h"

#include <cmath>

namespace assets {

namespace {

constexpr QRgb paper = 0xFFFFFFFF;
constexpr QRgb black = 0xFF000000;
const QRgb grey = qRgb(128, 128, 128);
const QRgb centreGrey = qRgb(192, 192, 192);
// Rings 4 and inwards make up the black of the target, here printed grey.
constexpr int firstBlackRing = 4;

using range::ringRadii;
constexpr double pixelsPerMm = range::targetPixelsPerMillimetre;
constexpr double centreX = range::faceCentreLeft * pixelsPerMm;
constexpr double centreY = range::faceCentreTop * pixelsPerMm;

QRgb faceColour(double distance)
{
    for (double radius : ringRadii)
        if (std::fabs(distance - radius * pixelsPerMm) < 0.5)
            return black;
    if (distance < centreDotRadiusMm * pixelsPerMm)
        return centreGrey;
    if (distance < ringRadii[firstBlackRing - 1] * pixelsPerMm)
        return grey;
    return paper;
}

// Ring n's number, in the middle of its band on each of the four half-axes.
void drawRingNumber(QImage& image, int ring)
{
    const double middle = (ringRadii[ring - 1] + ringRadii[ring]) / 2.0 * pixelsPerMm;
    // The band of ring 9 is too narrow for the larger digits.
    const int scale = ring == 9 ? 1 : 2;
    const double halfWidth = glyphWidth * scale / 2.0;
    const double halfHeight = glyphHeight * scale / 2.0;
    const double offsets[4][2] = {{middle, 0.0}, {-middle, 0.0}, {0.0, middle}, {0.0, -middle}};
    for (const auto& offset : offsets) {
        const int left = static_cast<int>(std::floor(centreX + offset[0] - halfWidth + 0.5));
        const int top = static_cast<int>(std::floor(centreY + offset[1] - halfHeight + 0.5));
        drawDigit(image, ring, left, top, scale, black);
    }
}

}  // namespace

QImage targetFace()
{
    QImage image(faceWidth, faceHeight, QImage::Format_RGB32);
    for (int y = 0; y < faceHeight; ++y) {
        for (int x = 0; x < faceWidth; ++x) {
            const double dx = x + 0.5 - centreX;
            const double dy = y + 0.5 - centreY;
            image.setPixel(x, y, faceColour(std::sqrt(dx * dx + dy * dy)));
        }
    }
    for (int ring = 1; ring <= 9; ++ring)
        drawRingNumber(image, ring);
    return image;
}

}  // namespace assets
