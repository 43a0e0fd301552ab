#include "app/program.h"

#include "app/bindings.h"
#include "app/start_up.h"
#include "state/simulator.h"

void startProgram(Simulator& s, float outerWidthTwips)
{
    bindEvents(s);
    s.f.Width = outerWidthTwips;
    Form_Load(s);
    s.f.Show();
}
