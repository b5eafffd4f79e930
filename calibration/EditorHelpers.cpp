#include "calibration/EditorHelpers.h"

#include "media/PictureWriter.h"

#include <QFileInfo>

QString saveAsPath(const QString &chosen, const QString &original)
{
    if (chosen.isEmpty())
        return chosen;
    const QString suffix = QFileInfo(original).suffix();
    if (suffix.isEmpty() || !QFileInfo(chosen).suffix().isEmpty())
        return chosen;
    return chosen + QLatin1Char('.') + suffix;
}

bool writeImageFile(const QImage &image, const QString &path)
{
    return writePictureFile(image, path);
}

QRect printTargetRect(QSize picture, const QRect &page)
{
    if (picture.isEmpty() || page.isEmpty())
        return QRect();
    const QSize room(qMax(1, page.width() - 20), qMax(1, page.height() - 20));
    const QSize target = picture.scaled(room, Qt::KeepAspectRatio);
    const QPoint offset((page.width() - target.width()) / 2, (page.height() - target.height()) / 2);
    return QRect(page.topLeft() + offset, target);
}
