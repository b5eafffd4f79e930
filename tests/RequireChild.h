#pragma once

#include <QObject>

/// The named child of a window; a test that cannot find it has nothing to test, so it stops.
template <typename T> T *requireChild(const QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}
