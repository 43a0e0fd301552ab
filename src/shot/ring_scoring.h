#pragma once

class Simulator;
struct Control;

void otklonenie(Simulator& s, const Control& mark);
