#include "shot/landing.h"

#include "forms/rounding.h"

// The positions subtract in single precision, the constant and the setting in double; the landing
// point is formed in single precision.
Landing landingOf(const SightReading& r)
{
    const double W = r.windage / 10.0;
    const double E = r.elevation / 10.0;
    Landing l;
    l.offsetLeft = static_cast<float>((r.mmuLeft - r.mm1Left - levelBladeLeft) - W);
    l.offsetTop = static_cast<float>((r.mmuTop - r.mm1Top - levelBladeTop) + E);
    const float Lx = l.offsetLeft;
    const float Ly = l.offsetTop;

    const float holdToSight = (r.miLeft + r.miWidth / 2) - (r.mm1Left + sightLineLeft);
    l.hitX = 5 * (holdToSight - 5 * Lx);
    const float below = 5 * ((r.mm1Top + 5 * Ly) - (r.miTop + r.miHeight));
    l.hitY = roundHalfEven(below);
    return l;
}
