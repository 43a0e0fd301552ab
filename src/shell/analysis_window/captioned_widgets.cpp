#include "shell/analysis_window/captioned_widgets.h"

#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

FigureLabel addFigure(QFormLayout& form, const char* name, const char* caption)
{
    auto* value = new QLabel;
    value->setObjectName(QString::fromLatin1(name));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* label = new QLabel(QString::fromUtf8(caption) + QLatin1Char(':'));
    label->setBuddy(value);
    form.addRow(label, value);
    return {{value}};
}

QTableWidget* captionedTable(QWidget* parent, const char* name, const char* spokenName,
                             std::span<const char* const> columns)
{
    auto* t = new QTableWidget(0, static_cast<int>(columns.size()), parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setAccessibleName(QString::fromUtf8(spokenName));
    QStringList headers;
    for (const char* caption : columns)
        headers << QString::fromUtf8(caption);
    t->setHorizontalHeaderLabels(headers);
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return t;
}

void showRows(QTableWidget& table, const std::vector<std::vector<std::string>>& rows)
{
    table.setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < table.rowCount(); ++row) {
        const std::vector<std::string>& cells = rows[static_cast<std::size_t>(row)];
        for (int column = 0; column < static_cast<int>(cells.size()); ++column) {
            const QString text = QString::fromStdString(cells[static_cast<std::size_t>(column)]);
            auto* item = new QTableWidgetItem(text);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            const QString caption =
                table.horizontalHeaderItem(column)->text().replace(QLatin1Char('\n'), QLatin1Char(' '));
            item->setData(Qt::AccessibleTextRole, text.isEmpty() ? caption : caption + QStringLiteral(": ") + text);
            table.setItem(row, column, item);
        }
    }
}
