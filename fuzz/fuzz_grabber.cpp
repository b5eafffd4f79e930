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
//   7     bit 0 horizontal flip, bit 1 vertical flip, bits 2-3 where the bytes lie (0: ending at
//         an unreadable page; 1-3: in a heap block, the first byte that far off a 4-byte
//         boundary), bit 4 a half-size picture wanted
//   8, 9  gamma and brightness, modulo 101

#include "FuzzSupport.h"

#include "capture/CameraBuffer.h"
#include "capture/CameraFrameGrabber.h"

#include <QAbstractVideoBuffer>
#include <QVideoFrame>

#include <cstdint>
#include <cstring>
#include <memory>
#include <sys/mman.h>
#include <unistd.h>

namespace {

constexpr size_t kHeaderBytes = 10;

/// The frame's bytes where a read past them is seen. With an offset of 0 they end right before
/// an unreadable page (where they start follows from their size), so that a read by code built
/// without the sanitizers (the toolkit's converters, libyuv) faults too. Otherwise they lie in a
/// heap block of exactly their size, the first byte that many bytes off a 4-byte boundary, where
/// the address sanitizer also sees a read before them.
class CheckedVideoBuffer final : public QAbstractVideoBuffer
{
public:
    CheckedVideoBuffer(const uint8_t *data, size_t size, int bytesPerLine, int offset)
        : QAbstractVideoBuffer(NoHandle)
        , m_size(int(size))
        , m_bytesPerLine(bytesPerLine)
    {
        if (offset == 0) {
            const size_t page = size_t(sysconf(_SC_PAGESIZE));
            m_mappedLength = (size + page - 1) / page * page + page;
            void *base = mmap(nullptr, m_mappedLength, PROT_READ | PROT_WRITE,
                              MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
            if (base == MAP_FAILED)
                FuzzSupport::fail("no memory for the frame");
            m_mapped = static_cast<uchar *>(base);
            mprotect(m_mapped + m_mappedLength - page, page, PROT_NONE);
            m_data = m_mapped + m_mappedLength - page - size;
        } else {
            m_storage.reset(new uchar[size + size_t(offset)]);
            m_data = m_storage.get() + offset;
        }
        if (size)
            memcpy(m_data, data, size);
    }
    ~CheckedVideoBuffer() override
    {
        if (m_mapped)
            munmap(m_mapped, m_mappedLength);
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
    uchar *m_mapped = nullptr;
    size_t m_mappedLength = 0;
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
    // A view picture of some smaller size when bit 4 asks for one (data[5], data[6] again).
    if (data[7] & 16)
        buffer->setViewWanted(QSize(1 + data[6] % bufferWidth, 1 + data[5] % bufferHeight));
    grabber.setBuffer(buffer);
    const QVideoFrame frame(
        new CheckedVideoBuffer(data + kHeaderBytes, size - kHeaderBytes, bytesPerLine, offset),
        QSize(width, height), format);
    grabber.present(frame);
    grabber.setBuffer(nullptr);
    return 0;
}
