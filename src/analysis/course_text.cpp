#include "analysis/course_text.h"

#include "analysis/figure_text.h"

#include <cstddef>

namespace {

std::string secondsText(Millis ms)
{
    return twoDecimals(static_cast<double>(ms) / 1000);
}

// Each shot's time from the start signal, its split from the shot before in brackets, and its mark.
std::string shotsText(const CourseSeriesResult& series)
{
    std::string text;
    for (const CourseShotResult& shot : series.shots) {
        if (!text.empty())
            text += "; ";
        text += shot.sinceSignal ? secondsText(*shot.sinceSignal) : "—";
        if (shot.split)
            text += " (" + secondsText(*shot.split) + ")";
        if (*shot.mark)
            text += std::string(" ") + shot.mark;
    }
    return text;
}

// The duel's time is its exposures of their seconds each.
std::string timeText(const CourseSeriesResult& series)
{
    const std::string seconds = std::to_string(series.time / 1000);
    return series.exposures > 1 ? std::to_string(series.exposures) + " × " + seconds : seconds;
}

// The series' marks: out of the ready position, and the shots of the five that scored nothing.
std::string noteText(const CourseSeriesResult& series)
{
    std::string note = series.mark;
    if (series.misses > 0)
        note += (note.empty() ? "" : "; ") + std::to_string(series.misses) +
                (series.misses == 1 ? " пропуск" : " пропуска");
    return note;
}

std::vector<std::string> seriesRow(const std::string& name, const CourseSeriesResult& series)
{
    return {name,
            std::to_string(series.stage),
            timeText(series),
            std::to_string(series.points),
            oneDecimal(series.decimal),
            shotsText(series),
            noteText(series)};
}

}  // namespace

std::vector<std::vector<std::string>> courseRows(const CourseResults& results)
{
    std::vector<std::vector<std::string>> rows;
    for (const CourseSeriesResult& series : results.sighting)
        rows.push_back(seriesRow("Пробна", series));
    for (std::size_t k = 0; k < results.match.size(); ++k)
        rows.push_back(seriesRow(std::to_string(k + 1), results.match[k]));
    // A course of one stage has its total for its subtotal.
    if (results.stages.size() > 1)
        for (const StageResult& stage : results.stages)
            rows.push_back({"Етап " + std::to_string(stage.stage), "", "", std::to_string(stage.points),
                            oneDecimal(stage.decimal), "", ""});
    rows.push_back({"Общо", "", "", std::to_string(results.total) + " от " + std::to_string(results.maximum),
                    oneDecimal(results.decimalTotal), "", ""});
    return rows;
}
