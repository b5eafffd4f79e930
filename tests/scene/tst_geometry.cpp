#include "scene/Geometry.h"

#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(FloatPoint)

namespace {
FloatPoint fp(double x, double y)
{
    return {x, y};
}
} // namespace

class tst_Geometry : public QObject
{
    Q_OBJECT

private slots:
    void segmentDistance_data()
    {
        QTest::addColumn<FloatPoint>("p");
        QTest::addColumn<FloatPoint>("a");
        QTest::addColumn<FloatPoint>("b");
        QTest::addColumn<double>("expected");

        QTest::newRow("above the middle") << fp(5, 5) << fp(0, 0) << fp(10, 0) << 5.0;
        QTest::newRow("before the start") << fp(-3, 4) << fp(0, 0) << fp(10, 0) << 5.0;
        QTest::newRow("beyond the end") << fp(13, 4) << fp(0, 0) << fp(10, 0) << 5.0;
        QTest::newRow("on the segment") << fp(7, 0) << fp(0, 0) << fp(10, 0) << 0.0;
        QTest::newRow("point segment") << fp(3, 4) << fp(0, 0) << fp(0, 0) << 5.0;
        QTest::newRow("slanted") << fp(0, 10) << fp(0, 0) << fp(10, 10) << std::sqrt(50.0);
    }

    void segmentDistance()
    {
        QFETCH(FloatPoint, p);
        QFETCH(FloatPoint, a);
        QFETCH(FloatPoint, b);
        QFETCH(double, expected);
        QCOMPARE(ShortestDistBetweenPointAndLineseg(p, {a, b}), expected);
    }

    void generateLine_data()
    {
        QTest::addColumn<FloatPoint>("p1");
        QTest::addColumn<FloatPoint>("p2");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("c");

        QTest::newRow("falling, sign flipped") << fp(0, 10) << fp(10, 0) << 10.0 << 10.0 << -100.0;
        QTest::newRow("rising") << fp(10, 0) << fp(0, 10) << 10.0 << 10.0 << -100.0;
        QTest::newRow("horizontal") << fp(0, 5) << fp(10, 5) << 0.0 << -10.0 << 50.0;
        QTest::newRow("vertical") << fp(3, 0) << fp(3, 10) << 10.0 << 0.0 << -30.0;
        QTest::newRow("coincident") << fp(4, 4) << fp(4, 4) << 0.0 << 0.0 << 0.0;
    }

    void generateLine()
    {
        QFETCH(FloatPoint, p1);
        QFETCH(FloatPoint, p2);
        LINE l;
        GenerateAline(p1, p2, &l);
        QTEST(l.a, "a");
        QTEST(l.b, "b");
        QTEST(l.c, "c");
        QVERIFY(l.a >= 0.0);
    }

    void lineCrossing()
    {
        // Parallel lines: false, and the output keeps what it held.
        LINE l1;
        LINE l2;
        GenerateAline(fp(0, 0), fp(10, 10), &l1);
        GenerateAline(fp(0, 5), fp(10, 15), &l2);
        FloatPoint out{7, 8};
        QVERIFY(!IsLineCrossWithLine(l1, l2, out));
        QCOMPARE(out.x, 7.0);
        QCOMPARE(out.y, 8.0);

        GenerateAline(fp(0, 10), fp(10, 0), &l2);
        QVERIFY(IsLineCrossWithLine(l1, l2, out));
        QCOMPARE(out.x, 5.0);
        QCOMPARE(out.y, 5.0);

        // The crossing carries single precision: x = 1/3 comes back as the float nearest it.
        const LINE vertical{3, 0, -1};
        const LINE horizontal{0, 1, 0};
        QVERIFY(IsLineCrossWithLine(vertical, horizontal, out));
        QCOMPARE(out.x, double(float(1.0 / 3.0)));
        QVERIFY(out.x != 1.0 / 3.0);
    }

    void segmentCrossing_data()
    {
        QTest::addColumn<FloatPoint>("a1");
        QTest::addColumn<FloatPoint>("a2");
        QTest::addColumn<FloatPoint>("b1");
        QTest::addColumn<FloatPoint>("b2");
        QTest::addColumn<bool>("crosses");

        QTest::newRow("cross") << fp(0, 0) << fp(10, 10) << fp(0, 10) << fp(10, 0) << true;
        QTest::newRow("touching ends") << fp(0, 0) << fp(5, 5) << fp(5, 5) << fp(10, 0) << true;
        QTest::newRow("lines cross outside")
            << fp(0, 0) << fp(1, 1) << fp(0, 10) << fp(10, 0) << false;
        QTest::newRow("parallel") << fp(0, 0) << fp(10, 0) << fp(0, 1) << fp(10, 1) << false;
    }

    void segmentCrossing()
    {
        QFETCH(FloatPoint, a1);
        QFETCH(FloatPoint, a2);
        QFETCH(FloatPoint, b1);
        QFETCH(FloatPoint, b2);
        QFETCH(bool, crosses);
        FloatPoint out;
        QCOMPARE(CrossPointOfTwoLinelseg({a1, a2}, {b1, b2}, out), crosses);
        QCOMPARE(IsLinesegCrossWithLineseg({a1, a2}, {b1, b2}), crosses);
    }

    void linePoints()
    {
        LINE vertical;
        GenerateAline(fp(3, 0), fp(3, 10), &vertical);
        const FloatPoint v = LinePointX(vertical, 7);
        QCOMPARE(v.x, 3.0); // the line's own abscissa, the argument in y
        QCOMPARE(v.y, 7.0);

        LINE slanted;
        GenerateAline(fp(0, 0), fp(10, 20), &slanted);
        const FloatPoint s = LinePointX(slanted, 4);
        QCOMPARE(s.x, 4.0);
        QCOMPARE(s.y, 8.0);
        QCOMPARE(LinePointY(slanted, 8), 4.0);

        LINE horizontal;
        GenerateAline(fp(0, 5), fp(10, 5), &horizontal);
        QCOMPARE(LinePointY(horizontal, 99), -horizontal.c);
    }

    void moveOnVector()
    {
        FloatPoint out;
        NewPointAfterPointMoveOnVector(fp(1, 1), 5, fp(3, 4), &out);
        QCOMPARE(out.x, 4.0);
        QCOMPARE(out.y, 5.0);
        NewPointAfterPointMoveOnVector(fp(0, 0), -10, fp(0, 2), &out);
        QCOMPARE(out.x, 0.0);
        QCOMPARE(out.y, -10.0);
    }

    void leftOf()
    {
        QVERIFY(isLeft(fp(0, 0), fp(10, 0), fp(5, 5)) > 0);
        QVERIFY(isLeft(fp(0, 0), fp(10, 0), fp(5, -5)) < 0);
        QCOMPARE(isLeft(fp(0, 0), fp(10, 0), fp(20, 1e-12)), 0.0);
    }

    void angle_data()
    {
        QTest::addColumn<FloatPoint>("o");
        QTest::addColumn<FloatPoint>("a");
        QTest::addColumn<FloatPoint>("b");
        QTest::addColumn<double>("expected");

        QTest::newRow("quarter turn") << fp(0, 0) << fp(1, 0) << fp(0, 1) << kGeometryPi / 2;
        QTest::newRow("swapped arms") << fp(0, 0) << fp(0, 1) << fp(1, 0) << -kGeometryPi / 2;
        QTest::newRow("same direction") << fp(5, 5) << fp(6, 5) << fp(9, 5) << 0.0;
        QTest::newRow("opposite, never +pi") << fp(0, 0) << fp(1, 0) << fp(-3, 0) << -kGeometryPi;
        QTest::newRow("eighth turn") << fp(1, 1) << fp(2, 1) << fp(3, 3) << kGeometryPi / 4;
    }

    void angle()
    {
        QFETCH(FloatPoint, o);
        QFETCH(FloatPoint, a);
        QFETCH(FloatPoint, b);
        QFETCH(double, expected);
        QCOMPARE(AngleBetweenTwoLinesegs(o, a, b), expected);
    }

    void polygonArea()
    {
        FloatPoint square[5] = {fp(0, 0), fp(1, 0), fp(1, 1), fp(0, 1)};
        QCOMPARE(PolygonArea(square, 4), 1.0);
        FloatPoint reversed[5] = {fp(0, 1), fp(1, 1), fp(1, 0), fp(0, 0)};
        QCOMPARE(PolygonArea(reversed, 4), 1.0);
        FloatPoint triangle[4] = {fp(0, 0), fp(40, 0), fp(0, 30)};
        QCOMPARE(PolygonArea(triangle, 3), 600.0);
        QCOMPARE(triangle[3].x, 0.0); // closed by writing the first vertex after the last
        QCOMPARE(PolygonArea(triangle, 0), 0.0);
    }

    void circle_data()
    {
        QTest::addColumn<QPointF>("p1");
        QTest::addColumn<QPointF>("p2");
        QTest::addColumn<QPointF>("p3");
        QTest::addColumn<QPointF>("centre");
        QTest::addColumn<double>("radius");

        QTest::newRow("right angle")
            << QPointF(0, 0) << QPointF(2, 0) << QPointF(0, 2) << QPointF(1, 1) << std::sqrt(2.0);
        QTest::newRow("about the origin")
            << QPointF(10, 0) << QPointF(0, -10) << QPointF(-10, 0) << QPointF(0, 0) << 10.0;
        QTest::newRow("collinear")
            << QPointF(0, 0) << QPointF(1, 1) << QPointF(2, 2) << QPointF(0, 0) << -1.0;
        QTest::newRow("coincident")
            << QPointF(3, 3) << QPointF(3, 3) << QPointF(5, 1) << QPointF(0, 0) << -1.0;
    }

    void circle()
    {
        QFETCH(QPointF, p1);
        QFETCH(QPointF, p2);
        QFETCH(QPointF, p3);
        double r = 0.0;
        const QPointF c = genCircle(p1, p2, p3, r);
        QTEST(c, "centre");
        QTEST(r, "radius");
    }
};

QTEST_APPLESS_MAIN(tst_Geometry)
#include "tst_geometry.moc"
