#include "virtualscope/ImageVideoBuffer.h"

ImageVideoBuffer::ImageVideoBuffer(const QImage &image)
    : QAbstractVideoBuffer(NoHandle)
    , m_image(image)
{}

ImageVideoBuffer::ImageVideoBuffer(const QByteArray &jpeg)
    : QAbstractVideoBuffer(NoHandle)
    , m_jpeg(jpeg)
{}

uchar *ImageVideoBuffer::map(MapMode mode, int *numBytes, int *bytesPerLine)
{
    // The frames are shared with the ring of pre-rendered pictures: reading only.
    if (mode != ReadOnly || m_mode != NotMapped)
        return nullptr;
    m_mode = mode;
    if (!m_image.isNull()) {
        if (numBytes)
            *numBytes = int(m_image.sizeInBytes());
        if (bytesPerLine)
            *bytesPerLine = m_image.bytesPerLine();
        return const_cast<uchar *>(m_image.constBits());
    }
    if (numBytes)
        *numBytes = m_jpeg.size();
    if (bytesPerLine)
        *bytesPerLine = m_jpeg.size();
    return reinterpret_cast<uchar *>(const_cast<char *>(m_jpeg.constData()));
}
