#pragma once

class Simulator;
struct CourseSeries;

// What a shot of a course counts. The shot itself is resolved, marked and scored as any other;
// around it the course aims it at a target and then judges it: a shot while the targets are away
// or the red light is on, or beyond what the series counts, scores 0, and its score box says so.

// Before the shot: the phases caught up to its moment, and, where the course has five targets,
// the bull marker on the bull nearest the aim point, so that the shot is scored on that target.
void aimAtCourseTarget(Simulator& s);
// After the shot: its verdict, its points and its time, recorded in the series; a series that
// ends on its fifth shot ends on it.
void countCourseShot(Simulator& s);

int countedPoints(const CourseSeries& series);
