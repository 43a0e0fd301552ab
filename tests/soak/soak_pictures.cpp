#include "soak_pictures.h"
#include "raster_helpers.h"

#include "harness.h"

namespace {

constexpr std::uint32_t white = rgb(255, 255, 255);
constexpr std::uint32_t black = rgb(0, 0, 0);

// The pistol at the top narrow and to the right, the forearm below it wider; the sprite's
// right-hand ten columns stay empty, as in the real arm.
int runBegin(int y, int height)
{
    return 50 - 45 * y / height;
}

int runEnd(int y, int height)
{
    return 70 + 43 * y / height;
}

void drawArm(Raster& onBlack, Raster& onWhite)
{
    const int h = onBlack.height();
    for (int y = 0; y < h; ++y) {
        const int end = runEnd(y, h);
        for (int x = runBegin(y, h); x < end - 1; ++x) {
            setPixel(onBlack, x, y, armPixel(x, y));
            setPixel(onWhite, x, y, armPixel(x, y));
        }
        setPixel(onBlack, end - 1, y, rgb(40, 30, 20));
        setPixel(onWhite, end - 1, y, rgb(170, 160, 150));
    }
}

}  // namespace

ScenePictures soakPictures()
{
    ScenePictures pictures = testPictures();
    Raster onBlack(pictures.armOnBlack->width(), pictures.armOnBlack->height(), black);
    Raster onWhite(pictures.armOnWhite->width(), pictures.armOnWhite->height(), white);
    drawArm(onBlack, onWhite);
    pictures.armOnBlack = std::make_shared<const Raster>(std::move(onBlack));
    pictures.armOnWhite = std::make_shared<const Raster>(std::move(onWhite));
    return pictures;
}
