#pragma once

#include <QPointF>
#include <QVector>

// The measured values of the items, from their points in one frame (picture or view pixels).
// The labels and the results table both take them from here, so the two never disagree.

/// Sum of the distances of consecutive points.
double polylineLength(const QVector<QPointF> &points);
/// Perimeter of the polygon closed from the last point back to the first.
double closedPerimeter(const QVector<QPointF> &points);
/// Shoelace area of the polygon; 0 below three points.
double polygonArea(const QVector<QPointF> &points);
/// Area of the axis-parallel rectangle with opposite corners a and b, never negative.
double rectArea(const QPointF &a, const QPointF &b);

/// Foot of the perpendicular from p on the line through a and b (single precision, like every
/// line crossing); false when a and b coincide.
bool perpendicularFoot(const QPointF &a, const QPointF &b, const QPointF &p, QPointF &foot);
/// Where the perpendicular bisector of the base p0–p1 meets the parallel through p2; its
/// distance from the base's midpoint is the distance of the two parallels. False when the
/// base has no direction.
bool parallelRoot(const QPointF &p0, const QPointF &p1, const QPointF &p2, QPointF &root);

/// Signed angle in degrees from the arm vertex→a to the arm vertex→b, in [−180, 180); the
/// sign follows the placing order.
double armsAngle(const QPointF &a, const QPointF &vertex, const QPointF &b);
/// Direction of the segment from a to b in degrees, counter-clockwise from the x axis as the
/// picture is seen (y grows downward), in (−180, 180].
double direction(const QPointF &a, const QPointF &b);

/// The sweep of an arc from its first to its third point through the second, in sixteenths
/// of a degree, in the painter's convention (0 at three o'clock, positive counter-clockwise).
struct ArcSweep
{
    double start = 0.0;
    double span = 0.0;
};
ArcSweep arcSweep(const QPointF &p0, const QPointF &p1, const QPointF &p2, const QPointF &centre,
                  double radius);
/// Length of the arc through three points and, in radius, the radius of its circle; false
/// (length 0) when the points lie on one line.
bool arcLength(const QPointF &p0, const QPointF &p1, const QPointF &p2, double &length,
               double &radius);
