#include "app/LiveCameras.h"
#include "app/LiveView.h"

#include <QtTest>

namespace {
CameraInfo camera(const QString &id)
{
    CameraInfo info;
    info.id = id;
    info.name = id;
    return info;
}
} // namespace

// The live cameras' bookkeeping and the status line built from it, without the window.
class tst_LiveCameras : public QObject
{
    Q_OBJECT

private slots:
    void listChangesAndVanishedCameras()
    {
        LiveCameras live;
        bool changed = false;
        QVERIFY(live.takeList({camera("a"), camera("b")}, &changed).isEmpty());
        QVERIFY(changed);
        live.add("b", 0, QSize(640, 480));
        QVERIFY(live.takeList({camera("a"), camera("b")}, &changed).isEmpty());
        QVERIFY(!changed);
        // A vanished running camera is handed back for stopping; a listed one keeps running.
        QCOMPARE(live.takeList({camera("a")}, &changed), QStringList{"b"});
        QVERIFY(changed);
        QCOMPARE(live.boxIndex("a"), 0);
        QCOMPARE(live.boxIndex("b"), -1);
        QCOMPARE(live.listedId(5), QString());
        QCOMPARE(live.viewIndex("b"), 0);
        live.remove("b");
        QCOMPARE(live.viewIndex("b"), -1);
    }

    void readoutsOverTheirWindows()
    {
        LiveCameras live;
        QVERIFY(!live.noteCursor(QPoint(1, 2), Qt::red)); // no current camera
        live.add("a", 0, QSize(640, 480));
        live.setCurrent("a");
        // Twelve colours: the first two fall out of the ten kept, which are averaged.
        for (int i = 0; i < 12; ++i) {
            const bool black = i < 2 || i == 11;
            QVERIFY(live.noteCursor(QPoint(3, 4), black ? QColor(0, 0, 0) : QColor(200, 100, 0)));
        }
        QCOMPARE(live.cursorPoint(), QPoint(3, 4));
        // Frames every 100 ms for 4 s: only the last 3 s count.
        for (qint64 t = 0; t <= 4000; t += 100)
            live.noteFrame("a", 1000000 + t);
        QCOMPARE(live.datas().value("a").frameTimes.size(), 31);
        const LiveCameras::Readout readout = live.readout("a");
        QCOMPARE(readout.colour, QColor(180, 90, 0));
        QCOMPARE(readout.rate, 31 / 3.0);
        QCOMPARE(live.readout("gone").rate, 0.0);
    }

    void statusLine_data()
    {
        QTest::addColumn<bool>("fourView");
        QTest::addColumn<QString>("text");
        QTest::newRow("single view")
            << false << QStringLiteral("帧率:12.5fps 坐标:7,8 (R: 30 G:160 B:255)");
        QTest::newRow("four views") << true << QStringLiteral("帧率:12.5fps");
    }
    void statusLine()
    {
        QFETCH(bool, fourView);
        QTEST(statusLineText(fourView, 12.5, QPoint(7, 8), QColor(30, 160, 255)), "text");
    }
};

QTEST_MAIN(tst_LiveCameras)
#include "tst_livecameras.moc"
