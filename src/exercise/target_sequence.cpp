#include "exercise/target_sequence.h"

#include "state/range_facts.h"
#include "state/simulator.h"

// One step of the rapid sequence: no target, no target, plate 1, plate 3, plate 5, no target.
// The bull marker follows the target; after the last step it stands away from every plate.
void TimerB_Timer(Simulator& s)
{
    s.targetPosition = s.targetPosition + 1;
    const auto placeBull = [&s](range::BullPlace p) {
        s.f.mi.Left = p.Left;
        s.f.mi.Top = p.Top;
    };
    if (s.targetPosition == 2.0f)
        placeBull(range::bullOnPlate1);
    if (s.targetPosition == 3.0f)
        placeBull(range::bullOnPlate3);
    if (s.targetPosition == 4.0f)
        placeBull(range::bullOnPlate5);
    if (s.targetPosition == 5.0f) {
        s.f.mi.Left = range::bullAwayLeft;
        s.f.TimerB.setEnabled(false);
    }
}
