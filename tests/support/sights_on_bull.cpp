#include "sights_on_bull.h"

#include "state/range_facts.h"

SightReading sightsOnBull(float holdX, float bladeX)
{
    SightReading r;
    r.miLeft = testBullLeft;
    r.miTop = testBullTop;
    r.miWidth = range::bullSize;
    r.miHeight = range::bullSize;
    r.mm1Left = 386 + holdX;
    r.mm1Top = 130;
    r.mmuLeft = r.mm1Left + 21.45f + bladeX;
    r.mmuTop = 130.15f;
    return r;
}

void aimAs(MainWindow& f, const SightReading& r)
{
    f.mi.Left = r.miLeft;
    f.mi.Top = r.miTop;
    f.mm1.Left = r.mm1Left;
    f.mm1.Top = r.mm1Top;
    f.mmu.Left = r.mmuLeft;
    f.mmu.Top = r.mmuTop;
}
