#include "capture/CameraBuffer.h"
#include "capture/FrameEvent.h"

#include <QtTest>

#include <thread>

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
