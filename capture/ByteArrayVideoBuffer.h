#pragma once

#include <QAbstractVideoBuffer>
#include <QByteArray>

/// A video buffer over bytes in memory, e.g. a compressed (JPEG) frame or packed pixels.
/// Lets synthetic frames go through the same path as a camera's.
class ByteArrayVideoBuffer final : public QAbstractVideoBuffer
{
public:
    explicit ByteArrayVideoBuffer(const QByteArray &data, int bytesPerLine = 0);

    MapMode mapMode() const override { return m_mode; }
    uchar *map(MapMode mode, int *numBytes, int *bytesPerLine) override;
    void unmap() override { m_mode = NotMapped; }

private:
    QByteArray m_data;
    int m_bytesPerLine = 0;
    MapMode m_mode = NotMapped;
};
