#pragma once

#include "course/course_panel.h"
#include "course/course_tables.h"
#include "harness.h"
#include "sights_on_bull.h"
#include "state/range_facts.h"

#include <cstddef>
#include <string>

// The menu's courses, by their items.
inline constexpr std::size_t standardPistol = 0;
inline constexpr std::size_t precisionPistol = 1;
inline constexpr std::size_t duelPistol = 2;
inline constexpr std::size_t rapidFirePistol = 3;
inline constexpr std::size_t endOfCourse = 4;

inline void choose(Harness& h, std::size_t item)
{
    h.s.f.Discipline.items.at(item).click();
}

// Sights held on a bull of the range, holdX px right of its hold point, the blade level and
// centred in the notch. A pixel of hold moves the shot 5 mm: 0 scores 10, 1 scores 9, 2 scores 8,
// 3 scores 7, 5 scores 6, 14 misses.
inline SightReading sightsOn(range::BullPlace bull, float holdX = 0)
{
    SightReading r = sightsOnBull(holdX + (bull.Left - testBullLeft));
    r.miLeft = bull.Left;
    r.miTop = bull.Top;
    r.mm1Top += bull.Top - testBullTop;
    r.mmuTop += bull.Top - testBullTop;
    return r;
}

inline void fire(Harness& h, float holdX = 0, range::BullPlace bull = range::bullOnPlate3)
{
    aimAs(h.s.f, sightsOn(bull, holdX));
    h.click();
}

// The sights stand `below` px under the bulls' lower edge, row 130.
inline void holdSightsBelowBulls(Harness& h, float below)
{
    h.s.f.mm1.Top = 130 + below;
}

// Time runs on to the end of the phase, the exposure or the pause in force.
inline void toNextPhase(Harness& h)
{
    h.advanceBy(h.s.course.phaseEnd - h.now());
}

// Time runs on to the next time the targets face: the next exposure, or the next series' start.
// Meanwhile the sights stand `below` px under the bulls.
inline void toNextFacing(Harness& h, float below = readyDrop)
{
    do {
        toNextPhase(h);
        holdSightsBelowBulls(h, below);
    } while (!h.s.course.facing);
}

// A shot `sinceSignal` ms after the last start signal.
inline void fireAfter(Harness& h, Millis sinceSignal, float holdX = 0, range::BullPlace bull = range::bullOnPlate3)
{
    h.advanceBy(*h.s.course.signal + sinceSignal - h.now());
    fire(h, holdX, bull);
}

inline std::string command(const Harness& h)
{
    return coursePanel(h.s).command;
}

inline const CourseSeries& lastSeries(const Harness& h)
{
    return h.s.course.record.back();
}

inline std::string beside(const char* file)
{
    return std::string("/opt/стрелбище 1/") + file;
}
