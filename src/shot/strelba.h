#pragma once

class Simulator;
struct Control;

void Основа_Click(Simulator& s);
void strelba(Simulator& s, Control& offsets);
