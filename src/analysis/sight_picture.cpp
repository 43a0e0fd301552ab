#include "analysis/sight_picture.h"

#include "shot/landing.h"
#include "state/range_facts.h"

namespace {

using range::sightBase;
using range::sightBaseTop;
using range::sightBlade;
using range::sightPost;

// How far right of mm1 every frame puts mm2: 30.3333 px as the pointer aims, 30.33333 in the sway
// and the recoil, which a hundredth of a pixel does not tell apart.
constexpr double rightPostLeft = 30.3333;

}  // namespace

SightPicture sightPicture(const SightReading& r)
{
    const double bladeLeft = double{r.mmuLeft} - r.mm1Left;
    const double bladeTop = double{r.mmuTop} - r.mm1Top;
    return {
        .leftPost = {0, 0, sightPost.width, sightPost.height},
        .rightPost = {rightPostLeft, 0, sightPost.width, sightPost.height},
        .base = {0, sightBaseTop, sightBase.width, sightBase.height},
        .blade = {bladeLeft, bladeTop, sightBlade.width, sightBlade.height},
        .bull = {double{r.miLeft} - r.mm1Left, double{r.miTop} - r.mm1Top, r.miWidth, r.miHeight},
        .levelBlade = {levelBladeLeft, levelBladeTop, sightBlade.width, sightBlade.height},
        .bladeRight = bladeLeft - levelBladeLeft,
        .bladeUp = levelBladeTop - bladeTop,
    };
}
