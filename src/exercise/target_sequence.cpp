#include "exercise/target_sequence.h"

#include "app/simulator.h"

// One step of the rapid sequence: no target, no target, plate 1, plate 3, plate 5, no target.
// The bull marker follows the target; after the last step it stands away from every plate.
void TimerB_Timer(Simulator& s)
{
    s.targetPosition = s.targetPosition + 1;
    if (s.targetPosition == 2.0f) {
        s.f.mi.Left = 301;
        s.f.mi.Top = 111;
    }
    if (s.targetPosition == 3.0f) {
        s.f.mi.Left = 401.467f;
        s.f.mi.Top = 112;
    }
    if (s.targetPosition == 4.0f) {
        s.f.mi.Left = 508;
        s.f.mi.Top = 112;
    }
    if (s.targetPosition == 5.0f) {
        s.f.mi.Left = 708;
        s.f.TimerB.setEnabled(false);
    }
}
