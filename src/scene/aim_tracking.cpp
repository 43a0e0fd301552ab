#include "scene/aim_tracking.h"

#include "app/simulator.h"

void Основа_MouseMove(Simulator&, int, int, float, float) {}
