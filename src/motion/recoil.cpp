#include "motion/recoil.h"

#include "scene/frame.h"
#include "state/range_facts.h"
#include "state/simulator.h"

// The kick of a shot: one frame with the arm raised to the top of the view and the sights on its
// very top edge. Unlike the other frames, the sights move before the background is repainted.
bool recoilPending(const Simulator& s)
{
    return s.shotPending == 1;
}

void otkat_Timer(Simulator& s)
{
    if (!recoilPending(s))
        return;

    const float sightLeft = s.armX + 29;
    frame::placeSights(s,
                       {
                           sightLeft,
                           0,
                           sightLeft,
                           range::sightBaseTop,
                           static_cast<float>(s.armX + 30.33333 + 29),
                           0,
                           static_cast<float>(s.armX + 21.6666 + 29),
                           0,
                       },
                       AimFrame::Recoil);
    frame::repaintBackground(s);
    frame::drawArm(s, s.armX, 9);
    frame::show(s);
    s.armY = 9;
    s.f.otkat.setEnabled(false);
    s.f.otkat1.setEnabled(true);
}
