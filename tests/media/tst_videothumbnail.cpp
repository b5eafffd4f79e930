#include "media/RtmpThread.h"
#include "media/VideoThumbnail.h"

#include "TestFiles.h"
#include "TestVideo.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

extern "C" {
#include <libavutil/frame.h>
#include <libavutil/log.h>
}

namespace {

// Colours survive H.264 and the YUV round trip only approximately.
bool near(QRgb a, QColor b, int tolerance = 40)
{
    return qAbs(qRed(a) - b.red()) <= tolerance && qAbs(qGreen(a) - b.green()) <= tolerance &&
           qAbs(qBlue(a) - b.blue()) <= tolerance;
}

bool showsQuadrants(const QImage &picture)
{
    const int w = picture.width();
    const int h = picture.height();
    return near(picture.pixel(w / 4, h / 4), Qt::red) &&
           near(picture.pixel(3 * w / 4, h / 4), Qt::green) &&
           near(picture.pixel(w / 4, 3 * h / 4), Qt::blue) &&
           near(picture.pixel(3 * w / 4, 3 * h / 4), Qt::white);
}

// A 4 x 2 frame of one colour in the given layout: Y, U, V as a full-range or video-range
// encoder writes grey 128 with neutral chroma.
struct PlanarFrame
{
    explicit PlanarFrame(AVPixelFormat format, int width = 4, int height = 2, uint8_t y = 128)
    {
        frame = av_frame_alloc();
        frame->format = format;
        frame->width = width;
        frame->height = height;
        av_frame_get_buffer(frame, 0);
        for (int plane = 0; plane < 3; ++plane) {
            const int rows = plane == 0 || format == AV_PIX_FMT_YUVJ422P ? height : height / 2;
            for (int r = 0; r < rows; ++r)
                memset(frame->data[plane] + r * frame->linesize[plane], plane == 0 ? y : 128,
                       size_t(frame->linesize[plane]));
        }
    }
    ~PlanarFrame() { av_frame_free(&frame); }
    AVFrame *frame = nullptr;
};

} // namespace

class tst_VideoThumbnail : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // The damaged files below make the demuxers and decoders complain at length.
        av_log_set_level(AV_LOG_FATAL);
    }

    void firstPictureOfAnEncodedVideo_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("audioFirst");
        QTest::newRow("mp4 with reordered frames") << "clip.mp4" << QSize(320, 240) << false;
        QTest::newRow("odd size") << "odd.mp4" << QSize(322, 182) << false;
        QTest::newRow("audio stream first") << "audio-first.mp4" << QSize(320, 240) << true;
        QTest::newRow("avi container") << "clip.avi" << QSize(320, 240) << false;
    }
    void firstPictureOfAnEncodedVideo()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(bool, audioFirst);
        TestVideo video;
        video.size = size;
        video.audioFirst = audioFirst;
        QVERIFY(writeTestVideo(path(name), video));

        const QImage thumbnail = RtmpThread::preview(path(name));
        QCOMPARE(thumbnail.size(), size);
        QCOMPARE(thumbnail.format(), QImage::Format_RGB32);
        QVERIFY(showsQuadrants(thumbnail));
    }

    void nullPictureForWhatIsNoVideo()
    {
        QVERIFY(RtmpThread::preview(path("missing.mp4")).isNull());
        QVERIFY(RtmpThread::preview(QString()).isNull());

        QVERIFY(writeFile(path("notes.mp4"), "these are not the frames you are looking for\n"));
        QVERIFY(RtmpThread::preview(path("notes.mp4")).isNull());

        QImage png(64, 48, QImage::Format_RGB32);
        png.fill(Qt::red);
        QVERIFY(png.save(path("still.png")));
        // A still picture opens as a one-frame "video" through the image demuxers; it must
        // either give its picture or nothing, never garbage.
        const QImage still = RtmpThread::preview(path("still.png"));
        QVERIFY(still.isNull() || still.size() == QSize(64, 48));

        TestVideo audio;
        audio.audioOnly = true;
        QVERIFY(writeTestVideo(path("audio.mp4"), audio));
        QVERIFY(RtmpThread::preview(path("audio.mp4")).isNull());
    }

    // Truncated and corrupted copies of a real video never crash the decoder path and never
    // give a picture of another size.
    void damagedVideosNeverCrash()
    {
        TestVideo video;
        video.audioFirst = true;
        QVERIFY(writeTestVideo(path("seed.mp4"), video));
        const QByteArray bytes = readFile(path("seed.mp4"));
        QVERIFY(bytes.size() > 1000);

        const QString damaged = path("damaged.mp4");
        const auto check = [&](const QByteArray &content) {
            if (!writeFile(damaged, content))
                return false;
            const QImage picture = RtmpThread::preview(damaged);
            return picture.isNull() || picture.size() == QSize(320, 240);
        };

        for (int length : {0, 8, 32, 100, 500, 1000, bytes.size() / 4, bytes.size() / 2,
                           bytes.size() - 100, bytes.size() - 1})
            QVERIFY2(check(bytes.left(length)), qPrintable(QString::number(length)));

        QRandomGenerator random(20240305);
        for (int round = 0; round < 60; ++round) {
            QByteArray copy = bytes;
            const int flips = 1 + int(random.bounded(40));
            for (int i = 0; i < flips; ++i)
                copy[int(random.bounded(copy.size()))] = char(random.bounded(256));
            QVERIFY2(check(copy), qPrintable(QString::number(round)));
        }
    }

    void convertsTheTableFormats_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("grey");
        // Video range maps Y 128 to about 130, full range to 128.
        QTest::newRow("I420 to 32-bit")
            << int(AV_PIX_FMT_YUV420P) << int(QImage::Format_RGB32) << 130;
        QTest::newRow("I420 to 24-bit")
            << int(AV_PIX_FMT_YUV420P) << int(QImage::Format_RGB888) << 130;
        QTest::newRow("J420 to 32-bit")
            << int(AV_PIX_FMT_YUVJ420P) << int(QImage::Format_ARGB32) << 128;
        QTest::newRow("J420 to 24-bit")
            << int(AV_PIX_FMT_YUVJ420P) << int(QImage::Format_RGB888) << 128;
        QTest::newRow("J422 to 32-bit")
            << int(AV_PIX_FMT_YUVJ422P) << int(QImage::Format_RGB32) << 128;
        QTest::newRow("J422 to 24-bit")
            << int(AV_PIX_FMT_YUVJ422P) << int(QImage::Format_RGB888) << 128;
    }
    void convertsTheTableFormats()
    {
        QFETCH(int, source);
        QFETCH(int, target);
        QFETCH(int, grey);
        const PlanarFrame yuv(AVPixelFormat(source), 4, 2);
        // One picture row wider and taller than the frame: what lies outside the frame's part
        // must stay as it was (a 32-bit row written into 24-bit rows would run over it).
        QImage picture(5, 3, QImage::Format(target));
        picture.fill(QColor(1, 2, 3));
        QVERIFY(AVFrameToImage(yuv.frame, AVPixelFormat(source), picture));
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 4; ++x)
                QVERIFY(near(picture.pixel(x, y), QColor(grey, grey, grey), 3));
            QCOMPARE(picture.pixel(4, y), QColor(1, 2, 3).rgb());
        }
        for (int x = 0; x < 5; ++x)
            QCOMPARE(picture.pixel(x, 2), QColor(1, 2, 3).rgb());
    }

    void leavesOtherFormatsUntouched()
    {
        const PlanarFrame yuv(AV_PIX_FMT_YUV444P, 4, 2);
        QImage picture(4, 2, QImage::Format_RGB32);
        picture.fill(Qt::magenta);
        QVERIFY(!AVFrameToImage(yuv.frame, AV_PIX_FMT_YUV444P, picture));
        QCOMPARE(picture.pixel(1, 1), QColor(Qt::magenta).rgb());

        QImage null;
        QVERIFY(!AVFrameToImage(yuv.frame, AV_PIX_FMT_YUV420P, null));
        QVERIFY(!AVFrameToImage(nullptr, AV_PIX_FMT_YUV420P, picture));
    }
};

QTEST_GUILESS_MAIN(tst_VideoThumbnail)
#include "tst_videothumbnail.moc"
