#pragma once

#include "analysis/shot_figures.h"

#include <QWidget>

#include <cstddef>
#include <optional>
#include <vector>

// The target of the shot analysis, drawn as vectors so that it is crisp at any scale: the ten
// rings, the numbered landing points of the series, their mean point as a cross, and the aim
// before the chosen shot in the trainers' colours, up to the chosen shot's mark, ringed in blue.
class AnalysisTargetWidget : public QWidget {
public:
    explicit AnalysisTargetWidget(QWidget* parent);

    void display(std::vector<FacePoint> landings, std::optional<FacePoint> meanPoint, std::vector<TracePoint> trace,
                 std::optional<std::size_t> chosen);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<FacePoint> m_landings;
    std::optional<FacePoint> m_meanPoint;
    std::vector<TracePoint> m_trace;
    std::optional<std::size_t> m_chosen;
};
