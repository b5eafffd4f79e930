#pragma once

#include <QPointF>

// Plane geometry on plain value types, in picture coordinates (y downward). The measurement
// items use these for hit testing, snapping and measuring; nothing here keeps state.

/// A point or a vector.
struct FloatPoint
{
    double x = 0.0;
    double y = 0.0;
};

/// A segment from `s` to `e`.
struct LINESEG
{
    FloatPoint s;
    FloatPoint e;
};

/// The line a·x + b·y + c = 0.
struct LINE
{
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
};

constexpr double kGeometryPi = 3.141592653589793;

FloatPoint toFloatPoint(const QPointF &p);
QPointF toQPoint(const FloatPoint &p);

double distance(const QPointF &p, const QPointF &q);
double distfptofpt(FloatPoint p, FloatPoint q);

/// -1, 0 or 1; 0 when |v| < 1e-10.
int sign(double v);
/// Both coordinates differ by less than 0.001.
bool EqPoint(FloatPoint p, FloatPoint q);
double Radian_Degree(double r);
double Degree_Radian(double d);

/// (p1 − p0)·(p2 − p0).
double dotmultiply(FloatPoint p1, FloatPoint p2, FloatPoint p0);
/// z component of (p1 − p0) × (p2 − p0).
double multiply(FloatPoint p1, FloatPoint p2, FloatPoint p0);
/// Projection parameter of p on s: 0 at the start, 1 at the end (NaN for a point segment).
double relation(FloatPoint p, LINESEG s);
/// Foot of the perpendicular from p on the line of s.
void perpendicular(FloatPoint p, LINESEG s, FloatPoint *out);

/// Distance from p to the segment; a point segment measures to its start.
double ShortestDistBetweenPointAndLineseg(FloatPoint p, LINESEG s);
bool IsPointInLineSeg(LINESEG s, FloatPoint p);

/// The line through p1 and p2 with a ≥ 0; coincident points give a = b = c = 0.
void GenerateAline(FloatPoint p1, FloatPoint p2, LINE *out);
/// Crossing point of two lines, rounded to single precision. Parallel lines return false and
/// leave `out` untouched.
bool IsLineCrossWithLine(LINE l1, LINE l2, FloatPoint &out);
/// Crossing point of the two segments' lines; true when it lies on both segments.
bool CrossPointOfTwoLinelseg(LINESEG s1, LINESEG s2, FloatPoint &out);
/// Bounding boxes overlap and each segment straddles the other (touching counts).
bool IsLinesegCrossWithLineseg(LINESEG s1, LINESEG s2);

/// The point of l with abscissa x. A vertical line (b = 0) gives (its abscissa, x).
FloatPoint LinePointX(LINE l, double x);
/// The abscissa of the point of l with ordinate y. A horizontal line (a = 0) gives −c.
double LinePointY(LINE l, double y);

void Normalize(FloatPoint v, FloatPoint *out);
/// out = p moved by the signed distance d along the direction of v.
void NewPointAfterPointMoveOnVector(FloatPoint p, double d, FloatPoint v, FloatPoint *out);

/// Cross product of p1→p2 and p1→p3; magnitudes below 1e-10 give 0.
double isLeft(FloatPoint p1, FloatPoint p2, FloatPoint p3);
/// Signed angle in radians from the ray o→a to the ray o→b, in [−π, π]; never +π.
double AngleBetweenTwoLinesegs(FloatPoint o, FloatPoint a, FloatPoint b);
double Angle(FloatPoint o, FloatPoint a, FloatPoint b);

/// Shoelace area of pts[0..n-1]. Writes pts[0] into pts[n]: the array needs n + 1 entries.
double PolygonArea(FloatPoint *pts, int n);

/// Centre of the circle through three points and its radius in r; collinear or coincident
/// points give (0, 0) and r = −1.
QPointF genCircle(const QPointF &p1, const QPointF &p2, const QPointF &p3, double &r);
