#pragma once

#include "analysis/window_text.h"
#include "shell/analysis_window/captioned_widgets.h"
#include "shell/centred_window.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

class AnalysisTargetWidget;
class QPushButton;
class QTableWidget;
class SeriesChartWidget;
class SightPictureWidget;

// The shot analysis window and its children in their places: on the left the target, the sight
// picture, the chosen shot's landing point taken apart and the blade's offset, and the replay's
// button; on the right the series' shots, its
// figures and the coach's, the advice, the results of the last course while there are some, and
// the run's earlier series in a table and a chart.
// Closing it is reported, and the window hides.
class AnalysisWindowWidget : public CentredWindow {
public:
    AnalysisWindowWidget(const std::string& caption, std::function<void()> closed);

    AnalysisTargetWidget* target = nullptr;
    SightPictureWidget* sights = nullptr;
    QPushButton* play = nullptr;
    FigureLabel bladeOffset;
    QTableWidget* shots = nullptr;
    QTableWidget* earlier = nullptr;
    QWidget* courseHeading = nullptr;
    QTableWidget* course = nullptr;
    SeriesChartWidget* chart = nullptr;
    // Each label of the series' and the coach's figures, and of the chosen shot's, with the
    // figure it shows.
    std::vector<std::pair<FigureLabel, FigureText SeriesText::*>> figures;
    std::vector<std::pair<FigureLabel, FigureText ChosenShotText::*>> chosenShot;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void()> m_closed;
};
