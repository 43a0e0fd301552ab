#include "exercise/target_sequence.h"

#include "app/simulator.h"

void TimerB_Timer(Simulator&) {}
