#pragma once

#include "state/course_state.h"
#include "state/shot_log.h"

#include <vector>

// What the alignment cost those shots of the series that counted in a course's series and broke in
// the last quarter of its time (of the exposure, in the duel): the sway has had the longest to move
// the blade by then.
int lateAlignmentLoss(const std::vector<LoggedShot>& series, const CourseState& course);
