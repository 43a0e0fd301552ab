#pragma once

#include "forms/control.h"

#include <QRect>

#include <string>

class QAbstractButton;
class QLineEdit;
class QPushButton;
class QWidget;

// A push button that shows a model's button, with the caption it shows.
struct ShownButton {
    QPushButton* widget = nullptr;
    const Button* model = nullptr;
    std::string caption;
};

// Helpers that bring a widget up to date with its control. Each one touches the widget only
// where the control differs from what the widget shows.

// The control's place in whole pixels, from the container's scale of `unitsPerPixel`.
QRect pixelRect(const Control& c, float unitsPerPixel = 1);

void syncPlace(QWidget& widget, const Control& c, float unitsPerPixel = 1);
// Shows or hides the widget where it is not already so, whether or not its window is shown yet.
void syncVisible(QWidget& widget, bool visible);
// `shown` remembers the caption the button shows, so that an unchanged one costs no conversion.
void syncCaption(QAbstractButton& button, const std::string& caption, std::string& shown);
void syncText(QLineEdit& edit, const std::string& text, std::string& shown);
void syncButton(ShownButton& button, float unitsPerPixel = 1);
