#pragma once

class Simulator;

void Command1_Click(Simulator& s);
void i11_Change(Simulator& s);
