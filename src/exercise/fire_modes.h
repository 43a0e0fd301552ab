#pragma once

class Simulator;

// Empties the target window, the score column and the series counters before an exercise starts.
void seriesReset(Simulator& s);

void BAVNA_Click(Simulator& s);
void Barza_Click(Simulator& s);
void Restart_Click(Simulator& s);
