#pragma once

#include <QString>
#include <QWidget>

// A child control of a window, named as the system names it. The pointer over a child is the
// child's: what the child ignores (Command1 ignores all but the left button) does not pass on to
// the window or view beneath it.
template <class W>
W* childWidget(QWidget* parent, const char* name)
{
    auto* w = new W(parent);
    w->setObjectName(QString::fromUtf8(name));
    w->setAttribute(Qt::WA_NoMousePropagation);
    return w;
}
