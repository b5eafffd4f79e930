#pragma once

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QString>
#include <QThreadPool>

/// Writes captured pictures on a worker thread, so that encoding an 8-megapixel PNG never holds
/// up the window.
///
/// Called on the GUI thread only. write() returns at once; written(path, ok, tag) follows on
/// the GUI thread once the file is complete (ok) or has failed (nothing is left on disk then:
/// the file is written under a temporary name and renamed when whole). A path counts as
/// pending from write() until its written() signal, so a name chooser can avoid it.
/// finish() waits for every write and delivers their signals; the destructor waits too, but
/// its signals are lost, so owners that record the results call finish() first.
class PictureWriter : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(PictureWriter)

public:
    explicit PictureWriter(QObject *parent = nullptr);
    ~PictureWriter() override;

    /// Starts writing picture to path in the format named by its suffix (default quality).
    /// tag is handed back with the result. A non-empty `results` table goes beside a picture
    /// that was written, as ResultsCsv::csvPath(path), by the same thread.
    void write(const QImage &picture, const QString &path, int tag = -1,
               const QByteArray &results = QByteArray());
    bool isPending(const QString &path) const { return m_pending.contains(path); }
    int pendingCount() const { return m_pending.size(); }

    /// Waits for the writes in flight and emits their written() signals before returning.
    void finish();

signals:
    void written(const QString &path, bool ok, int tag);
    /// The results table of a picture that was written could not be; the picture stays.
    void resultsFailed(const QString &csvPath);

private:
    void onDone(const QString &path, bool ok, int tag, const QString &failedCsv);

    QThreadPool m_pool;
    QSet<QString> m_pending;
};

/// Writes picture to path in the format of the path's suffix, atomically (temporary file,
/// renamed when complete). False for a null picture, an unknown suffix, a folder that does not
/// exist or cannot be written, or a full disk.
bool writePictureFile(const QImage &picture, const QString &path);
