#pragma once

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <memory>

/// Makes the browsers' thumbnails on worker threads: pictures are decoded at thumbnail size
/// (QImageReader::setScaledSize), videos through their first picture.
///
/// Called on the GUI thread only. request() returns at once; loaded(path, thumbnail) follows on
/// the GUI thread, in the order the requests finish, with a null thumbnail for files that do
/// not decode. cancel() drops every request not yet delivered (a folder being refilled); the
/// destructor cancels and waits for the decodes in flight.
class ThumbnailLoader : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(ThumbnailLoader)

public:
    explicit ThumbnailLoader(QSize size, QObject *parent = nullptr);
    ~ThumbnailLoader() override;

    /// Queues the thumbnail of path: a video when video is true, else a picture.
    void request(const QString &path, bool video);
    void cancel();

signals:
    void loaded(const QString &path, const QImage &thumbnail);

private:
    QSize m_size;
    QThreadPool m_pool;
    // Raised by cancel(): every request made before sees its generation outdated.
    std::shared_ptr<std::atomic<int>> m_generation = std::make_shared<std::atomic<int>>(0);
};

/// A picture file decoded straight to size (aspect ratio ignored), or null.
QImage pictureThumbnail(const QString &path, QSize size);
