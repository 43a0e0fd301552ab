#pragma once

class Simulator;

void otkat1_Timer(Simulator& s);
