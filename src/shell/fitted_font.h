#pragma once

#include <QFont>
#include <QString>

// The font in the largest size, from its own down to `smallest` points in steps of half a point,
// that sets the text within `room` pixels.
QFont fittedFont(QFont font, const QString& text, qreal room, qreal smallest);
