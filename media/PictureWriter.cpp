#include "media/PictureWriter.h"

#include "calibration/PictureScale.h"
#include "media/FileOps.h"
#include "media/ResultsCsv.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageWriter>

bool writePictureFile(const QImage &picture, const QString &path)
{
    if (picture.isNull())
        return false;
    // Encoded in memory first, then written in one checked call (see FileOps::writeReplacing).
    QByteArray encoded;
    QBuffer memory(&encoded);
    memory.open(QIODevice::WriteOnly);
    const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    QImage stored = picture;
    PictureScale::fitDensityToFormat(stored, format);
    QImageWriter writer(&memory, format);
    return writer.write(stored) && FileOps::writeReplacing(path, encoded);
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

void PictureWriter::write(const QImage &picture, const QString &path, int tag,
                          const QByteArray &results)
{
    m_pending.insert(path);
    m_pool.start([this, picture, path, tag, results] {
        const bool ok = writePictureFile(picture, path);
        QString failedCsv;
        if (ok && !results.isEmpty()) {
            const QString csv = ResultsCsv::csvPath(path);
            if (!ResultsCsv::writeFile(results, csv))
                failedCsv = csv;
        }
        QMetaObject::invokeMethod(
            this, [this, path, ok, tag, failedCsv] { onDone(path, ok, tag, failedCsv); },
            Qt::QueuedConnection);
    });
}

void PictureWriter::finish()
{
    m_pool.waitForDone();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void PictureWriter::onDone(const QString &path, bool ok, int tag, const QString &failedCsv)
{
    m_pending.remove(path);
    emit written(path, ok, tag);
    if (!failedCsv.isEmpty())
        emit resultsFailed(failedCsv);
}
