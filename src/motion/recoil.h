#pragma once

class Simulator;

// A shot waits for its recoil frame, which otkat's next tick draws.
bool recoilPending(const Simulator& s);
void otkat_Timer(Simulator& s);
