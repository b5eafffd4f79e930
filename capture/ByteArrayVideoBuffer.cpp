#include "capture/ByteArrayVideoBuffer.h"

ByteArrayVideoBuffer::ByteArrayVideoBuffer(const QByteArray &data, int bytesPerLine)
    : QAbstractVideoBuffer(NoHandle)
    , m_data(data)
    , m_bytesPerLine(bytesPerLine)
{}

uchar *ByteArrayVideoBuffer::map(MapMode mode, int *numBytes, int *bytesPerLine)
{
    if (m_mode != NotMapped || mode == NotMapped)
        return nullptr;
    m_mode = mode;
    if (numBytes)
        *numBytes = m_data.size();
    if (bytesPerLine)
        *bytesPerLine = m_bytesPerLine;
    // Read-only maps share the bytes; writing detaches them first.
    if (mode == ReadOnly)
        return reinterpret_cast<uchar *>(const_cast<char *>(m_data.constData()));
    return reinterpret_cast<uchar *>(m_data.data());
}
