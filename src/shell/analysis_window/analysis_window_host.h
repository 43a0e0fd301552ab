#pragma once

#include "analysis/shot_figures.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class AnalysisWindowWidget;
class FormWindow;
class ReplayPlayer;
class ShotLog;
struct CourseState;
struct ReplayMoment;

// The shot analysis window on the screen, made on its first Show, centred on the screen, brought
// to the front at every Show and hidden while the model's window is. Closing it through the window
// manager is reported as `closed`. It reads the shot log after every event and shows its series;
// choosing a shot shows that shot's aim and sights, and the replay button plays its last two
// seconds back. A new shot, a series reset or choosing another shot stops a replay. Under the
// series stand the results of the last course, while it has any.
class AnalysisWindowHost {
public:
    AnalysisWindowHost(const FormWindow& window, const ShotLog& log, const CourseState& course,
                       std::function<void()> closed);
    ~AnalysisWindowHost();
    AnalysisWindowHost(const AnalysisWindowHost&) = delete;
    AnalysisWindowHost& operator=(const AnalysisWindowHost&) = delete;

    void sync();

private:
    void make();
    void showSeries();
    void showCourse();
    void showChosenShot();
    void showSights(const std::optional<SightReading>& sights);
    void stopReplay();
    void playOrStop(bool play);
    void showReplayMoment(const LoggedShot& shot, const ReplayMoment& moment);
    std::optional<std::size_t> chosenRow() const;

    const FormWindow& m_window;
    const ShotLog& m_log;
    const CourseState& m_course;
    std::vector<std::vector<std::string>> m_courseRows;  // as the course table shows them
    std::function<void()> m_closed;
    AnalysisWindowWidget* m_widget = nullptr;
    std::unique_ptr<ReplayPlayer> m_replay;
    std::optional<FacePoint> m_meanPointShown;
    std::uint64_t m_raisedSerial = 0;
    std::uint64_t m_shownRevision = ~std::uint64_t{0};
};
