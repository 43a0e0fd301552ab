#include "analysis/sight_picture.h"

#include "shot/landing.h"

namespace {

// The sight pieces' sizes, as mm1, mm2, mm3 and mmu show them.
constexpr double postWidth = 15;
constexpr double postHeight = 20;
constexpr double baseTop = 8;
constexpr double baseWidth = 44;
constexpr double baseHeight = 12;
constexpr double bladeWidth = 2;
constexpr double bladeHeight = 20;
// How far right of mm1 every frame puts mm2: 30.3333 px as the pointer aims, 30.33333 in the sway
// and the recoil, which a hundredth of a pixel does not tell apart.
constexpr double rightPostLeft = 30.3333;

}  // namespace

SightPicture sightPicture(const SightReading& r)
{
    const double bladeLeft = double{r.mmuLeft} - r.mm1Left;
    const double bladeTop = double{r.mmuTop} - r.mm1Top;
    return {
        .leftPost = {0, 0, postWidth, postHeight},
        .rightPost = {rightPostLeft, 0, postWidth, postHeight},
        .base = {0, baseTop, baseWidth, baseHeight},
        .blade = {bladeLeft, bladeTop, bladeWidth, bladeHeight},
        .bull = {double{r.miLeft} - r.mm1Left, double{r.miTop} - r.mm1Top, r.miWidth, r.miHeight},
        .levelBlade = {levelBladeLeft, levelBladeTop, bladeWidth, bladeHeight},
        .bladeRight = bladeLeft - levelBladeLeft,
        .bladeUp = levelBladeTop - bladeTop,
    };
}
