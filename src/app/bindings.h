#pragma once

class Simulator;

// Binds every event the system handles to its handler.
void bindEvents(Simulator& s);
