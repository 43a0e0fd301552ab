#pragma once

class Simulator;

void Основа_MouseDown(Simulator& s, int Button, int Shift, float X, float Y);
void Horizont_Change(Simulator& s);
void Vertikal_Change(Simulator& s);
void Form_Click(Simulator& s);  // of the target window
