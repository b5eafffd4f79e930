#include "media/ThumbnailLoader.h"

#include "media/VideoThumbnail.h"

#include <QImageReader>

QImage pictureThumbnail(const QString &path, QSize size)
{
    QImageReader reader(path);
    // JPEG decodes at a fraction of its size this way; other formats are scaled after decoding,
    // still on the worker.
    reader.setScaledSize(size);
    return reader.read();
}

ThumbnailLoader::ThumbnailLoader(QSize size, QObject *parent)
    : QObject(parent)
    , m_size(size)
{}

ThumbnailLoader::~ThumbnailLoader()
{
    cancel();
    m_pool.waitForDone();
}

void ThumbnailLoader::request(const QString &path, bool video)
{
    const int generation = *m_generation;
    const auto current = m_generation;
    const QSize size = m_size;
    m_pool.start([this, path, video, generation, current, size] {
        if (*current != generation)
            return;
        QImage thumbnail;
        if (video) {
            thumbnail = videoThumbnail(path);
            if (!thumbnail.isNull())
                thumbnail = thumbnail.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        } else {
            thumbnail = pictureThumbnail(path, size);
        }
        QMetaObject::invokeMethod(
            this,
            [this, path, thumbnail, generation, current] {
                if (*current == generation)
                    emit loaded(path, thumbnail);
            },
            Qt::QueuedConnection);
    });
}

void ThumbnailLoader::cancel()
{
    ++*m_generation;
    m_pool.clear();
}
