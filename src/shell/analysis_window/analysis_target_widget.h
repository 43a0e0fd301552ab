#pragma once

#include "analysis/shot_figures.h"

#include <QWidget>

#include <cstddef>
#include <optional>
#include <vector>

// The target of the shot analysis, drawn as vectors so that it is crisp at any scale: the ten
// rings, the numbered landing points of the series, their mean point as a cross, and the aim
// before the chosen shot in the trainers' colours, up to the chosen shot's mark, ringed in blue;
// while a replay plays, the trace so far and the aim then.
class AnalysisTargetWidget : public QWidget {
public:
    explicit AnalysisTargetWidget(QWidget* parent);

    void display(std::vector<FacePoint> landings, std::optional<FacePoint> meanPoint, std::vector<TracePoint> trace,
                 std::optional<std::size_t> chosen);
    // A replay's moment: the trace so far in place of the whole, and the aim then as a ring.
    void showReplay(std::vector<TracePoint> traceSoFar, std::optional<FacePoint> aim);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<FacePoint> m_landings;
    std::optional<FacePoint> m_meanPoint;
    std::vector<TracePoint> m_trace;
    std::optional<std::size_t> m_chosen;
    std::optional<FacePoint> m_aim;
};
