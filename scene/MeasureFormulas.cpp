#include "scene/MeasureFormulas.h"

#include "scene/Geometry.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Angle of q on the circle about c with radius r, in degrees within (-360, 0], in the
// painter's convention (0 at three o'clock, positive counter-clockwise on screen).
double pointAngle(const QPointF &q, const QPointF &c, double r)
{
    const float k = std::clamp(static_cast<float>((q.x() - c.x()) / r), -1.0f, 1.0f);
    const double theta = static_cast<double>(std::acos(k)) * 180.0 / kGeometryPi;
    return q.y() >= c.y() ? -theta : theta - 360.0;
}

} // namespace

double polylineLength(const QVector<QPointF> &points)
{
    double length = 0.0;
    for (int i = 1; i < points.size(); ++i)
        length += distance(points.at(i - 1), points.at(i));
    return length;
}

double closedPerimeter(const QVector<QPointF> &points)
{
    if (points.size() < 2)
        return 0.0;
    return polylineLength(points) + distance(points.last(), points.first());
}

double polygonArea(const QVector<QPointF> &points)
{
    const int n = points.size();
    if (n < 3)
        return 0.0;
    std::vector<FloatPoint> pts(static_cast<size_t>(n) + 1); // room for the closing vertex
    for (int i = 0; i < n; ++i)
        pts[static_cast<size_t>(i)] = toFloatPoint(points.at(i));
    return PolygonArea(pts.data(), n);
}

double rectArea(const QPointF &a, const QPointF &b)
{
    return std::fabs((b.x() - a.x()) * (b.y() - a.y()));
}

bool perpendicularFoot(const QPointF &a, const QPointF &b, const QPointF &p, QPointF &foot)
{
    LINE base;
    GenerateAline(toFloatPoint(a), toFloatPoint(b), &base);
    const LINE normal{base.b, -base.a, base.a * p.y() - base.b * p.x()};
    FloatPoint f;
    if (!IsLineCrossWithLine(base, normal, f))
        return false;
    foot = toQPoint(f);
    return true;
}

bool parallelRoot(const QPointF &p0, const QPointF &p1, const QPointF &p2, QPointF &root)
{
    LINE base;
    GenerateAline(toFloatPoint(p0), toFloatPoint(p1), &base);
    const QPointF m = (p0 + p1) / 2.0;
    const LINE parallel{base.a, base.b, -(base.a * p2.x() + base.b * p2.y())};
    const LINE bisector{base.b, -base.a, base.a * m.y() - base.b * m.x()};
    FloatPoint r;
    if (!IsLineCrossWithLine(parallel, bisector, r))
        return false;
    root = toQPoint(r);
    return true;
}

double armsAngle(const QPointF &a, const QPointF &vertex, const QPointF &b)
{
    return AngleBetweenTwoLinesegs(toFloatPoint(vertex), toFloatPoint(a), toFloatPoint(b)) /
           kGeometryPi * 180.0;
}

double direction(const QPointF &a, const QPointF &b)
{
    // y grows downward on the picture: turn it up so counter-clockwise is what the eye sees.
    return std::atan2(a.y() - b.y(), b.x() - a.x()) / kGeometryPi * 180.0;
}

ArcSweep arcSweep(const QPointF &p0, const QPointF &p1, const QPointF &p2, const QPointF &centre,
                  double radius)
{
    ArcSweep sweep;
    sweep.start = pointAngle(p0, centre, radius) * 16.0;
    sweep.span = pointAngle(p2, centre, radius) * 16.0 - sweep.start;
    if (sweep.span >= 0.0)
        sweep.span -= 5760.0; // clockwise on screen
    double middle = pointAngle(p1, centre, radius) * 16.0 - sweep.start;
    if (middle > 0.0)
        middle -= 5760.0;
    // The middle point lies on the other side: the arc runs counter-clockwise instead.
    if (middle < sweep.span)
        sweep.span += 5760.0;
    return sweep;
}

bool arcLength(const QPointF &p0, const QPointF &p1, const QPointF &p2, double &length,
               double &radius)
{
    length = 0.0;
    const QPointF centre = genCircle(p0, p1, p2, radius);
    if (!(radius > 0.0))
        return false;
    const ArcSweep sweep = arcSweep(p0, p1, p2, centre, radius);
    length = std::fabs(sweep.span) / 16.0 / 360.0 * 2.0 * kGeometryPi * radius;
    return true;
}
