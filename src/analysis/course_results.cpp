#include "analysis/course_results.h"

#include "analysis/shot_figures.h"
#include "course/course_tables.h"

#include <algorithm>
#include <cstddef>

namespace {

const char* markOf(ShotVerdict verdict)
{
    switch (verdict) {
    case ShotVerdict::Counted:
        return "";
    case ShotVerdict::BeforeSignal:
        return beforeSignalMark;
    case ShotVerdict::AfterTime:
        return afterTimeMark;
    case ShotVerdict::Extra:
        return extraShotMark;
    }
    return "";
}

CourseSeriesResult seriesResult(const SeriesPlan& plan, const CourseSeries& series)
{
    CourseSeriesResult result;
    result.stage = plan.stage;
    result.time = plan.time;
    result.exposures = plan.exposures;
    result.mark = series.notFromReady ? notFromReadyMark : "";
    int scoring = 0;
    std::optional<Millis> before;
    for (const CourseShot& shot : series.shots) {
        CourseShotResult r;
        r.sinceSignal = shot.sinceSignal;
        r.points = shot.points;
        if (before)
            r.split = shot.time - *before;
        before = shot.time;
        if (shot.verdict == ShotVerdict::Counted && shot.mark)
            r.decimal = decimalScore(*shot.mark);
        r.mark = markOf(shot.verdict);
        result.points += r.points;
        result.decimal += r.decimal;
        scoring += r.points > 0 ? 1 : 0;
        result.shots.push_back(r);
    }
    result.misses = seriesShots - scoring;
    return result;
}

void addToStage(std::vector<StageResult>& stages, const CourseSeriesResult& series)
{
    auto stage = std::ranges::find(stages, series.stage, &StageResult::stage);
    if (stage == stages.end())
        stage = stages.insert(stages.end(), StageResult{.stage = series.stage});
    stage->points += series.points;
    stage->decimal += series.decimal;
}

}  // namespace

CourseResults courseResults(const CourseState& course)
{
    const CoursePlan& plan = planOf(course);
    CourseResults results;
    results.maximum = 10 * seriesShots * matchSeriesCount(plan);
    for (std::size_t k = 0; k < course.record.size(); ++k) {
        if (!course.record[k].stopped)
            continue;
        const CourseSeriesResult series = seriesResult(plan.series.at(k), course.record[k]);
        if (plan.series[k].sighting) {
            results.sighting.push_back(series);
            continue;
        }
        results.match.push_back(series);
        addToStage(results.stages, series);
        results.total += series.points;
        results.decimalTotal += series.decimal;
    }
    return results;
}
