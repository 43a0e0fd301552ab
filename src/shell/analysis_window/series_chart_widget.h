#pragma once

#include "analysis/series_figures.h"

#include <QWidget>

#include <vector>

// The run's series as a chart, drawn as vectors: the points of each series as dots and its decimal
// total as rings, joined from the oldest on the left to the newest on the right, each with its
// figures; the present series, the last, on a shaded band. A screen reader reads every figure in
// its description.
class SeriesChartWidget : public QWidget {
public:
    explicit SeriesChartWidget(QWidget* parent);

    // The last of the run is the present series; while it has no shot it has a band and no point.
    void display(std::vector<SeriesFigures> run);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<SeriesFigures> m_run;
};
