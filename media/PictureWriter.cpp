#include "media/PictureWriter.h"

#include "calibration/PictureScale.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

bool writePictureFile(const QImage &picture, const QString &path)
{
    if (picture.isNull())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    QImage stored = picture;
    PictureScale::fitDensityToFormat(stored, format);
    QImageWriter writer(&file, format);
    if (!writer.write(stored)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

PictureWriter::PictureWriter(QObject *parent)
    : QObject(parent)
{
    // One writer thread keeps the files in the order taken and leaves the second core to the
    // window and the camera.
    m_pool.setMaxThreadCount(1);
}

PictureWriter::~PictureWriter()
{
    m_pool.waitForDone();
}

void PictureWriter::write(const QImage &picture, const QString &path, int tag)
{
    m_pending.insert(path);
    m_pool.start([this, picture, path, tag] {
        const bool ok = writePictureFile(picture, path);
        QMetaObject::invokeMethod(
            this, [this, path, ok, tag] { onDone(path, ok, tag); }, Qt::QueuedConnection);
    });
}

void PictureWriter::finish()
{
    m_pool.waitForDone();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void PictureWriter::onDone(const QString &path, bool ok, int tag)
{
    m_pending.remove(path);
    emit written(path, ok, tag);
}
