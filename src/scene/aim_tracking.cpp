#include "scene/aim_tracking.h"

#include "scene/frame.h"
#include "state/range_facts.h"
#include "state/simulator.h"

// The stored anchor lies one pixel right of and one below the pointer (plus the drop), and each
// event is compared with that anchor, not with the previous event: small movements add up until
// they leave the 1.1-pixel band.
void Основа_MouseMove(Simulator& s, int, int, float X, float Y)
{
    const float d = s.armDrop;
    const bool aimRedraw = s.armX - X > 1.1 || X - s.armX > 1.1 || s.armY - Y - d > 1.1 || Y + d - s.armY > 1.1;
    if (!aimRedraw)
        return;

    s.f.Timer1.setEnabled(false);
    frame::repaintBackground(s);

    // Left of the view's first column the arm is not drawn; the anchor then has no x (0) and
    // stands at the bottom of the view.
    float ax = 0;
    float ay = s.f.Основа.ScaleHeight();
    if (X + 1 > 0) {
        frame::placeSights(s,
                           {
                               .mm1Left = X + 29,
                               .mm1Top = Y - 9 + d,
                               .mm3Left = X + 29,
                               .mm3Top = Y + range::sightBaseTop - 9 + d,
                               .mm2Left = static_cast<float>(X + 30.3333 + 29),
                               .mm2Top = Y - 9 + d,
                               .mmuLeft = static_cast<float>(X + 21.66666 + 29),
                               .mmuTop = Y - 9 + d,
                           },
                           AimFrame::Tracking);
        ax = X + 1;
        ay = Y + 1 + d;
        frame::drawArm(s, ax, ay);
        s.f.Основа.Refresh();
        s.f.Timer1.setEnabled(true);
    }
    s.f.ScreenMousePointer = 0;
    s.armX = ax;
    s.armY = ay;
}
