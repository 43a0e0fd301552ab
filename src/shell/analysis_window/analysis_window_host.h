#pragma once

#include "analysis/shot_figures.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

class AnalysisTargetWidget;
class CentredWindow;
struct CoachFigures;
class FormWindow;
class QLabel;
class QPushButton;
class QTableWidget;
class ReplayPlayer;
class SeriesChartWidget;
class ShotLog;
class SightPictureWidget;
struct ReplayMoment;

// The shot analysis window: the target with the series and the aim before the chosen shot, the
// sight picture of that shot and the button that replays its last two seconds, a row for each
// scored shot with its landing point taken apart, the series' figures, and the earlier series of
// the run in a table and, with the present one, in a chart. A new shot or a series reset stops a
// replay, as does choosing another shot. Made on its first Show, centred on the screen; brought
// to the front at every Show; closing it only hides it. It reads the shot log and follows it
// after every event.
class AnalysisWindowHost {
public:
    AnalysisWindowHost(const FormWindow& window, const ShotLog& log);
    ~AnalysisWindowHost();
    AnalysisWindowHost(const AnalysisWindowHost&) = delete;
    AnalysisWindowHost& operator=(const AnalysisWindowHost&) = delete;

    void sync();

    // A figure of the series, shown in its label and read by a screen reader under its caption.
    struct Figure {
        QLabel* value = nullptr;
        QString caption;
        void show(const QString& text) const;
    };

private:
    void make();
    void showSeries();
    void showCoach(const CoachFigures& f);
    void showChosenShot();
    void showSights(const std::optional<SightReading>& sights);
    void stopReplay();
    void playOrStop(bool play);
    void showReplayMoment(const LoggedShot& shot, const ReplayMoment& moment);
    std::optional<std::size_t> chosenRow() const;

    const FormWindow& m_window;
    const ShotLog& m_log;
    CentredWindow* m_widget = nullptr;
    AnalysisTargetWidget* m_target = nullptr;
    SightPictureWidget* m_sights = nullptr;
    QPushButton* m_play = nullptr;
    std::unique_ptr<ReplayPlayer> m_replay;
    SeriesChartWidget* m_chart = nullptr;
    QTableWidget* m_shots = nullptr;
    QTableWidget* m_earlier = nullptr;
    Figure m_points;
    Figure m_decimal;
    Figure m_meanPoint;
    Figure m_groupSize;
    Figure m_suggested;
    Figure m_lostToHold;
    Figure m_lostToAlignment;
    Figure m_lostToSettings;
    Figure m_meanTraceSecond;
    Figure m_meanTracePress;
    Figure m_meanTenPercent;
    Figure m_meanExpected;
    Figure m_advice;
    Figure m_bladeOffset;
    std::optional<FacePoint> m_meanPointShown;
    std::uint64_t m_raisedSerial = 0;
    std::uint64_t m_shownRevision = ~std::uint64_t{0};
};
