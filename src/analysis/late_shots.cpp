#include "analysis/late_shots.h"

#include "analysis/lost_points.h"
#include "course/course_tables.h"

#include <cstddef>

namespace {

// The shot's course record, found by the moment it broke, and the time its series gave it.
bool brokeLate(const LoggedShot& shot, const CourseState& course)
{
    for (std::size_t n = 0; n < course.record.size(); ++n)
        for (const CourseShot& counted : course.record[n].shots)
            if (counted.time == shot.time)
                return counted.verdict == ShotVerdict::Counted && counted.sinceSignal &&
                       *counted.sinceSignal * 4 > planOf(course).series.at(n).time * 3;
    return false;
}

}  // namespace

int lateAlignmentLoss(const std::vector<LoggedShot>& series, const CourseState& course)
{
    int lost = 0;
    for (const LoggedShot& shot : series)
        if (brokeLate(shot, course))
            lost += lostPoints(shot).alignment;
    return lost;
}
