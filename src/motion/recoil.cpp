#include "motion/recoil.h"

#include "app/simulator.h"

void otkat_Timer(Simulator&) {}
