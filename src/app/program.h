#pragma once

class Simulator;

// The program's start, the same for the shell and the tests: binds every event to its handler,
// loads the main window with the outer width it opens at, shows it and makes every sound ready.
// The program ends when the main window is unloaded.
void startProgram(Simulator& s, float outerWidthTwips);
