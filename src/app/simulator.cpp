#include "app/simulator.h"

#include "exercise/fire_modes.h"
#include "exercise/target_sequence.h"
#include "exercise/window_switch.h"
#include "motion/hold_sway.h"
#include "motion/recoil.h"
#include "motion/shot_sound.h"
#include "target/target_view.h"

#include <utility>

// Control notifications are wired here, in one place; the mouse events of the range view and
// the window events come from the shell straight to their handlers.
Simulator::Simulator(const ScenePictures& pictures, SoundPlayer& player, std::string appFolder)
    : AppPath(std::move(appFolder))
    , f(pictures, timers, player)
    , proverka(targetCaption, [this](TargetControls& c) {
        c.Horizont.onChange = [this] { Horizont_Change(*this); };
        c.Vertikal.onChange = [this] { Vertikal_Change(*this); };
    })
{
    f.BAVNA.onClick = [this] { BAVNA_Click(*this); };
    f.Barza.onClick = [this] { Barza_Click(*this); };
    f.Restart.onClick = [this] { Restart_Click(*this); };
    f.Command1.onClick = [this] { Command1_Click(*this); };
    f.i(11).onChange = [this] { i11_Change(*this); };
    f.TimerB.onTimer = [this] { TimerB_Timer(*this); };
    f.Timer1.onTimer = [this] { Timer1_Timer(*this); };
    f.otkat.onTimer = [this] { otkat_Timer(*this); };
    f.otkat1.onTimer = [this] { otkat1_Timer(*this); };
}
