#pragma once

class Simulator;

// The two sight bars of the target window set the windage and the elevation.
void Horizont_Change(Simulator& s);
void Vertikal_Change(Simulator& s);
