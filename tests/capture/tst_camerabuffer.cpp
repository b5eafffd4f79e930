#include "capture/CameraBuffer.h"
#include "capture/FrameEvent.h"

#include <QtTest>

#include <algorithm>
#include <cstring>
#include <thread>

namespace {

void fill(CameraBuffer::BackBuffer &frame, quint32 value)
{
    auto *p = reinterpret_cast<quint32 *>(frame.data());
    std::fill(p, p + qsizetype(frame.width()) * frame.height(), value);
}

/// The value every pixel holds, or 0 for a torn frame (pixels of two frames).
quint32 wholeFrame(const uchar *bits, qsizetype pixels)
{
    const auto *p = reinterpret_cast<const quint32 *>(bits);
    for (qsizetype i = 1; i < pixels; ++i) {
        if (p[i] != p[0])
            return 0;
    }
    return p[0];
}

} // namespace

class tst_CameraBuffer : public QObject
{
    Q_OBJECT

private slots:
    void emptyBuffer()
    {
        CameraBuffer buffer;
        QCOMPARE(buffer.getBufferSize(), QSize(-1, -1));
        QVERIFY(buffer.toImage().isNull());
        // Nothing to lock: no pointer, and no lock left behind either.
        QVERIFY(!buffer.getBuffer());
        QVERIFY(!buffer.isLocked());
    }

    void tryLock()
    {
        CameraBuffer buffer;
        buffer.init(8, 4, QImage::Format_RGB32);
        uchar *first = buffer.getBuffer();
        QVERIFY(first);
        // Held: a second caller, on this or another thread, gets null at once.
        QVERIFY(!buffer.getBuffer());
        uchar *other = reinterpret_cast<uchar *>(1);
        std::thread([&] { other = buffer.getBuffer(); }).join();
        QVERIFY(!other);
        buffer.releaseBuffer();
        uchar *again = buffer.getBuffer();
        QCOMPARE(again, first);
        buffer.releaseBuffer();
    }

    void initKeepsOrReallocates()
    {
        CameraBuffer buffer;
        buffer.init(8, 4, QImage::Format_RGB32);
        QCOMPARE(buffer.getBufferSize(), QSize(8, 4));
        QCOMPARE(buffer.format(), QImage::Format_RGB32);
        QCOMPARE(buffer.byteCount(), qsizetype(8 * 4 * 4));
        uchar *p = buffer.getBuffer();
        p[0] = 42;
        buffer.releaseBuffer();

        buffer.init(8, 4, QImage::Format_RGB32); // same: kept with its contents
        QCOMPARE(buffer.getBuffer(), p);
        QCOMPARE(int(p[0]), 42);
        const QImage img = buffer.toImage();
        QCOMPARE(img.size(), QSize(8, 4));
        QCOMPARE(img.constBits(), p); // wraps, no copy
        QCOMPARE(img.bytesPerLine(), 32);
        buffer.releaseBuffer();

        buffer.init(16, 2, QImage::Format_RGB32);
        QCOMPARE(buffer.getBufferSize(), QSize(16, 2));
        QVERIFY(buffer.getBuffer());
        buffer.releaseBuffer();

        buffer.clear();
        QCOMPARE(buffer.getBufferSize(), QSize(-1, -1));
        QCOMPARE(int(buffer.format()), 0);
        QVERIFY(!buffer.getBuffer());
    }

    void initWaitsForHolder()
    {
        // A holder on another thread finishes its frame before the memory is replaced.
        CameraBuffer buffer;
        buffer.init(4, 4);
        QVERIFY(buffer.getBuffer());
        std::atomic<bool> reinitialised{false};
        std::thread t([&] {
            buffer.init(2, 2);
            reinitialised = true;
        });
        QVERIFY(!reinitialised.load()); // cannot have passed the lock we hold
        buffer.releaseBuffer();
        t.join();
        QVERIFY(reinitialised.load());
        QCOMPARE(buffer.getBufferSize(), QSize(2, 2));
        QVERIFY(!buffer.isLocked());
    }

    void writerNeverWaitsForReader()
    {
        CameraBuffer buffer;
        buffer.init(8, 4);
        CameraBuffer::BackBuffer first = buffer.beginWrite();
        QVERIFY(first);
        fill(first, 1);
        QVERIFY(buffer.commitWrite(first));
        QVERIFY(!first);
        QVERIFY(buffer.hasFrame());

        // A reader holds frame 1 while frame 2 is written and committed: the reader's pixels
        // stay frame 1, and frame 2 is shown from the reader's release on, not dropped.
        const uchar *held = buffer.getBuffer();
        QVERIFY(held);
        CameraBuffer::BackBuffer second = buffer.beginWrite();
        QVERIFY(second);
        QVERIFY(second.data() != held);
        fill(second, 2);
        QVERIFY(buffer.commitWrite(second));
        QCOMPARE(wholeFrame(held, 32), 1u);
        buffer.releaseBuffer();
        const uchar *now = buffer.getBuffer();
        QVERIFY(now);
        QCOMPARE(wholeFrame(now, 32), 2u);
        buffer.releaseBuffer();

        // Two frames committed during one hold: the newer replaces the waiting one.
        QVERIFY(buffer.getBuffer());
        for (quint32 v : {3u, 4u}) {
            CameraBuffer::BackBuffer frame = buffer.beginWrite();
            QVERIFY(frame);
            fill(frame, v);
            QVERIFY(buffer.commitWrite(frame));
        }
        buffer.releaseBuffer();
        QCOMPARE(wholeFrame(buffer.getBuffer(), 32), 4u);
        buffer.releaseBuffer();

        // A block given back uncommitted is not shown.
        {
            CameraBuffer::BackBuffer abandoned = buffer.beginWrite();
            QVERIFY(abandoned);
            fill(abandoned, 5);
        }
        QCOMPARE(wholeFrame(buffer.getBuffer(), 32), 4u);
        buffer.releaseBuffer();
        CameraBuffer::BackBuffer again = buffer.beginWrite();
        QVERIFY(again);
    }

    void frameWrittenAcrossReallocationIsDiscarded()
    {
        CameraBuffer buffer;
        buffer.init(8, 4);
        CameraBuffer::BackBuffer frame = buffer.beginWrite();
        QVERIFY(frame);
        QCOMPARE(QSize(frame.width(), frame.height()), QSize(8, 4));
        buffer.init(4, 4); // a restart at another size while the frame is written
        fill(frame, 7);
        QVERIFY(!buffer.commitWrite(frame));
        QVERIFY(!buffer.hasFrame());
        buffer.clear();
        QVERIFY(!buffer.beginWrite());
    }

    void sharedFramesKeepTheirBlocks()
    {
        CameraBuffer buffer;
        QVERIFY(buffer.shareFrame().isNull());
        buffer.init(8, 4);
        QVERIFY(buffer.shareFrame().isNull()); // no frame stored yet
        const auto store = [&buffer](quint32 v) {
            CameraBuffer::BackBuffer frame = buffer.beginWrite();
            if (!frame)
                return false;
            fill(frame, v);
            return buffer.commitWrite(frame);
        };

        // Every block but the writer's held by pictures: the next frame is dropped until one
        // of them is let go. The pictures keep their pixels all along.
        QVector<QImage> held;
        for (quint32 v = 1; v <= CameraBuffer::MaxBlocks - 1; ++v) {
            QVERIFY(store(v));
            held.append(buffer.shareFrame());
            QCOMPARE(held.last().size(), QSize(8, 4));
            QVERIFY(!buffer.isLocked());
        }
        QVERIFY(store(10)); // the last free block; now current
        QVERIFY(!store(11));
        for (int i = 0; i < held.size(); ++i)
            QCOMPARE(wholeFrame(held.at(i).constBits(), 32), quint32(i + 1));
        QCOMPARE(wholeFrame(buffer.shareFrame().constBits(), 32), 10u);
        QImage copy = held.takeFirst(); // a copy keeps the block as well
        QVERIFY(!store(11));
        QImage written = copy;
        written.setPixel(0, 0, 0xff123456); // writing detaches: the block stays untouched
        QCOMPARE(wholeFrame(copy.constBits(), 32), 1u);
        written = QImage();
        copy = QImage();
        QVERIFY(store(11));
        QCOMPARE(wholeFrame(buffer.shareFrame().constBits(), 32), 11u);

        // A picture outlives a reallocation and the buffer itself.
        {
            CameraBuffer gone;
            gone.init(8, 4);
            CameraBuffer::BackBuffer frame = gone.beginWrite();
            fill(frame, 21);
            QVERIFY(gone.commitWrite(frame));
            held = {gone.shareFrame()};
            gone.init(4, 4);
            QCOMPARE(wholeFrame(held.first().constBits(), 32), 21u);
        }
        QCOMPARE(wholeFrame(held.first().constBits(), 32), 21u);
    }

    void viewPictureOnlyWhenWantedAndWritten()
    {
        CameraBuffer buffer;
        buffer.init(8, 4);
        QVERIFY(!buffer.beginWrite().viewData());
        // Frame 1 carries a view picture, frame 2's writer could not make one, frame 3 comes
        // after the view changed size.
        const QSize sizes[] = {{4, 2}, {4, 2}, {6, 3}};
        for (quint32 v : {1u, 2u, 3u}) {
            buffer.setViewWanted(sizes[v - 1]);
            CameraBuffer::BackBuffer frame = buffer.beginWrite();
            QVERIFY(frame.viewData());
            QCOMPARE(frame.viewSize(), sizes[v - 1]);
            fill(frame, v);
            auto *view = reinterpret_cast<quint32 *>(frame.viewData());
            std::fill(view, view + frame.viewSize().width() * frame.viewSize().height(), v + 100);
            frame.setViewWritten(v != 2);
            QVERIFY(buffer.commitWrite(frame));
            QImage shownView;
            const QImage shown = buffer.shareFrame(&shownView);
            QCOMPARE(wholeFrame(shown.constBits(), 32), v);
            if (v == 2) {
                QVERIFY(shownView.isNull()); // no stale view picture from an earlier frame
            } else {
                QCOMPARE(shownView.size(), sizes[v - 1]);
                QCOMPARE(wholeFrame(shownView.constBits(), shownView.width() * shownView.height()),
                         v + 100);
            }
        }
        buffer.setViewWanted(QSize());
        QVERIFY(!buffer.beginWrite().viewData());
    }

    void readerHoldingWhileFramesArrive_data()
    {
        QTest::addColumn<bool>("paced");
        QTest::addColumn<bool>("shared");
        // Paced: the camera sends the next frame once the previous one was seen, as at a frame
        // rate the reader keeps up with; the reader copies all the time, so writes and reads
        // overlap. Free: the writer runs flat out. Shared: the reader takes shared pictures and
        // keeps each until it has the next, as the live view does.
        QTest::newRow("paced") << true << false;
        QTest::newRow("free") << false << false;
        QTest::newRow("paced, shared") << true << true;
        QTest::newRow("free, shared") << false << true;
    }

    void readerHoldingWhileFramesArrive()
    {
        QFETCH(bool, paced);
        QFETCH(bool, shared);
        constexpr int W = 256;
        constexpr int H = 64;
        constexpr quint32 Frames = 400;
        CameraBuffer buffer;
        buffer.init(W, H);
        std::atomic<quint32> lastSeen{0};
        std::atomic<bool> readerDone{false};
        std::atomic<int> refused{0};
        std::thread writer([&] {
            for (quint32 n = 1; n <= Frames && !readerDone.load(); ++n) {
                // A refused frame is sent again, so the last one always arrives.
                for (;;) {
                    CameraBuffer::BackBuffer frame = buffer.beginWrite();
                    if (frame && (fill(frame, n), buffer.commitWrite(frame)))
                        break;
                    ++refused;
                }
                while (paced && lastSeen.load() < n && !readerDone.load())
                    std::this_thread::yield();
            }
        });
        std::vector<uchar> copy(size_t(W) * H * 4);
        std::vector<quint32> seen;
        int torn = 0;
        QImage kept;
        quint32 keptValue = 0;
        while (lastSeen.load() < Frames) {
            quint32 value = 0;
            if (shared) {
                const QImage frame = buffer.shareFrame();
                if (frame.isNull())
                    continue;
                value = wholeFrame(frame.constBits(), W * H);
                // The picture kept from before was not written over meanwhile.
                if (!kept.isNull() && wholeFrame(kept.constBits(), W * H) != keptValue)
                    ++torn;
                kept = frame;
                keptValue = value;
            } else {
                uchar *bits = buffer.getBuffer();
                if (!bits)
                    continue;
                const bool hasFrame = buffer.hasFrame();
                std::memcpy(copy.data(), bits, copy.size());
                buffer.releaseBuffer();
                if (!hasFrame)
                    continue;
                value = wholeFrame(copy.data(), W * H);
            }
            if (value == 0) {
                ++torn;
                continue;
            }
            if (seen.empty() || seen.back() != value)
                seen.push_back(value);
            lastSeen = value;
        }
        readerDone = true;
        writer.join();

        QCOMPARE(torn, 0);
        QVERIFY(std::is_sorted(seen.begin(), seen.end()));
        QCOMPARE(seen.back(), Frames);
        if (paced) {
            // The writer never dropped a frame, and every frame reached the reader. (Flat out,
            // a frame may be replaced before the reader looks, which is the point of it.)
            QCOMPARE(refused.load(), 0);
            QCOMPARE(seen.size(), size_t(Frames));
        }
    }

    void frameEvent()
    {
        const FrameEvent e(QStringLiteral("usb#0c450223"));
        QCOMPARE(e.type(), FrameEvent::frameEventType());
        QCOMPARE(FrameEvent::frameEventType(), FrameEvent::frameEventType());
        QVERIFY(e.type() >= QEvent::User);
        QCOMPARE(e.cameraId(), QStringLiteral("usb#0c450223"));
    }
};

QTEST_APPLESS_MAIN(tst_CameraBuffer)
#include "tst_camerabuffer.moc"
