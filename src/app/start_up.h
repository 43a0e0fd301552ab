#pragma once

class Simulator;

void Form_Load(Simulator& s);
void Form_Resize(Simulator& s);
void Form_Unload(Simulator& s);
