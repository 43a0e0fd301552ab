#include "shell/captioned_label.h"

#include <QLabel>

void CaptionedLabel::show(const char* caption, const std::string& text) const
{
    const QString shown = QString::fromStdString(text);
    if (value->text() == shown && !value->accessibleName().isEmpty())
        return;
    value->setText(shown);
    value->setAccessibleName(QString::fromUtf8(caption) + QStringLiteral(": ") + shown);
}
