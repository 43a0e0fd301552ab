#pragma once

#include "analysis/coach_figures.h"

#include <string>

// One or two sentences that name the fault that cost the series the most points, with its figure,
// and what to do about it; or that nothing was lost. Of faults that cost the same, the hold comes
// before the alignment and the alignment before the settings. A hold that cost the most while the
// aim moved far in the last 0.2 s before the shots is named as the pointer moving at the press.
// An alignment that cost the most, partly on shots that came late in a course's series time, is
// named with them. Where no fault alone cost a point but the shots together missed tens, the faults added up, and
// the settings that centre the group are what brings them back.
std::string coachAdvice(const CoachFigures& f);
