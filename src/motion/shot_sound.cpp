#include "motion/shot_sound.h"

#include "app/simulator.h"

void otkat1_Timer(Simulator&) {}
