#pragma once

class Simulator;

void TimerB_Timer(Simulator& s);
