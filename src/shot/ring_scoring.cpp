#include "shot/ring_scoring.h"

#include "app/simulator.h"

void otklonenie(Simulator&, const Control&) {}
