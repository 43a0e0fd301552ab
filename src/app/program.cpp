#include "app/program.h"

#include "app/start_up.h"
#include "exercise/fire_modes.h"
#include "exercise/target_sequence.h"
#include "exercise/window_switch.h"
#include "motion/hold_sway.h"
#include "motion/recoil.h"
#include "motion/shot_sound.h"
#include "state/simulator.h"
#include "target/sight_settings.h"

namespace {

// Every control notification and timer tick reaches its handler from here, and nowhere else.
void wireHandlers(Simulator& s)
{
    s.f.BAVNA.onClick = [&s] { BAVNA_Click(s); };
    s.f.Barza.onClick = [&s] { Barza_Click(s); };
    s.f.Restart.onClick = [&s] { Restart_Click(s); };
    s.f.Command1.onClick = [&s] { Command1_Click(s); };
    s.f.Analysis.onClick = [&s] { Analysis_Click(s); };
    s.f.i(11).onChange = [&s] { i11_Change(s); };
    s.f.TimerB.onTimer = [&s] { TimerB_Timer(s); };
    s.f.Timer1.onTimer = [&s] { Timer1_Timer(s); };
    s.f.otkat.onTimer = [&s] { otkat_Timer(s); };
    s.f.otkat1.onTimer = [&s] { otkat1_Timer(s); };
    s.proverka.onLoad = [&s](TargetControls& c) {
        c.Horizont.onChange = [&s] { Horizont_Change(s); };
        c.Vertikal.onChange = [&s] { Vertikal_Change(s); };
    };
}

}  // namespace

void startProgram(Simulator& s, float outerWidthTwips)
{
    wireHandlers(s);
    s.f.Width = outerWidthTwips;
    Form_Load(s);
    s.f.Show();
}

void closeProgram(Simulator& s)
{
    Form_Unload(s);
    s.analysisWindow.Unload();
    s.f.Unload();
}
