#include "harness.h"
#include "raster_helpers.h"

#include "app/program.h"

std::uint32_t backgroundPixel(int blue, int x, int y)
{
    return rgb(x % 251, y % 241, blue);
}

bool armPixelIsEmpty(int x, int y)
{
    return x >= 113 || (x * 7 + y * 3) % 5 == 0;
}

std::uint32_t armPixel(int x, int y)
{
    return rgb(100 + x % 100, 50 + y % 150, 1 + (x + y) % 7);
}

namespace {

Raster background(int blue)
{
    Raster r(1024, 768);
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x)
            setPixel(r, x, y, backgroundPixel(blue, x, y));
    return r;
}

Raster arm(std::uint32_t empty)
{
    Raster r(123, 768);
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x)
            setPixel(r, x, y, armPixelIsEmpty(x, y) ? empty : armPixel(x, y));
    return r;
}

}  // namespace

ScenePictures testPictures()
{
    const auto held = [](Raster r) { return std::make_shared<const Raster>(std::move(r)); };
    static const ScenePictures pictures{
        held(background(bluePlate3)),
        held(background(blueNoTarget)),
        held(background(bluePlate1)),
        held(background(bluePlate5)),
        held(background(bluePlate3EdgeOn)),
        held(background(blueFiveTargets)),
        held(background(blueFiveTargetsEdgeOn)),
        held(Raster(18, 18, rgb(0, 0, 0))),
        held(arm(rgb(0, 0, 0))),
        held(arm(rgb(255, 255, 255))),
    };
    return pictures;
}

Harness::Harness(const ScenePictures& pictures) : s(pictures, sounds, "/opt/стрелбище 1")
{
    startProgram(s, 12000);
}

void Harness::move(float x, float y, int button)
{
    s.f.Основа.mouseMove(button, 0, x, y);
}

void Harness::click()
{
    s.f.Основа.click();
}

void Harness::rightButton()
{
    s.f.Основа.mouseDown(2, 0, 0, 0);
}

void Harness::advanceBy(Millis ms)
{
    const Millis target = s.timers.now() + ms;
    while (auto next = s.timers.nextDeadline()) {
        if (*next > target)
            break;
        s.timers.advance(*next);
    }
    s.timers.advance(target);
}

int Harness::backgroundAt(int x, int y) const
{
    const std::uint32_t p = s.f.Основа.image().pixel(x, y);
    for (int blue :
         {blueNoTarget, bluePlate1, bluePlate3, bluePlate5, bluePlate3EdgeOn, blueFiveTargets, blueFiveTargetsEdgeOn})
        if (p == backgroundPixel(blue, x, y))
            return blue;
    return -1;
}
