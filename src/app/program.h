#pragma once

class Simulator;

// The program's own start and end, the same for the shell and the tests. Starting wires every
// control's notification and every timer to its handler, loads the main window with the outer
// width it opens at, and shows it; closing unloads every window.
void startProgram(Simulator& s, float outerWidthTwips);
void closeProgram(Simulator& s);
