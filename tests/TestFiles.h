#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

/// Writes the bytes to a file of their own; false if any of them did not reach it.
inline bool writeFile(const QString &path, const QByteArray &bytes = "x")
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

/// A file's bytes; empty if it cannot be read.
inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
