#include "exercise/fire_modes.h"

#include "state/range_facts.h"
#include "state/simulator.h"

namespace {

void putTargetOnPlate3(Simulator& s)
{
    s.targetPosition = 3;
    s.f.mi.Left = range::bullOnPlate3.Left;
    s.f.mi.Top = range::bullOnPlate3.Top;
}

// The rapid sequence counts its three seconds from this press, also when it was already running.
void startTargetSequence(Simulator& s)
{
    s.f.TimerB.setEnabled(false);
    s.f.TimerB.setEnabled(true);
}

}  // namespace

void seriesReset(Simulator& s)
{
    s.proverka.Unload();
    // A total in i(11) makes its emptying a change, which brings up a fresh target window.
    for (int k = 1; k <= 11; ++k)
        s.f.i(k).setText("");
    s.shotNumber = 0;
    s.seriesScore = 0;
    s.armDrop = 0;
    s.shotPending = 0;
    s.shotLog.seriesEnded();
}

void BAVNA_Click(Simulator& s)
{
    seriesReset(s);
    s.fireMode = 1;
    s.f.TimerB.setEnabled(false);
    putTargetOnPlate3(s);
}

void Barza_Click(Simulator& s)
{
    seriesReset(s);
    s.fireMode = 2;
    startTargetSequence(s);
    s.targetPosition = 0;
}

void Restart_Click(Simulator& s)
{
    seriesReset(s);
    if (s.fireMode == 2) {
        s.targetPosition = 0;
        startTargetSequence(s);
    } else {
        putTargetOnPlate3(s);
    }
}
