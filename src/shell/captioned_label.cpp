#include "shell/captioned_label.h"

#include <QLabel>

bool CaptionedLabel::show(const char* caption, const std::string& text) const
{
    const QString shown = QString::fromStdString(text);
    const bool changed = value->text() != shown;
    if (!changed && !value->accessibleName().isEmpty())
        return false;
    value->setText(shown);
    value->setAccessibleName(QString::fromUtf8(caption) + QStringLiteral(": ") + shown);
    return changed;
}
