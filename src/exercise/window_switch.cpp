#include "exercise/window_switch.h"

#include "state/simulator.h"

void Command1_Click(Simulator& s)
{
    if (s.targetShown == 0) {
        s.targetShown = 1;
        s.proverka.Show();
    } else {
        s.targetShown = 0;
        s.f.Show();
    }
}

void i11_Change(Simulator& s)
{
    s.proverka.Show();
}

void Analysis_Click(Simulator& s)
{
    s.analysisWindow.Show();
}
