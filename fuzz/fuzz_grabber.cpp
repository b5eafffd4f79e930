// The frame path: whatever a camera delivers (JPEG or raw pixels in any format the grabber
// accepts, at any size and bytes per line, mirrored and adjusted or not), present() never
// reads outside the frame, never writes outside the buffer and never crashes.
//
// Input: a 10-byte header, then the frame's bytes.
//   0     pixel format: 1 + (byte modulo 33), every format from ARGB32 to YUV422P (present()
//         converts ABGR32 and YUV422P too, though the list it offers ends at AdobeDng)
//   1, 2  frame width and height, signed bytes (negative and zero sizes included)
//   3, 4  bytes per line, signed 16-bit little-endian, modulo 1024
//   5, 6  buffer width and height, 1 + (byte modulo 64)
//   7     bit 0 horizontal flip, bit 1 vertical flip, bits 2-3 offset of the frame's first byte
//         from an aligned address, bit 4 a half-size picture wanted
//   8, 9  gamma and brightness, modulo 101

#include "FuzzSupport.h"

#include "capture/CameraBuffer.h"
#include "capture/CameraFrameGrabber.h"

#include <QAbstractVideoBuffer>
#include <QVideoFrame>

#include <cstdint>
#include <cstring>
#include <memory>

namespace {

constexpr size_t kHeaderBytes = 10;

/// The frame's bytes in a heap block of exactly their size (plus the chosen misalignment),
/// so that the address sanitizer sees any read past them.
class ExactVideoBuffer final : public QAbstractVideoBuffer
{
public:
    ExactVideoBuffer(const uint8_t *data, size_t size, int bytesPerLine, int offset)
        : QAbstractVideoBuffer(NoHandle)
        , m_storage(new uchar[size + size_t(offset)])
        , m_size(int(size))
        , m_bytesPerLine(bytesPerLine)
    {
        m_data = m_storage.get() + offset;
        if (size)
            memcpy(m_data, data, size);
    }
    MapMode mapMode() const override { return m_mode; }
    uchar *map(MapMode mode, int *numBytes, int *bytesPerLine) override
    {
        m_mode = mode;
        *numBytes = m_size;
        *bytesPerLine = m_bytesPerLine;
        return m_data;
    }
    void unmap() override { m_mode = NotMapped; }

private:
    std::unique_ptr<uchar[]> m_storage;
    uchar *m_data = nullptr;
    int m_size = 0;
    int m_bytesPerLine = 0;
    MapMode m_mode = NotMapped;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSupport::initApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < kHeaderBytes)
        return 0;
    static CameraFrameGrabber grabber(nullptr, QStringLiteral("fuzz"));
    constexpr int kFormats = QVideoFrame::Format_YUV422P - QVideoFrame::Format_ARGB32 + 1;
    const auto format = QVideoFrame::PixelFormat(QVideoFrame::Format_ARGB32 + data[0] % kFormats);
    const int width = int8_t(data[1]);
    const int height = int8_t(data[2]);
    const int bytesPerLine = int(int16_t(uint16_t(data[3] | data[4] << 8))) % 1024;
    const int bufferWidth = 1 + data[5] % 64;
    const int bufferHeight = 1 + data[6] % 64;
    const bool hflip = data[7] & 1;
    const bool vflip = data[7] & 2;
    const int offset = (data[7] >> 2) & 3;
    grabber.setGamma(data[8] % 101);
    grabber.setBrightness(data[9] % 101);
    grabber.setResver(hflip, vflip);

    auto buffer = std::make_shared<CameraBuffer>();
    buffer->init(bufferWidth, bufferHeight, QImage::Format_RGB32);
    buffer->setHalfWanted(data[7] & 16);
    grabber.setBuffer(buffer);
    const QVideoFrame frame(
        new ExactVideoBuffer(data + kHeaderBytes, size - kHeaderBytes, bytesPerLine, offset),
        QSize(width, height), format);
    grabber.present(frame);
    grabber.setBuffer(nullptr);
    return 0;
}
