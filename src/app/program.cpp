#include "app/program.h"

#include "app/bindings.h"
#include "app/start_up.h"
#include "course/course_run.h"
#include "state/simulator.h"

#include <string>

void startProgram(Simulator& s, float outerWidthTwips)
{
    bindEvents(s);
    s.f.Width = outerWidthTwips;
    Form_Load(s);
    s.f.Show();
    // Every sound is read and armed ahead, so that even its first play is as quick as the next.
    for (const std::string& sound : {s.shotSoundPath, s.shotSound2Path})
        s.f.MM.prepare(sound);
    for (const std::string& signal : courseSignals(s))
        s.f.MM.prepare(signal);
}
