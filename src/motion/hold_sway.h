#pragma once

class Simulator;

void Timer1_Timer(Simulator& s);
