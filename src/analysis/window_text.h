#pragma once

#include "state/course_state.h"
#include "state/shot_log.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// Every text the analysis window shows, as it shows it.

// The shot table's column captions, a line break where a caption takes two lines: the figures a
// shooter compares from shot to shot.
inline constexpr std::array<const char*, 10> shotColumns{
    "№",
    "Точки",
    "Десетични",
    "Загубени от\nзадържане",
    "Загубени от\nмушка",
    "Загубени от\nпоправки",
    "Следа 1 s,\nмм",
    "Следа 0,2 s,\nмм",
    "В десетката\n1 s, %",
    "Очаквани\nточки 1 s",
};
inline constexpr std::array<const char*, 4> earlierColumns{"Изстрели", "Точки", "Десетични", "Група, мм"};

// The captions of the window's parts.
namespace captions {
inline constexpr const char* shotTable = "Изстрели от серията";
inline constexpr const char* series = "Серия";
inline constexpr const char* earlierSeries = "По-ранни серии";
inline constexpr const char* runChart = "Серии от стрелбата";
inline constexpr const char* sightPicture = "Прицелна картина, ×8; с пунктир мушката без отклонение";
inline constexpr const char* replay = "Повтори";
inline constexpr const char* stopReplay = "Спри";
inline constexpr const char* replayDescription = "Показва отново последните две секунди преди избрания изстрел";
}  // namespace captions

// A figure under its caption; the value is empty where there is nothing to show.
struct FigureText {
    const char* caption;
    std::string value;
};

// The series in the log: its shots' rows, the ended series' rows, the latest first, and the
// series' figures and the coach's, who reads the shots' times where a course timed them.
struct SeriesText {
    std::vector<std::vector<std::string>> shots;    // cells in the order of shotColumns
    std::vector<std::vector<std::string>> earlier;  // cells in the order of earlierColumns
    FigureText points{"Точки", {}};
    FigureText decimal{"Десетични точки", {}};
    FigureText meanPoint{"Средна точка на попадение, мм", {}};
    FigureText groupSize{"Група, мм", {}};
    FigureText suggested{"Поправки за центъра", {}};
    FigureText lostToHold{"Загубени от задържане", {}};
    FigureText lostToAlignment{"Загубени от мушка", {}};
    FigureText lostToSettings{"Загубени от поправки", {}};
    FigureText meanTraceSecond{"Средна следа 1 s, мм", {}};
    FigureText meanTracePress{"Средна следа 0,2 s, мм", {}};
    FigureText meanTenPercent{"Средно в десетката 1 s, %", {}};
    FigureText meanExpected{"Средно очаквани точки 1 s", {}};
    FigureText advice{"Съвет", {}};
};
SeriesText seriesText(const ShotLog& log, const CourseState& course);

// The chosen shot's landing point and its three parts, in mm; empty without a shot.
struct ChosenShotText {
    FigureText landing{"Попадение, мм", {}};
    FigureText hold{"Задържане, мм", {}};
    FigureText alignment{"Мушка, мм", {}};
    FigureText settings{"Поправки, мм", {}};
};
ChosenShotText chosenShotText(const LoggedShot* shot);

// How far the blade stood from its level place, centred in the notch, in the sights shown.
FigureText bladeOffsetText(const std::optional<SightReading>& sights);
