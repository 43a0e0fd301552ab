#include "shell/widget_sync.h"

#include "forms/rounding.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QWidget>

QRect pixelRect(const Control& c, float unitsPerPixel)
{
    return {roundHalfEven(c.Left / unitsPerPixel), roundHalfEven(c.Top / unitsPerPixel),
            roundHalfEven(c.Width / unitsPerPixel), roundHalfEven(c.Height / unitsPerPixel)};
}

void syncPlace(QWidget& widget, const Control& c, float unitsPerPixel)
{
    const QRect place = pixelRect(c, unitsPerPixel);
    if (widget.geometry() != place)
        widget.setGeometry(place);
    syncVisible(widget, c.Visible);
}

void syncVisible(QWidget& widget, bool visible)
{
    if (widget.isHidden() == visible)
        widget.setVisible(visible);
}

void syncCaption(QAbstractButton& button, const std::string& caption, std::string& shown)
{
    if (caption == shown)
        return;
    shown = caption;
    button.setText(QString::fromStdString(caption));
}

void syncText(QLineEdit& edit, const std::string& text, std::string& shown)
{
    if (text == shown)
        return;
    shown = text;
    edit.setText(QString::fromStdString(text));
}

void syncButton(ShownButton& button, float unitsPerPixel)
{
    syncPlace(*button.widget, *button.model, unitsPerPixel);
    syncCaption(*button.widget, button.model->Caption, button.caption);
}
