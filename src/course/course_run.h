#pragma once

#include <array>
#include <cstddef>
#include <string>

class Simulator;

// The range's commands that a course gives, series after series, on the timer CourseTimer: load
// (a minute, or until the shooter is ready), attention (7 s, the targets away, the red light), start
// (the targets face and the green light is on for the series time, or for each of the duel's
// exposures, with the pauses between them) and stop (the targets away, the red light, the series'
// points). The timer ticks every 100 ms while a course runs, for the panel's countdown, and its
// period starts afresh wherever a phase begins off its beat, so that every boundary falls on a tick.

// Starts the course of the menu's item `course`, ending the one that runs first.
void startCourse(Simulator& s, std::size_t course);
// Ends the course that runs, if one does, and leaves the range as the course found it.
void endCourse(Simulator& s);
// Brings the phases up to the present: every boundary passed since comes, in its order.
void catchUpCourse(Simulator& s);
// Ends the series now, on the shot that ends it.
void stopSeriesNow(Simulator& s);

// The files of the range's signals, beside the program: the commands', the start's, the stop's.
std::array<std::string, 3> courseSignals(const Simulator& s);

void CourseTimer_Timer(Simulator& s);
void Ready_Click(Simulator& s);
// An item of the menu Discipline: a course to start, or, the last, the end of the one that runs.
void Discipline_Click(Simulator& s, std::size_t item);
