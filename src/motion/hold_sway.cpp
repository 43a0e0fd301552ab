#include "motion/hold_sway.h"

#include "forms/rounding.h"
#include "scene/frame.h"
#include "state/range_facts.h"
#include "state/simulator.h"

#include <cmath>
#include <cstdint>

namespace {

// The phase grows by 3 for the life of the program. Past the top of its range it wraps round to
// the bottom, as two's-complement addition does, and the sway goes on from there.
std::int32_t advancedPhase(std::int32_t angle)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(angle) + 3u);
}

}  // namespace

// The tremor of the held pistol, drawn from the anchor that aim tracking or the recoil left, so
// that it never drifts. Idle while a shot is under way.
void Timer1_Timer(Simulator& s)
{
    if (s.shotPending != 0)
        return;

    frame::repaintBackground(s);
    s.swayAngle = advancedPhase(s.swayAngle);
    const double c = std::cos(static_cast<double>(s.swayAngle));

    const double rearLeft = s.armX + 29 - c;
    const float top = s.armY - 10;
    frame::placeSights(s,
                       {
                           static_cast<float>(rearLeft),
                           top,
                           static_cast<float>(rearLeft),
                           s.armY + range::sightBaseTop - 10,
                           static_cast<float>(s.armX + 30.33333 + 29 - c),
                           top,
                           static_cast<float>(s.armX + 21.6666 + 29),
                           static_cast<float>(s.armY - 10 + 0.5 * c),
                       },
                       AimFrame::Sway);
    // Rounded here, in double precision: the float anchor of drawArm could turn a value just off
    // a half into an exact half and round it the other way.
    frame::drawArm(s, static_cast<float>(roundHalfEven(s.armX - c)), s.armY);
    frame::show(s);
}
