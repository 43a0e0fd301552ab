#include "soak_pictures.h"

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
            onBlack.setPixel(x, y, armPixel(x, y));
            onWhite.setPixel(x, y, armPixel(x, y));
        }
        onBlack.setPixel(end - 1, y, rgb(40, 30, 20));
        onWhite.setPixel(end - 1, y, rgb(170, 160, 150));
    }
    onBlack.takeDamage();
    onWhite.takeDamage();
}

}  // namespace

ScenePictures soakPictures()
{
    ScenePictures pictures = testPictures();
    pictures.armOnBlack = Raster(pictures.armOnBlack.width(), pictures.armOnBlack.height(), black);
    pictures.armOnWhite = Raster(pictures.armOnWhite.width(), pictures.armOnWhite.height(), white);
    drawArm(pictures.armOnBlack, pictures.armOnWhite);
    return pictures;
}
