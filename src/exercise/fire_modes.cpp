#include "exercise/fire_modes.h"

#include "app/simulator.h"

void seriesReset(Simulator&) {}
void BAVNA_Click(Simulator&) {}
void Barza_Click(Simulator&) {}
void Restart_Click(Simulator&) {}
