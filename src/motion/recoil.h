#pragma once

class Simulator;

void otkat_Timer(Simulator& s);
