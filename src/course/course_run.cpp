#include "course/course_run.h"

#include "course/course_tables.h"
#include "exercise/fire_modes.h"
#include "forms/app_path.h"
#include "state/simulator.h"

#include <algorithm>

namespace {

// The range's signals, played beside the program as the shot sounds are.
constexpr const char* commandSignal = "signal_command.wav";
constexpr const char* startSignal = "signal_start.wav";
constexpr const char* stopSignal = "signal_stop.wav";

void play(Simulator& s, const char* file)
{
    s.f.MM.FileName = besideProgram(s.appPath, file);
    s.f.MM.Command("Sound");
}

void restartTimerPeriod(Simulator& s)
{
    s.f.CourseTimer.setEnabled(false);
    s.f.CourseTimer.setEnabled(true);
}

// The menu lists its end item only while a course runs.
void listEndItem(Simulator& s, bool running)
{
    s.f.Discipline.items.back().Visible = running;
}

// The targets face on the plates of the course's pictures, or stand turned away.
void turnTargets(Simulator& s, bool face)
{
    s.course.facing = face;
    s.targetPosition = face ? 3.0f : 0.0f;
}

bool inReadyPosition(const Simulator& s)
{
    float lowerEdge = 0;
    for (const range::BullPlace& bull : bullsOf(planOf(s.course).targets))
        lowerEdge = std::max(lowerEdge, bull.Top + range::bullSize);
    return s.f.mm1.Top - lowerEdge >= readyDrop;
}

void beginLoad(Simulator& s, Millis at)
{
    CourseState& c = s.course;
    c.phase = CoursePhase::Load;
    c.phaseEnd = at + loadTime;
    c.exposure = 0;
    c.signal.reset();
    c.record.emplace_back();
    s.f.Ready.Visible = true;
    play(s, commandSignal);
}

// The series begins: the score column and the target window are emptied for it.
void beginAttention(Simulator& s, Millis at)
{
    seriesReset(s);
    s.f.Ready.Visible = false;
    s.course.phase = CoursePhase::Attention;
    s.course.phaseEnd = at + attentionTime;
    play(s, commandSignal);
}

void face(Simulator& s, Millis at)
{
    CourseState& c = s.course;
    c.phase = CoursePhase::Start;
    c.phaseEnd = at + seriesPlanOf(s.course).time;
    c.signal = at;
    turnTargets(s, true);
    if (seriesPlanOf(s.course).fromReady && !inReadyPosition(s))
        c.record.back().notFromReady = true;
    play(s, startSignal);
}

void pauseBetweenExposures(Simulator& s, Millis at)
{
    s.course.phaseEnd = at + duelAwayTime;
    turnTargets(s, false);
    play(s, stopSignal);
}

void stopSeries(Simulator& s, Millis at)
{
    CourseState& c = s.course;
    c.phase = CoursePhase::Stop;
    c.phaseEnd = at + stopTime;
    c.record.back().stopped = true;
    turnTargets(s, false);
    play(s, stopSignal);
}

// After the last series the course ends by itself and the analysis comes up with its results.
void finishCourse(Simulator& s)
{
    endCourse(s);
    s.analysisWindow.Show();
}

// Each phase follows the one before from its planned end, so that a late tick moves no boundary.
void nextPhase(Simulator& s)
{
    CourseState& c = s.course;
    const Millis at = c.phaseEnd;
    switch (c.phase) {
    case CoursePhase::Load:
        beginAttention(s, at);
        break;
    case CoursePhase::Attention:
        face(s, at);
        break;
    case CoursePhase::Start:
        if (!c.facing) {
            ++c.exposure;
            face(s, at);
        } else if (c.exposure + 1 < seriesPlanOf(s.course).exposures) {
            pauseBetweenExposures(s, at);
        } else {
            stopSeries(s, at);
        }
        break;
    case CoursePhase::Stop:
        if (c.series + 1 < planOf(s.course).series.size()) {
            ++c.series;
            beginLoad(s, at);
        } else {
            finishCourse(s);
        }
        break;
    }
}

}  // namespace

void startCourse(Simulator& s, std::size_t course)
{
    endCourse(s);
    CourseState& c = s.course;
    c.before = {s.targetPosition, s.f.mi.Left, s.f.mi.Top, s.f.TimerB.enabled()};
    s.f.TimerB.setEnabled(false);
    s.f.mi.Left = range::bullOnPlate3.Left;
    s.f.mi.Top = range::bullOnPlate3.Top;
    c.running = true;
    c.course = course;
    c.series = 0;
    c.target = 0;
    c.record.clear();
    turnTargets(s, false);
    listEndItem(s, true);
    restartTimerPeriod(s);
    beginLoad(s, s.timers.now());
}

void endCourse(Simulator& s)
{
    CourseState& c = s.course;
    if (!c.running)
        return;
    c.running = false;
    c.facing = false;
    s.f.CourseTimer.setEnabled(false);
    s.targetPosition = c.before.targetPosition;
    s.f.mi.Left = c.before.miLeft;
    s.f.mi.Top = c.before.miTop;
    s.f.TimerB.setEnabled(c.before.sequenceRunning);
    listEndItem(s, false);
    s.f.Ready.Visible = false;
}

void catchUpCourse(Simulator& s)
{
    while (s.course.running && s.timers.now() >= s.course.phaseEnd)
        nextPhase(s);
}

void stopSeriesNow(Simulator& s)
{
    stopSeries(s, s.timers.now());
    restartTimerPeriod(s);
}

std::array<std::string, 3> courseSignals(const Simulator& s)
{
    return {besideProgram(s.appPath, commandSignal), besideProgram(s.appPath, startSignal),
            besideProgram(s.appPath, stopSignal)};
}

void CourseTimer_Timer(Simulator& s)
{
    catchUpCourse(s);
}

void Ready_Click(Simulator& s)
{
    catchUpCourse(s);
    if (!s.course.running || s.course.phase != CoursePhase::Load)
        return;
    beginAttention(s, s.timers.now());
    restartTimerPeriod(s);
}

// The menu's last item ends the course; the results come up where a series of it has stopped.
void Discipline_Click(Simulator& s, std::size_t item)
{
    if (item < courses().size()) {
        startCourse(s, item);
        return;
    }
    endCourse(s);
    if (std::ranges::any_of(s.course.record, &CourseSeries::stopped))
        s.analysisWindow.Show();
}
