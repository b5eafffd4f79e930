#include "calibration/EditorHelpers.h"

#include "calibration/PictureScale.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

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
    if (image.isNull())
        return false;
    const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImage stored = image;
    PictureScale::fitDensityToFormat(stored, format);
    QImageWriter writer(&file, format);
    if (!writer.write(stored)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
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
