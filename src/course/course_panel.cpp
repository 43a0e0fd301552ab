#include "course/course_panel.h"

#include "course/course_shots.h"
#include "course/course_tables.h"
#include "state/simulator.h"

#include <algorithm>

namespace {

const char* commandOf(CoursePhase phase)
{
    switch (phase) {
    case CoursePhase::Load:
        return "ЗАРЕДИ";
    case CoursePhase::Attention:
        return "ВНИМАНИЕ";
    case CoursePhase::Start:
        return "СТАРТ";
    case CoursePhase::Stop:
        return "СТОП";
    }
    return "";
}

// The light is off while the shooter loads, green while the targets face and red otherwise.
Lamp lampOf(const CourseState& c)
{
    if (c.phase == CoursePhase::Load)
        return Lamp::None;
    return c.facing ? Lamp::Green : Lamp::Red;
}

std::string seriesLabel(const CoursePlan& plan, std::size_t series)
{
    if (plan.series.at(series).sighting)
        return "Пробна серия";
    return "Серия " + std::to_string(matchSeriesNumber(plan, series)) + " от " + std::to_string(matchSeriesCount(plan));
}

}  // namespace

CoursePanel coursePanel(const Simulator& s)
{
    const CourseState& c = s.course;
    if (!c.running)
        return {};
    const CoursePlan& plan = planOf(c);
    CoursePanel panel;
    panel.command = commandOf(c.phase);
    panel.timeLeft = c.phaseEnd - s.timers.now();
    panel.series = seriesLabel(plan, c.series);
    panel.lamp = lampOf(c);
    for (const CourseSeries& series : c.record)
        if (series.stopped)
            panel.lastSeriesPoints = countedPoints(series);
    return panel;
}

std::string secondsLeftText(Millis timeLeft)
{
    const Millis tenths = (std::max<Millis>(timeLeft, 0) + 99) / 100;
    return std::to_string(tenths / 10) + "," + std::to_string(tenths % 10);
}
