#pragma once

#include "state/shot_log.h"

class Simulator;

// The four steps every frame of the range view is made of. Each caller runs them in its own order
// with its own positions.
namespace frame {

struct SightPlacement {
    float mm1Left, mm1Top;
    float mm3Left, mm3Top;
    float mm2Left, mm2Top;
    float mmuLeft, mmuTop;
};

// Replaces the whole image with the background that targetPosition selects (none for a value
// outside the table: the image then keeps what it held), or, while a course runs, the picture of
// its targets facing or turned away.
void repaintBackground(Simulator& s);
// Shows at once the background that would now be chosen, where the view holds another, with the
// arm where the frames last drew it: a course turns its targets between frames.
void showChosenBackground(Simulator& s);
// Sets Left, then Top, of mm1, mm3, mm2 and mmu, in that order, and logs the sights as the frame
// leaves them for the shot analysis, as drawn by the routine `drawnBy`.
void placeSights(Simulator& s, const SightPlacement& p, AimFrame drawnBy);
// Draws the arm sprite with its top-left corner at the anchor rounded half to even, saving the
// background it covers into Фон.
void drawArm(Simulator& s, float ax, float ay);
// Refresh of the range view, then the default mouse pointer.
void show(Simulator& s);

}  // namespace frame
