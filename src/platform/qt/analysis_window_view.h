#pragma once

#include "analysis/shot_figures.h"

#include <QString>

#include <cstdint>
#include <optional>

class AnalysisTargetWidget;
class CentredWindow;
struct CoachFigures;
class FormWindow;
class QLabel;
class QTableWidget;
class ShotLog;

// The shot analysis window: the target with the series and the aim before the chosen shot, a row
// for each scored shot with its landing point taken apart, the series' figures, and the earlier
// series of the run. Made on its first Show, centred on the screen; brought to the front at every
// Show; closing it only hides it. It reads the shot log and follows it after every event.
class AnalysisWindowView {
public:
    AnalysisWindowView(const FormWindow& window, const ShotLog& log);
    ~AnalysisWindowView();
    AnalysisWindowView(const AnalysisWindowView&) = delete;
    AnalysisWindowView& operator=(const AnalysisWindowView&) = delete;

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

    const FormWindow& m_window;
    const ShotLog& m_log;
    CentredWindow* m_widget = nullptr;
    AnalysisTargetWidget* m_target = nullptr;
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
    std::optional<FacePoint> m_meanPointShown;
    std::uint64_t m_raisedSerial = 0;
    std::uint64_t m_shownRevision = ~std::uint64_t{0};
};
