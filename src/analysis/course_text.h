#pragma once

#include "analysis/course_results.h"

#include <array>
#include <string>
#include <vector>

// The course's results as the analysis window shows them: a row a series, the sighting series
// first and apart, then the match series, each stage's subtotal and the total out of the maximum.
inline constexpr std::array<const char*, 7> courseColumns{
    "Серия", "Етап", "Време, s", "Точки", "Десетични", "Изстрели: от сигнала (от предишния), s", "Бележка",
};
inline constexpr const char* courseTableCaption = "Резултати от дисциплината";

// Cells in the order of courseColumns.
std::vector<std::vector<std::string>> courseRows(const CourseResults& results);
