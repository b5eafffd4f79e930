#include "scene/Geometry.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kZero = 1e-10;
constexpr double kNear = 0.001;
} // namespace

FloatPoint toFloatPoint(const QPointF &p)
{
    return {p.x(), p.y()};
}

QPointF toQPoint(const FloatPoint &p)
{
    return {p.x, p.y};
}

double distance(const QPointF &p, const QPointF &q)
{
    const double dx = p.x() - q.x();
    const double dy = p.y() - q.y();
    return std::sqrt(dx * dx + dy * dy);
}

double distfptofpt(FloatPoint p, FloatPoint q)
{
    const double dx = p.x - q.x;
    const double dy = p.y - q.y;
    return std::sqrt(dx * dx + dy * dy);
}

int sign(double v)
{
    if (std::fabs(v) < kZero)
        return 0;
    return v < 0 ? -1 : 1;
}

bool EqPoint(FloatPoint p, FloatPoint q)
{
    return std::fabs(p.x - q.x) < kNear && std::fabs(p.y - q.y) < kNear;
}

double Radian_Degree(double r)
{
    return r * 180.0 / kGeometryPi;
}

double Degree_Radian(double d)
{
    return d * kGeometryPi / 180.0;
}

double dotmultiply(FloatPoint p1, FloatPoint p2, FloatPoint p0)
{
    return (p1.x - p0.x) * (p2.x - p0.x) + (p1.y - p0.y) * (p2.y - p0.y);
}

double multiply(FloatPoint p1, FloatPoint p2, FloatPoint p0)
{
    return (p1.x - p0.x) * (p2.y - p0.y) - (p2.x - p0.x) * (p1.y - p0.y);
}

double relation(FloatPoint p, LINESEG s)
{
    return dotmultiply(p, s.e, s.s) / (distfptofpt(s.s, s.e) * distfptofpt(s.s, s.e));
}

void perpendicular(FloatPoint p, LINESEG s, FloatPoint *out)
{
    const double r = relation(p, s);
    out->x = s.s.x + r * (s.e.x - s.s.x);
    out->y = s.s.y + r * (s.e.y - s.s.y);
}

double ShortestDistBetweenPointAndLineseg(FloatPoint p, LINESEG s)
{
    const double t = relation(p, s);
    // A point segment yields NaN, which no comparison accepts: it lands with t < 0.
    if (t >= 0.0 && t <= 1.0) {
        const FloatPoint foot{s.s.x + t * (s.e.x - s.s.x), s.s.y + t * (s.e.y - s.s.y)};
        return distfptofpt(p, foot);
    }
    if (t > 1.0)
        return distfptofpt(p, s.e);
    return distfptofpt(p, s.s);
}

bool IsPointInLineSeg(LINESEG s, FloatPoint p)
{
    return ShortestDistBetweenPointAndLineseg(p, s) < kNear;
}

void GenerateAline(FloatPoint p1, FloatPoint p2, LINE *out)
{
    const double s = (p2.y - p1.y) < 0 ? -1.0 : 1.0;
    out->a = std::fabs(p2.y - p1.y);
    out->b = s * (p1.x - p2.x);
    out->c = s * (p1.y * p2.x - p2.y * p1.x);
}

bool IsLineCrossWithLine(LINE l1, LINE l2, FloatPoint &out)
{
    const double d = l1.a * l2.b - l2.a * l1.b;
    if (std::fabs(d) < kZero)
        return false;
    out.x = static_cast<float>((l2.c * l1.b - l1.c * l2.b) / d);
    out.y = static_cast<float>((l2.a * l1.c - l1.a * l2.c) / d);
    return true;
}

bool CrossPointOfTwoLinelseg(LINESEG s1, LINESEG s2, FloatPoint &out)
{
    LINE l1;
    LINE l2;
    GenerateAline(s1.s, s1.e, &l1);
    GenerateAline(s2.s, s2.e, &l2);
    if (!IsLineCrossWithLine(l1, l2, out))
        return false;
    return IsPointInLineSeg(s1, out) && IsPointInLineSeg(s2, out);
}

bool IsLinesegCrossWithLineseg(LINESEG s1, LINESEG s2)
{
    return std::max(s1.s.x, s1.e.x) >= std::min(s2.s.x, s2.e.x) &&
           std::max(s2.s.x, s2.e.x) >= std::min(s1.s.x, s1.e.x) &&
           std::max(s1.s.y, s1.e.y) >= std::min(s2.s.y, s2.e.y) &&
           std::max(s2.s.y, s2.e.y) >= std::min(s1.s.y, s1.e.y) &&
           multiply(s2.s, s1.e, s1.s) * multiply(s1.e, s2.e, s1.s) >= 0 &&
           multiply(s1.s, s2.e, s2.s) * multiply(s2.e, s1.e, s2.s) >= 0;
}

FloatPoint LinePointX(LINE l, double x)
{
    if (l.b == 0.0)
        return {-l.c / l.a, x};
    return {x, (-l.c - l.a * x) / l.b};
}

double LinePointY(LINE l, double y)
{
    if (l.a == 0.0)
        return -l.c;
    return (-l.c - l.b * y) / l.a;
}

void Normalize(FloatPoint v, FloatPoint *out)
{
    const double len = std::sqrt(v.x * v.x + v.y * v.y);
    out->x = v.x / len;
    out->y = v.y / len;
}

void NewPointAfterPointMoveOnVector(FloatPoint p, double d, FloatPoint v, FloatPoint *out)
{
    FloatPoint unit;
    Normalize(v, &unit);
    out->x = p.x + d * unit.x;
    out->y = p.y + d * unit.y;
}

double isLeft(FloatPoint p1, FloatPoint p2, FloatPoint p3)
{
    const double v = (p2.x - p1.x) * (p3.y - p1.y) - (p2.y - p1.y) * (p3.x - p1.x);
    return std::fabs(v) < kZero ? 0.0 : v;
}

double AngleBetweenTwoLinesegs(FloatPoint o, FloatPoint a, FloatPoint b)
{
    const FloatPoint u{a.x - o.x, a.y - o.y};
    const FloatPoint w{b.x - o.x, b.y - o.y};
    const double k =
        (u.x * w.x + u.y * w.y) / std::sqrt((w.x * w.x + w.y * w.y) * (u.x * u.x + u.y * u.y));
    if (k >= 1.0)
        return 0.0;
    if (k <= -1.0)
        return -kGeometryPi;
    const double r = std::acos(k);
    return (u.x * w.y - u.y * w.x) <= 0.0 ? -r : r;
}

double Angle(FloatPoint o, FloatPoint a, FloatPoint b)
{
    return AngleBetweenTwoLinesegs(o, a, b);
}

double PolygonArea(FloatPoint *pts, int n)
{
    if (n < 1)
        return 0.0;
    pts[n] = pts[0];
    double sum = 0.0;
    for (int i = 0; i < n; ++i)
        sum += pts[i].x * pts[i + 1].y - pts[i + 1].x * pts[i].y;
    return 0.5 * std::fabs(sum);
}

QPointF genCircle(const QPointF &p1, const QPointF &p2, const QPointF &p3, double &r)
{
    const double x1 = p1.x(), y1 = p1.y();
    const double x2 = p2.x(), y2 = p2.y();
    const double x3 = p3.x(), y3 = p3.y();
    const double d = (x1 - x3) * (y1 - y2) - (y1 - y3) * (x1 - x2);
    if (std::fabs(d) < 1e-5) {
        r = -1.0;
        return {0.0, 0.0};
    }
    const double s12 = ((y1 * y1 - y2 * y2) + (x1 * x1 - x2 * x2)) / 2.0;
    const double s13 = ((y1 * y1 - y3 * y3) + (x1 * x1 - x3 * x3)) / 2.0;
    const double cx = -((y1 - y3) * s12 - (y1 - y2) * s13) / d;
    const double cy = -((x1 - x2) * s13 - (x1 - x3) * s12) / d;
    r = std::hypot(x1 - cx, y1 - cy);
    return {cx, cy};
}
