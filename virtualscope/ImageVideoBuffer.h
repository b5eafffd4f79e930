#pragma once

#include <QAbstractVideoBuffer>
#include <QByteArray>
#include <QImage>

/// A read-only video buffer over an implicitly shared picture or JPEG byte block, so the
/// virtual cameras hand out pre-rendered frames without copying them.
class ImageVideoBuffer final : public QAbstractVideoBuffer
{
public:
    explicit ImageVideoBuffer(const QImage &image);
    explicit ImageVideoBuffer(const QByteArray &jpeg);

    MapMode mapMode() const override { return m_mode; }
    uchar *map(MapMode mode, int *numBytes, int *bytesPerLine) override;
    void unmap() override { m_mode = NotMapped; }

private:
    QImage m_image;
    QByteArray m_jpeg;
    MapMode m_mode = NotMapped;
};
