#pragma once

class Simulator;

// How the target window comes up, with the settings it shows, and how it is left.
void Основа_MouseDown(Simulator& s, int Button, int Shift, float X, float Y);
void Form_Click(Simulator& s);  // of the target window
