#pragma once

#include <QWidget>

#include <cstdint>

class AnalysisTargetWidget;
class CentredWindow;
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

private:
    void make();
    void showSeries();
    void showChosenShot();

    const FormWindow& m_window;
    const ShotLog& m_log;
    CentredWindow* m_widget = nullptr;
    AnalysisTargetWidget* m_target = nullptr;
    QTableWidget* m_shots = nullptr;
    QTableWidget* m_earlier = nullptr;
    QLabel* m_points = nullptr;
    QLabel* m_decimal = nullptr;
    QLabel* m_meanPoint = nullptr;
    QLabel* m_groupSize = nullptr;
    QLabel* m_suggested = nullptr;
    std::uint64_t m_raisedSerial = 0;
    std::uint64_t m_shownRevision = ~std::uint64_t{0};
};
