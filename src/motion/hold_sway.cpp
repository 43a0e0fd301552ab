#include "motion/hold_sway.h"

#include "app/simulator.h"

void Timer1_Timer(Simulator&) {}
