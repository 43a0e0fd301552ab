#include "motion/shot_sound.h"

#include "state/simulator.h"

// Requests the two shot sounds and closes the shot's sequence. The tick stops itself whatever
// shotPending holds: a series reset that cleared it since the recoil must not leave the timer
// requesting both sounds every 10 ms until the next shot.
void otkat1_Timer(Simulator& s)
{
    s.f.MM.FileName = s.shotSoundPath;
    s.f.MM.Command("Sound");
    s.f.MM.FileName = s.shotSound2Path;
    s.f.MM.Command("Sound");
    if (s.shotPending == 1)
        s.shotPending = 0;
    s.f.otkat1.setEnabled(false);
}
