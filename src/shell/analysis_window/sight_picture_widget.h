#pragma once

#include "analysis/sight_picture.h"

#include <QWidget>

#include <optional>

// The sight picture of one reading, drawn as vectors round the rear sight and magnified eight
// times: the lower part of the bull it was held on, the rear sight and the blade, and in a dashed
// outline where the shot reads a level blade centred in the notch, so that the blade's offset the
// shot read shows as the gap between the two.
class SightPictureWidget : public QWidget {
public:
    explicit SightPictureWidget(QWidget* parent);

    // Nothing but the background for no reading.
    void display(const std::optional<SightReading>& sights);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<SightPicture> m_picture;
};
