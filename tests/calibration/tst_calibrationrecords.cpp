#include "ByteList.h"
#include "calibration/BDInfo.h"
#include "calibration/StyleInfo.h"

#include <QtTest>

#include <cmath>
#include <limits>

class tst_CalibrationRecords : public QObject
{
    Q_OBJECT

private slots:
    void unitString_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << "mm";
        QTest::newRow("1") << 1 << "cm";
        QTest::newRow("2") << 2 << "um";
        QTest::newRow("3") << 3 << "in";
        QTest::newRow("4") << 4 << "px";
        QTest::newRow("5") << 5 << "";
        QTest::newRow("-1 hides labels") << -1 << "";
        QTest::newRow("large") << 30 << "";
    }

    void unitString()
    {
        QFETCH(int, unit);
        QTEST(BDInfo::unitString(unit), "text");
    }

    void bdInfoBytes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("unit");
        QTest::newRow("magnification") << "10.00X" << 0.0123 << 0;
        QTest::newRow("not exactly decimal") << "x" << (0.1 + 0.2) << 1;
        QTest::newRow("negative zero") << "中文" << -0.0 << 3;
    }

    void bdInfoBytes()
    {
        QFETCH(QString, name);
        QFETCH(double, ratio);
        QFETCH(int, unit);
        BDInfo info;
        info.name = name;
        info.ratio = ratio;
        info.unit = unit;

        const QByteArray expected = ByteList().str(name).f64(ratio).i32(unit).bytes();
        COMPARE_BYTES(encode(info), expected);

        bool clean = false;
        const BDInfo back = decode<BDInfo>(expected, &clean);
        QVERIFY(clean);
        QCOMPARE(back.name, name);
        QCOMPARE(back.unit, unit);
        // Bit for bit, the sign of zero included.
        QCOMPARE(std::signbit(back.ratio), std::signbit(ratio));
        QVERIFY(std::memcmp(&back.ratio, &ratio, sizeof ratio) == 0);
    }

    void styleDefaults()
    {
        const StyleInfo style;
        QCOMPARE(style.fontColor(), QColor(Qt::red));
        QCOMPARE(style.fontSize(), 32);
        QCOMPARE(style.penColor(), QColor(Qt::red));
        QCOMPARE(style.penStyle(), Qt::SolidLine);
        QCOMPARE(style.penSize(), 1);
        QCOMPARE(style.colors,
                 (QVector<QColor>{QColor(0xFF, 0, 0), QColor(0, 0xFF, 0), QColor(0, 0, 0xFF)}));
        QCOMPARE(style.fontSizes, (QVector<int>{12, 14, 16, 20, 24, 32, 48, 56, 72}));
        QCOMPARE(style.penSizes, (QVector<int>{1, 2, 4, 6, 8, 10, 12}));
    }

    void styleBytes()
    {
        StyleInfo style;
        style.fontColorIndex = 2;
        style.fontSizeIndex = 8;
        style.penColorIndex = 1;
        style.penStyleIndex = 1;
        style.penSizeIndex = 6;
        const QByteArray expected = ByteList().i32(2).i32(8).i32(1).i32(1).i32(6).bytes();
        COMPARE_BYTES(encode(style), expected);

        bool clean = false;
        const StyleInfo back = decode<StyleInfo>(expected, &clean);
        QVERIFY(clean); // exactly 20 bytes, the lists are not stored
        QCOMPARE(back.fontColor(), QColor(Qt::blue));
        QCOMPARE(back.fontSize(), 72);
        QCOMPARE(back.penColor(), QColor(Qt::green));
        QCOMPARE(back.penStyle(), Qt::DashLine);
        QCOMPARE(back.penSize(), 12);
        QCOMPARE(back.fontSizes.size(), 9);
    }

    void penStyle_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("style");
        QTest::newRow("0 solid") << 0 << int(Qt::SolidLine);
        QTest::newRow("1 dashed") << 1 << int(Qt::DashLine);
        QTest::newRow("7 dashed") << 7 << int(Qt::DashLine);
        QTest::newRow("-1 dashed") << -1 << int(Qt::DashLine);
    }

    void penStyle()
    {
        QFETCH(int, index);
        StyleInfo style;
        style.penStyleIndex = index;
        QTEST(int(style.penStyle()), "style");
    }

    void clampIndexes_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("fontColor"); // expected after clamping, per list
        QTest::addColumn<int>("fontSize");
        QTest::addColumn<int>("penSize");
        QTest::newRow("negative") << -3 << 0 << 0 << 0;
        QTest::newRow("one past colours") << 3 << 2 << 3 << 3;
        QTest::newRow("one past pen sizes") << 7 << 2 << 7 << 6;
        QTest::newRow("last font size") << 8 << 2 << 8 << 6;
        QTest::newRow("one past font sizes") << 9 << 2 << 8 << 6;
        QTest::newRow("most negative") << std::numeric_limits<int>::min() << 0 << 0 << 0;
    }

    void clampIndexes()
    {
        QFETCH(int, value);
        StyleInfo style;
        style.fontColorIndex = style.penColorIndex = value;
        style.fontSizeIndex = value;
        style.penSizeIndex = value;
        style.penStyleIndex = value;
        style.clampIndexes();
        QTEST(style.fontColorIndex, "fontColor");
        QTEST(style.penColorIndex, "fontColor");
        QTEST(style.fontSizeIndex, "fontSize");
        QTEST(style.penSizeIndex, "penSize");
        QCOMPARE(style.penStyleIndex, value); // any value is a valid line style
        // Every accessor is safe afterwards.
        QVERIFY(style.fontColor().isValid());
        QVERIFY(style.fontSize() > 0);
        QVERIFY(style.penSize() > 0);
    }
};

QTEST_GUILESS_MAIN(tst_CalibrationRecords)
#include "tst_calibrationrecords.moc"
