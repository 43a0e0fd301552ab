#pragma once

class Simulator;

void Command1_Click(Simulator& s);
void i11_Change(Simulator& s);
void Analysis_Click(Simulator& s);
