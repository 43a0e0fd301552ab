#include "shell/fitted_font.h"

#include <QFontMetricsF>

QFont fittedFont(QFont font, const QString& text, qreal room, qreal smallest)
{
    while (font.pointSizeF() > smallest && QFontMetricsF(font).horizontalAdvance(text) > room)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    return font;
}
