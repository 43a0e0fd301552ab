#include "shot/strelba.h"

#include "app/simulator.h"

void Основа_Click(Simulator&) {}
void strelba(Simulator&, Control&) {}
