#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

// Pure helpers of the measurement editor: file names, the picture write and the print layout.

/// The name "另存为" saves under: the typed name, with the original picture's suffix added
/// when the typed name has none (a file without a suffix would have no format to save in).
QString saveAsPath(const QString &chosen, const QString &original);

/// Encodes the picture in the format its path's suffix names and replaces the file at `path`
/// only when the whole picture was written: the original survives any failure. False when the
/// format is unknown or the file could not be written. Safe on any thread.
bool writeImageFile(const QImage &image, const QString &path);

/// Where a picture lands on a printed page: scaled into the page less a 10-pixel border on each
/// side, aspect ratio kept, and centred on the page, in the page's device coordinates.
QRect printTargetRect(QSize picture, const QRect &page);
