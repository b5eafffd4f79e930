#include "JpegTestData.h"

#include "capture/ByteArrayVideoBuffer.h"
#include "capture/CameraBuffer.h"
#include "capture/CameraFrameGrabber.h"
#include "capture/FrameEvent.h"
#include "capture/PixelAdjust.h"
#include "scene/DisplayPicture.h"

#include <QtTest>

#include <sys/mman.h>
#include <unistd.h>

#include <thread>
#include <turbojpeg.h>

namespace {

/// Stands in for the camera service: counts the frame events it receives and, like the
/// service, re-arms the buffer's notification before looking at the frame.
class FrameReceiver final : public QObject
{
public:
    int count = 0;
    QString lastId;
    CameraBuffer *buffer = nullptr;

protected:
    bool event(QEvent *e) override
    {
        if (e->type() != FrameEvent::frameEventType())
            return QObject::event(e);
        if (buffer)
            buffer->notificationReceived();
        ++count;
        lastId = static_cast<FrameEvent *>(e)->cameraId();
        return true;
    }
};

/// Frame bytes that end right before an inaccessible page: reading past them faults.
class GuardedVideoBuffer final : public QAbstractVideoBuffer
{
public:
    GuardedVideoBuffer(const QByteArray &bytes, int bytesPerLine)
        : QAbstractVideoBuffer(NoHandle)
        , m_size(bytes.size())
        , m_bytesPerLine(bytesPerLine)
    {
        const size_t page = size_t(sysconf(_SC_PAGESIZE));
        m_length = (size_t(m_size) + page - 1) / page * page + page;
        void *base =
            mmap(nullptr, m_length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (base == MAP_FAILED)
            return;
        m_base = static_cast<uchar *>(base);
        mprotect(m_base + m_length - page, page, PROT_NONE);
        m_data = m_base + m_length - page - m_size;
        memcpy(m_data, bytes.constData(), size_t(m_size));
    }
    ~GuardedVideoBuffer() override
    {
        if (m_base)
            munmap(m_base, m_length);
    }
    MapMode mapMode() const override { return m_mode; }
    uchar *map(MapMode mode, int *numBytes, int *bytesPerLine) override
    {
        if (!m_data)
            return nullptr;
        m_mode = mode;
        *numBytes = m_size;
        *bytesPerLine = m_bytesPerLine;
        return m_data;
    }
    void unmap() override { m_mode = NotMapped; }

private:
    int m_size = 0;
    int m_bytesPerLine = 0;
    size_t m_length = 0;
    uchar *m_base = nullptr;
    uchar *m_data = nullptr;
    MapMode m_mode = NotMapped;
};

QImage bufferImage(CameraBuffer &buffer)
{
    if (!buffer.getBuffer())
        return QImage();
    const QImage copy = buffer.toImage().copy();
    buffer.releaseBuffer();
    return copy;
}

/// The frame through the three separate steps, as the reference pipeline computes it.
QImage expectedPicture(const QImage &rgb32, bool hf, bool vf, int gamma, int bright)
{
    QImage out(rgb32.size(), QImage::Format_RGB32);
    out.fill(0);
    PixelAdjust::processPixels(rgb32.constBits(), out.bits(), rgb32.width(), rgb32.height(), hf,
                               vf);
    PixelAdjust::processGamma(out.bits(), out.width(), out.height(), gamma);
    PixelAdjust::processBright(out.bits(), out.width(), out.height(), bright);
    return out;
}

/// Colours only: the step-by-step mirror leaves byte 3 unwritten, the grabber copies it.
bool sameColours(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y) {
        const auto *ra = reinterpret_cast<const quint32 *>(a.constScanLine(y));
        const auto *rb = reinterpret_cast<const quint32 *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if ((ra[x] ^ rb[x]) & 0x00ffffff) {
                qWarning() << "differs at" << x << y << Qt::hex << ra[x] << rb[x];
                return false;
            }
        }
    }
    return true;
}

QImage solid(int w, int h, QRgb colour)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(colour);
    return img;
}

} // namespace

class tst_CameraFrameGrabber : public QObject
{
    Q_OBJECT

private:
    std::shared_ptr<CameraBuffer> m_buffer;
    std::unique_ptr<CameraFrameGrabber> m_grabber;
    std::unique_ptr<FrameReceiver> m_receiver;

private slots:
    void init()
    {
        m_buffer = std::make_shared<CameraBuffer>();
        m_buffer->init(64, 48, QImage::Format_RGB32);
        m_receiver = std::make_unique<FrameReceiver>();
        m_receiver->buffer = m_buffer.get();
        m_grabber = std::make_unique<CameraFrameGrabber>(nullptr, QStringLiteral("cam-1"));
        m_grabber->setBuffer(m_buffer);
        m_grabber->setFrameReceiver(m_receiver.get());
    }

    void cleanup()
    {
        m_grabber.reset();
        m_receiver.reset();
        m_buffer.reset();
    }

    void supportedFormats()
    {
        const auto formats = m_grabber->supportedPixelFormats(QAbstractVideoBuffer::NoHandle);
        QCOMPARE(formats.size(), 32);
        QCOMPARE(formats.first(), QVideoFrame::Format_ARGB32);
        QCOMPARE(formats.last(), QVideoFrame::Format_AdobeDng);
        QCOMPARE(m_grabber->supportedPixelFormats(QAbstractVideoBuffer::GLTextureHandle), formats);
    }

    void adjustments_data()
    {
        QTest::addColumn<bool>("jpeg");
        QTest::addColumn<bool>("hflip");
        QTest::addColumn<bool>("vflip");
        QTest::addColumn<int>("gamma");
        QTest::addColumn<int>("brightness");
        for (bool jpeg : {false, true}) {
            const char *kind = jpeg ? "jpeg" : "rgb32";
            QTest::addRow("%s neutral", kind) << jpeg << false << false << 50 << 50;
            QTest::addRow("%s horizontal", kind) << jpeg << true << false << 50 << 50;
            QTest::addRow("%s vertical", kind) << jpeg << false << true << 50 << 50;
            QTest::addRow("%s both flips", kind) << jpeg << true << true << 50 << 50;
            QTest::addRow("%s gamma 0", kind) << jpeg << false << false << 0 << 50;
            QTest::addRow("%s brightness 100", kind) << jpeg << false << false << 50 << 100;
            QTest::addRow("%s all", kind) << jpeg << true << true << 70 << 35;
            QTest::addRow("%s horizontal adjusted", kind) << jpeg << true << false << 20 << 60;
            QTest::addRow("%s vertical adjusted", kind) << jpeg << false << true << 90 << 10;
        }
    }

    void adjustments()
    {
        QFETCH(bool, jpeg);
        QFETCH(bool, hflip);
        QFETCH(bool, vflip);
        QFETCH(int, gamma);
        QFETCH(int, brightness);
        m_grabber->setResver(hflip, vflip);
        m_grabber->setGamma(gamma);
        m_grabber->setBrightness(brightness);

        const QImage picture = JpegTestData::cameraPicture(64, 48, 9);
        QImage converted = picture;
        QVideoFrame frame(picture);
        if (jpeg) {
            const QByteArray bytes = JpegTestData::encode(picture, TJSAMP_422);
            converted = QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32);
            frame = JpegTestData::jpegFrame(bytes, picture.size());
        }
        QVERIFY(m_grabber->present(frame));
        const QImage stored = bufferImage(*m_buffer);
        QVERIFY(sameColours(stored, expectedPicture(converted, hflip, vflip, gamma, brightness)));

        // Asked for, a frame comes with its view picture (a top-down JPEG one made strip by
        // strip as decoded and placed): the pixels the view makes of the stored frame.
        for (const QSize view : {QSize(32, 24), QSize(40, 30), QSize(15, 11)}) {
            m_buffer->setViewWanted(view);
            QVERIFY(m_grabber->present(frame));
            QImage shown;
            QCOMPARE(m_buffer->shareFrame(&shown), stored);
            QCOMPARE(shown, DisplayPicture::scaled(stored, view));
        }
        m_buffer->setViewWanted(QSize());
        QVERIFY(m_grabber->present(frame));
        QImage none;
        QVERIFY(!m_buffer->shareFrame(&none).isNull());
        QVERIFY(none.isNull());

        if (hflip || vflip || gamma != 50 || brightness != 50)
            return;
        // Neutral settings leave the converted frame bit-identical, byte 3 included.
        QCOMPARE(stored, converted);
        QTRY_COMPARE(m_receiver->count, 1);
        QCOMPARE(m_receiver->lastId, QStringLiteral("cam-1"));
    }

    void otherPixelFormats_data()
    {
        QTest::addColumn<QImage>("image");
        const QImage picture = JpegTestData::cameraPicture(64, 48, 5);
        QImage translucent = picture.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < translucent.height(); ++y)
            for (int x = 0; x < translucent.width(); ++x)
                translucent.setPixel(x, y, (translucent.pixel(x, y) & 0x00ffffff) | 0x80000000);
        QTest::newRow("ARGB32") << translucent;
        QTest::newRow("RGB888") << picture.convertToFormat(QImage::Format_RGB888);
        QTest::newRow("RGB16") << picture.convertToFormat(QImage::Format_RGB16);
    }

    void otherPixelFormats()
    {
        QFETCH(QImage, image);
        m_grabber->setResver(true, false);
        QVERIFY(m_grabber->present(QVideoFrame(image)));
        // The toolkit's conversion to RGB32, mirrored; alpha becomes opaque.
        const QImage expected = image.convertToFormat(QImage::Format_RGB32).mirrored(true, false);
        QCOMPARE(bufferImage(*m_buffer), expected);
    }

    void yuyv()
    {
        // Mid grey in YUYV (Y 126, U = V = 128): grey in RGB, limited range expanded.
        QByteArray bytes(64 * 2 * 48, char(0));
        for (int i = 0; i < bytes.size(); i += 2) {
            bytes[i] = char(126);
            bytes[i + 1] = char(128);
        }
        QVideoFrame frame(new ByteArrayVideoBuffer(bytes, 64 * 2), QSize(64, 48),
                          QVideoFrame::Format_YUYV);
        QVERIFY(m_grabber->present(frame));
        const QImage stored = bufferImage(*m_buffer);
        const QRgb p = stored.pixel(10, 10);
        QVERIFY2(qAbs(qRed(p) - 128) <= 1 && qRed(p) == qGreen(p) && qGreen(p) == qBlue(p),
                 qPrintable(QString::number(p, 16)));
    }

    void packedYuvOddWidth_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("bytesPerLine");
        QTest::addColumn<bool>("sameSize");
        QTest::addColumn<bool>("shown");
        for (const int format : {int(QVideoFrame::Format_YUYV), int(QVideoFrame::Format_UYVY)}) {
            const char *name = format == QVideoFrame::Format_YUYV ? "YUYV" : "UYVY";
            for (const int width : {1, 5, 63}) {
                const int whole = (width + 1) / 2 * 4; // the last pixel pair is complete
                for (const bool same : {true, false}) {
                    const QByteArray tag = QByteArray(name) + ' ' + QByteArray::number(width) +
                                           (same ? " same size" : " fitted");
                    // Rows of width * 2 bytes cut the last pair short: refused, never read past.
                    QTest::newRow(tag + " short rows")
                        << format << width << width * 2 << same << false;
                    QTest::newRow(tag + " whole pairs") << format << width << whole << same << true;
                }
            }
        }
    }

    void packedYuvOddWidth()
    {
        QFETCH(int, format);
        QFETCH(int, width);
        QFETCH(int, bytesPerLine);
        QFETCH(bool, sameSize);
        QFETCH(bool, shown);
        const int height = 3;
        m_buffer->init(sameSize ? width : width + 1, sameSize ? height : height + 1,
                       QImage::Format_RGB32);
        // Mid grey: Y 126, U = V = 128.
        const bool yuyv = format == QVideoFrame::Format_YUYV;
        QByteArray bytes(bytesPerLine * height, char(0));
        for (int i = 0; i < bytes.size(); i += 2) {
            bytes[i] = char(yuyv ? 126 : 128);
            bytes[i + 1] = char(yuyv ? 128 : 126);
        }
        const QVideoFrame frame(new GuardedVideoBuffer(bytes, bytesPerLine), QSize(width, height),
                                QVideoFrame::PixelFormat(format));
        QCOMPARE(m_grabber->present(frame), shown);
        if (shown) {
            const QRgb p = bufferImage(*m_buffer).pixel(0, 0);
            QVERIFY2(qAbs(qRed(p) - 128) <= 1 && qRed(p) == qBlue(p),
                     qPrintable(QString::number(p, 16)));
        }
    }

    void oneRowPlanarYuv_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("width");
        QTest::newRow("YUV420P 1x1") << int(QVideoFrame::Format_YUV420P) << 1;
        QTest::newRow("YV12 4x1") << int(QVideoFrame::Format_YV12) << 4;
    }

    void oneRowPlanarYuv()
    {
        // Mapping a one-row 4:2:0 frame divides by its chroma height (0): it is dropped unmapped.
        QFETCH(int, format);
        QFETCH(int, width);
        m_buffer->init(width, 1, QImage::Format_RGB32);
        const QByteArray bytes(width * 2 + 2, char(128));
        const QVideoFrame frame(new ByteArrayVideoBuffer(bytes, width), QSize(width, 1),
                                QVideoFrame::PixelFormat(format));
        QVERIFY(!m_grabber->present(frame));
    }

    void planarWithoutRows_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QSize>("size");
        // Mapping divided by the chroma height (0) or made plane pointers outside the bytes.
        QTest::newRow("YUV422P 8x0") << int(QVideoFrame::Format_YUV422P) << QSize(8, 0);
        QTest::newRow("YUV422P 8x-2") << int(QVideoFrame::Format_YUV422P) << QSize(8, -2);
        QTest::newRow("YUV420P 8x0") << int(QVideoFrame::Format_YUV420P) << QSize(8, 0);
        QTest::newRow("YV12 0x8") << int(QVideoFrame::Format_YV12) << QSize(0, 8);
        QTest::newRow("NV12 8x0") << int(QVideoFrame::Format_NV12) << QSize(8, 0);
        QTest::newRow("IMC1 -8x8") << int(QVideoFrame::Format_IMC1) << QSize(-8, 8);
    }

    void planarWithoutRows()
    {
        QFETCH(int, format);
        QFETCH(QSize, size);
        const QByteArray bytes(256, char(128));
        const QVideoFrame frame(new ByteArrayVideoBuffer(bytes, 8), size,
                                QVideoFrame::PixelFormat(format));
        QVERIFY(!m_grabber->present(frame));
        QCOMPARE(m_receiver->count, 0);
    }

    void quarterWidthIntoTinyBuffer_data()
    {
        QTest::addColumn<QSize>("frameSize");
        QTest::addColumn<QSize>("bufferSize");
        QTest::addColumn<QRect>("picture"); // where the frame lands in the buffer
        // The width shrinks exactly 4x, the height 6x: libyuv's quarter-size shortcut asserted.
        QTest::newRow("8x6 into 2x3") << QSize(8, 6) << QSize(2, 3) << QRect(0, 1, 2, 1);
        QTest::newRow("4x6 into 1x4") << QSize(4, 6) << QSize(1, 4) << QRect(0, 1, 1, 1);
        QTest::newRow("12x6 into 3x2") << QSize(12, 6) << QSize(3, 2) << QRect(0, 0, 3, 1);
        QTest::newRow("exact quarter") << QSize(32, 24) << QSize(8, 6) << QRect(0, 0, 8, 6);
    }

    void quarterWidthIntoTinyBuffer()
    {
        QFETCH(QSize, frameSize);
        QFETCH(QSize, bufferSize);
        QFETCH(QRect, picture);
        m_buffer->init(bufferSize.width(), bufferSize.height(), QImage::Format_RGB32);
        QVERIFY(m_grabber->present(
            QVideoFrame(solid(frameSize.width(), frameSize.height(), qRgb(200, 40, 90)))));
        const QImage stored = bufferImage(*m_buffer);
        for (int y = 0; y < stored.height(); ++y) {
            for (int x = 0; x < stored.width(); ++x) {
                const QRgb expected = picture.contains(x, y) ? qRgb(200, 40, 90) : qRgb(0, 0, 0);
                QCOMPARE(stored.pixel(x, y), expected);
            }
        }
    }

    void rowsNotFourByteAligned_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QSize>("frameSize");
        QTest::addColumn<int>("gamma");
        for (const int gamma : {50, 70}) {
            const QByteArray adjusted = gamma == 50 ? "" : ", gamma";
            QTest::newRow("RGB32 same size" + adjusted)
                << int(QVideoFrame::Format_RGB32) << QSize(64, 48) << gamma;
            QTest::newRow("ARGB32 same size" + adjusted)
                << int(QVideoFrame::Format_ARGB32) << QSize(64, 48) << gamma;
            QTest::newRow("RGB32 fitted" + adjusted)
                << int(QVideoFrame::Format_RGB32) << QSize(32, 24) << gamma;
            QTest::newRow("RGB565 fitted" + adjusted)
                << int(QVideoFrame::Format_RGB565) << QSize(32, 24) << gamma;
        }
    }

    void rowsNotFourByteAligned()
    {
        // Rows one byte longer than their pixels: every second row starts off a 4-byte
        // boundary, and 32-bit reads of them were undefined.
        QFETCH(int, format);
        QFETCH(QSize, frameSize);
        QFETCH(int, gamma);
        const auto pixelFormat = QVideoFrame::PixelFormat(format);
        const QImage::Format imageFormat = QVideoFrame::imageFormatFromPixelFormat(pixelFormat);
        const QImage picture = JpegTestData::cameraPicture(frameSize.width(), frameSize.height(), 3)
                                   .convertToFormat(imageFormat);
        const int rowBytes = picture.bytesPerLine() + 1;
        QByteArray bytes(rowBytes * picture.height(), char(0));
        for (int y = 0; y < picture.height(); ++y)
            memcpy(bytes.data() + rowBytes * y, picture.constScanLine(y),
                   size_t(picture.bytesPerLine()));
        const QVideoFrame frame(new ByteArrayVideoBuffer(bytes, rowBytes), frameSize, pixelFormat);
        m_grabber->setGamma(gamma);
        m_grabber->setResver(true, false);
        QVERIFY(m_grabber->present(frame));

        // The same picture through aligned rows.
        auto reference = std::make_shared<CameraBuffer>();
        reference->init(64, 48, QImage::Format_RGB32);
        m_grabber->setBuffer(reference);
        QVERIFY(m_grabber->present(QVideoFrame(picture)));
        QCOMPARE(bufferImage(*m_buffer), bufferImage(*reference));
    }

    void toolkitFormatRowsEndAtTheMapping_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("lastPixel"); // the last row holds its last pixel
        const std::pair<QVideoFrame::PixelFormat, const char *> formats[] = {
            {QVideoFrame::Format_RGB32, "RGB32"},
            {QVideoFrame::Format_ARGB32, "ARGB32"},
            {QVideoFrame::Format_ARGB32_Premultiplied, "ARGB32 premultiplied"},
            {QVideoFrame::Format_RGB24, "RGB24"},
            {QVideoFrame::Format_RGB565, "RGB565"},
            {QVideoFrame::Format_RGB555, "RGB555"},
            {QVideoFrame::Format_ARGB8565_Premultiplied, "ARGB8565 premultiplied"}};
        for (const auto &[format, name] : formats) {
            QTest::newRow(QByteArray(name) + ", last pixel cut") << int(format) << false;
            QTest::newRow(QByteArray(name) + ", whole") << int(format) << true;
        }
    }

    void toolkitFormatRowsEndAtTheMapping()
    {
        // 29 x 2 pixels in rows padded to a multiple of 4 plus 12 bytes, the bytes ending at an
        // unreadable page. RGB555 rows were measured by its 15 colour bits: a last row two
        // bytes short passed as whole and the toolkit's converter read into the page.
        QFETCH(int, format);
        QFETCH(bool, lastPixel);
        const auto pixelFormat = QVideoFrame::PixelFormat(format);
        const int width = 29;
        const int pixelBytes =
            QImage(1, 1, QVideoFrame::imageFormatFromPixelFormat(pixelFormat)).depth() / 8;
        const int bytesPerLine = (width * pixelBytes + 3) / 4 * 4 + 12;
        const QByteArray bytes(bytesPerLine + (lastPixel ? width : width - 1) * pixelBytes,
                               char(0x77));
        m_buffer->init(width, 2, QImage::Format_RGB32);
        const QVideoFrame frame(new GuardedVideoBuffer(bytes, bytesPerLine), QSize(width, 2),
                                pixelFormat);
        QCOMPARE(m_grabber->present(frame), lastPixel);
    }

    void otherSizeIsFitted_data()
    {
        QTest::addColumn<QSize>("frameSize");
        QTest::addColumn<bool>("jpeg");
        QTest::addColumn<QRect>("picture"); // where the frame lands in the 64x48 buffer
        QTest::newRow("twice as large") << QSize(128, 96) << false << QRect(0, 0, 64, 48);
        QTest::newRow("smaller") << QSize(32, 24) << false << QRect(0, 0, 64, 48);
        QTest::newRow("wider") << QSize(128, 48) << false << QRect(0, 12, 64, 24);
        QTest::newRow("taller") << QSize(16, 48) << false << QRect(24, 0, 16, 48);
        QTest::newRow("very wide") << QSize(640, 20) << false << QRect(0, 23, 64, 2);
        QTest::newRow("jpeg larger") << QSize(256, 192) << true << QRect(0, 0, 64, 48);
        QTest::newRow("jpeg wider") << QSize(256, 96) << true << QRect(0, 12, 64, 24);
    }

    void otherSizeIsFitted()
    {
        QFETCH(QSize, frameSize);
        QFETCH(bool, jpeg);
        QFETCH(QRect, picture);
        const QRgb colour = qRgb(200, 40, 90);
        const QImage img = solid(frameSize.width(), frameSize.height(), colour);
        const QVideoFrame frame =
            jpeg ? JpegTestData::jpegFrame(JpegTestData::encode(img, TJSAMP_444, 100), frameSize)
                 : QVideoFrame(img);
        m_grabber->setResver(true, true);
        QVERIFY(m_grabber->present(frame));
        const QImage stored = bufferImage(*m_buffer);
        QCOMPARE(stored.size(), QSize(64, 48));
        for (int y = 0; y < 48; ++y) {
            for (int x = 0; x < 64; ++x) {
                const QRgb p = stored.pixel(x, y);
                if (picture.contains(x, y)) {
                    QVERIFY(qAbs(qRed(p) - 200) <= 2 && qAbs(qGreen(p) - 40) <= 2);
                } else {
                    QCOMPARE(p, qRgb(0, 0, 0));
                }
            }
        }
    }

    void busyBufferKeepsReaderFrame()
    {
        const QImage first = solid(64, 48, qRgb(1, 2, 3));
        QVERIFY(m_grabber->present(QVideoFrame(first)));
        QTRY_COMPARE(m_receiver->count, 1);

        // The GUI holds the buffer: the next frame is written beside it, the GUI's pixels stay
        // whole, and the frame becomes current when the GUI lets go (one notification).
        const uchar *held = m_buffer->getBuffer();
        QVERIFY(held);
        const QImage second = solid(64, 48, qRgb(9, 9, 9));
        QVERIFY(m_grabber->present(QVideoFrame(second)));
        QCOMPARE(QImage(held, 64, 48, QImage::Format_RGB32), first);
        m_buffer->releaseBuffer();
        QTRY_COMPARE(m_receiver->count, 2);
        QCOMPARE(bufferImage(*m_buffer), second);
        QCoreApplication::processEvents();
        QCOMPARE(m_receiver->count, 2);
    }

    void framesAreNotQueuedBehindABusyGui()
    {
        // Three frames stored before the GUI thread gets to its events: one notification,
        // and the buffer holds the latest frame.
        for (int v = 1; v <= 3; ++v)
            QVERIFY(m_grabber->present(QVideoFrame(solid(64, 48, qRgb(v, v, v)))));
        QTRY_COMPARE(m_receiver->count, 1);
        QCoreApplication::processEvents();
        QCOMPARE(m_receiver->count, 1);
        QCOMPARE(bufferImage(*m_buffer).pixel(0, 0), qRgb(3, 3, 3));

        // Once handled, the next frame is announced again.
        QVERIFY(m_grabber->present(QVideoFrame(solid(64, 48, qRgb(4, 4, 4)))));
        QTRY_COMPARE(m_receiver->count, 2);
    }

    void droppedFrames_data()
    {
        QTest::addColumn<QVideoFrame>("frame");
        const QByteArray good =
            JpegTestData::encode(JpegTestData::cameraPicture(64, 48), TJSAMP_422);
        QTest::newRow("invalid") << QVideoFrame();
        QTest::newRow("damaged jpeg") << JpegTestData::jpegFrame(good.left(120), QSize(64, 48));
        QTest::newRow("not a jpeg")
            << JpegTestData::jpegFrame(QByteArray(3000, 'x'), QSize(64, 48));
        QTest::newRow("empty jpeg") << JpegTestData::jpegFrame(QByteArray(), QSize(64, 48));
        // Rows would run past the mapped bytes.
        QTest::newRow("short rgb32")
            << QVideoFrame(new ByteArrayVideoBuffer(QByteArray(64 * 4 * 10, 'a'), 64 * 4),
                           QSize(64, 48), QVideoFrame::Format_RGB32);
        QTest::newRow("short yuyv")
            << QVideoFrame(new ByteArrayVideoBuffer(QByteArray(64 * 2 * 10, 'a'), 64 * 2),
                           QSize(64, 48), QVideoFrame::Format_YUYV);
        QTest::newRow("unknown format")
            << QVideoFrame(new ByteArrayVideoBuffer(QByteArray(64 * 48 * 2, 'a'), 64),
                           QSize(64, 48), QVideoFrame::Format_IMC1);
    }

    void droppedFrames()
    {
        QFETCH(QVideoFrame, frame);
        QVERIFY(!m_grabber->present(frame));
        QCoreApplication::processEvents();
        QCOMPARE(m_receiver->count, 0);
        QVERIFY(!m_buffer->isLocked());
    }

    void forgottenCamera()
    {
        // The service forgets the camera while the grabber still has it: the buffer memory
        // lives until the grabber lets go, and afterwards frames are dropped.
        std::weak_ptr<CameraBuffer> watch = m_buffer;
        m_buffer.reset();
        QVERIFY(!watch.expired());
        QVERIFY(m_grabber->present(QVideoFrame(solid(64, 48, qRgb(5, 5, 5)))));
        m_grabber->setBuffer(nullptr);
        QVERIFY(watch.expired());
        QVERIFY(!m_grabber->present(QVideoFrame(solid(64, 48, qRgb(5, 5, 5)))));
    }

    void concurrentReconfiguration()
    {
        // Frames arrive on another thread while the GUI side swaps, resizes and reads buffers.
        const QVideoFrame frame(JpegTestData::cameraPicture(64, 48));
        const QByteArray jpeg =
            JpegTestData::encode(JpegTestData::cameraPicture(64, 48), TJSAMP_420);
        std::atomic<bool> stop{false};
        std::atomic<int> presented{0};
        std::thread camera([&] {
            for (int i = 0; !stop.load(); ++i) {
                m_grabber->present(i % 2 ? frame : JpegTestData::jpegFrame(jpeg, QSize(64, 48)));
                m_grabber->setResver(i % 3 == 0, i % 5 == 0);
                ++presented;
            }
        });
        for (int i = 0; i < 300; ++i) {
            auto buffer = std::make_shared<CameraBuffer>();
            buffer->init(i % 2 ? 64 : 32, 48);
            m_grabber->setBuffer(buffer);
            m_grabber->setGamma(i % 100);
            if (buffer->getBuffer()) {
                const QImage view = buffer->toImage();
                QCOMPARE(view.height(), 48);
                buffer->releaseBuffer();
            }
            buffer->init(i % 3 ? 64 : 16, 48);
            if (i % 7 == 0)
                m_grabber->setBuffer(nullptr);
        }
        // Let the camera thread make progress before stopping it.
        QTRY_VERIFY(presented.load() > 10);
        stop = true;
        camera.join();
        QCoreApplication::processEvents();
    }
};

QTEST_GUILESS_MAIN(tst_CameraFrameGrabber)
#include "tst_cameraframegrabber.moc"
