#include "app/bindings.h"

#include "app/start_up.h"
#include "course/course_run.h"
#include "course/course_shots.h"
#include "exercise/fire_modes.h"
#include "exercise/target_sequence.h"
#include "exercise/window_switch.h"
#include "motion/hold_sway.h"
#include "motion/recoil.h"
#include "motion/shot_sound.h"
#include "scene/aim_tracking.h"
#include "scene/frame.h"
#include "shot/strelba.h"
#include "state/simulator.h"
#include "target/sight_settings.h"
#include "target/target_window.h"

#include <cstddef>
#include <functional>

// Every event of the system, a user's or a timer's, and the handler it runs: this table is the
// one place that names a handler next to an event. Whoever raises an event, the shell or a test,
// raises it on its control, and it arrives here.
void bindEvents(Simulator& s)
{
    const auto handler = [&s](auto* handlerOf) { return std::bind_front(handlerOf, std::ref(s)); };

    s.f.onResize = handler(Form_Resize);
    s.f.onUnload = handler(Form_Unload);

    s.f.Основа.onMouseMove = handler(Основа_MouseMove);
    s.f.Основа.onMouseDown = handler(Основа_MouseDown);
    // A course turns its targets on its timer and at the shooter's clicks, and puts the range back
    // when it ends: the range shows them at once, not at its next frame.
    const auto turning = [&s](std::function<void()> step) {
        return [&s, step] {
            const bool courseRan = s.course.running;
            step();
            if (courseRan || s.course.running)
                frame::showChosenBackground(s);
        };
    };

    // A course, where one runs, aims the shot at its target and then judges what it counts.
    s.f.Основа.onClick = turning([&s] {
        aimAtCourseTarget(s);
        Основа_Click(s);
        countCourseShot(s);
    });
    // The three exercise buttons end a course that runs, then do what they always do.
    const auto endingCourse = [&s, turning](void (*click)(Simulator&)) {
        return turning([&s, click] {
            endCourse(s);
            click(s);
        });
    };
    s.f.BAVNA.onClick = endingCourse(BAVNA_Click);
    s.f.Barza.onClick = endingCourse(Barza_Click);
    s.f.Restart.onClick = endingCourse(Restart_Click);
    s.f.Command1.onClick = handler(Command1_Click);
    s.f.Analysis.onClick = handler(Analysis_Click);
    s.f.i(11).onChange = handler(i11_Change);
    for (std::size_t item = 0; item < s.f.Discipline.items.size(); ++item)
        s.f.Discipline.items[item].onClick = turning([&s, item] { Discipline_Click(s, item); });
    s.f.Ready.onClick = handler(Ready_Click);

    s.f.TimerB.onTimer = handler(TimerB_Timer);
    s.f.Timer1.onTimer = handler(Timer1_Timer);
    s.f.otkat.onTimer = handler(otkat_Timer);
    s.f.otkat.idle = [&s] { return !recoilPending(s); };
    s.f.otkat1.onTimer = handler(otkat1_Timer);
    s.f.CourseTimer.onTimer = turning(handler(CourseTimer_Timer));

    s.proverka.onClick = handler(Form_Click);
    // The target window's controls are made anew at every load.
    s.proverka.onLoad = [handler](TargetControls& c) {
        c.Horizont.onChange = handler(Horizont_Change);
        c.Vertikal.onChange = handler(Vertikal_Change);
    };
}
