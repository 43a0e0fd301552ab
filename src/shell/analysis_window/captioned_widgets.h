#pragma once

#include "analysis/window_text.h"
#include "shell/captioned_label.h"

#include <QString>

#include <span>
#include <string>
#include <vector>

class QFormLayout;
class QLabel;
class QTableWidget;
class QWidget;

// A figure's value beside its caption.
struct FigureLabel : CaptionedLabel {
    void show(const FigureText& text) const { CaptionedLabel::show(text.caption, text.value); }
};
FigureLabel addFigure(QFormLayout& form, const char* name, const char* caption);

// A table of whole rows, chosen one at a time, that nobody edits.
QTableWidget* captionedTable(QWidget* parent, const char* name, const char* spokenName,
                             std::span<const char* const> columns);
// Fills the table with the rows; a screen reader reads each cell under its column's caption.
void showRows(QTableWidget& table, const std::vector<std::vector<std::string>>& rows);
