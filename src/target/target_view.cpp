#include "target/target_view.h"

#include "app/simulator.h"

void Основа_MouseDown(Simulator&, int, int, float, float) {}
void Horizont_Change(Simulator&) {}
void Vertikal_Change(Simulator&) {}
void Form_Click(Simulator&) {}
