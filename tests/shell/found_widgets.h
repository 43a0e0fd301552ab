#pragma once

#include <QApplication>
#include <QString>
#include <QWidget>
#include <QtTest>

// The widgets of the program by the object names they carry, as a user's tools find them.
template <class W = QWidget>
W& childNamed(const QWidget& parent, const QString& name)
{
    W* found = parent.findChild<W*>(name);
    if (!found)
        qFatal("no child widget named %s", qPrintable(name));
    return *found;
}

// A top-level window by its object name, or null when there is none.
inline QWidget* windowNamed(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name)
            return w;
    return nullptr;
}
