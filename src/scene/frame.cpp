#include "scene/frame.h"

#include "app/simulator.h"

void frame::repaintBackground(Simulator&) {}
void frame::placeSights(Simulator&, const frame::SightPlacement&) {}
void frame::drawArm(Simulator&, float, float) {}
void frame::show(Simulator&) {}
