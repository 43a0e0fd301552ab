#include "target/target_window.h"

#include "state/simulator.h"

#include <string>

void Основа_MouseDown(Simulator& s, int Button, int, float, float)
{
    if (Button != 2)
        return;
    s.proverka.Show();
    s.proverka.controls().tHorizont.setText(std::to_string(s.windage));
    s.proverka.controls().tVertikal.setText(std::to_string(s.elevation));
}

void Form_Click(Simulator& s)
{
    s.f.Show();
}
