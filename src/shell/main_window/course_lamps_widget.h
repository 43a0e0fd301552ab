#pragma once

#include "course/course_panel.h"

#include <QRect>
#include <QWidget>

// The range's two lights, red and green, side by side above the plates where the shooter looks,
// the one the course lights bright and the other dark. Hidden while no course runs.
class CourseLampsWidget : public QWidget {
public:
    explicit CourseLampsWidget(QWidget* parent);

    void sync(const CoursePanel& panel);

    // Its place in the range view's pixels, clear of the bulls' row; each lamp is a disc filling
    // its half.
    static constexpr QRect place{381, 44, 76, 36};

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Lamp m_lit = Lamp::None;
};
