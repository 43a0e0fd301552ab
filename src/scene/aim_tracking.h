#pragma once

class Simulator;

void Основа_MouseMove(Simulator& s, int Button, int Shift, float X, float Y);
