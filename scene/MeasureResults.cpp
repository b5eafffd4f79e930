#include "scene/MeasureResults.h"

#include "scene/CameraScene.h"
#include "scene/Geometry.h"
#include "scene/GraphicsItem.h"
#include "scene/GraphicsTextItem.h"
#include "scene/GraphicsType.h"
#include "scene/MeasureFormulas.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>
#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct KindName
{
    int kind;
    const char *key;
    const char *caption; // the tool button's caption, translated in its own context
};

// The captions are those of the measurement panel's tool buttons: the table names a kind the
// way the button that drew it does.
const KindName kKinds[] = {
    {GraphicsType::Point, "Point", QT_TRANSLATE_NOOP("BDWidget", "坐标")},
    {GraphicsType::Line, "Line", QT_TRANSLATE_NOOP("BDWidget", "线条")},
    {GraphicsType::BrokenLine, "BrokenLine", QT_TRANSLATE_NOOP("BDWidget", "折线")},
    {GraphicsType::Rect, "Rectangle", QT_TRANSLATE_NOOP("BDWidget", "矩形")},
    {GraphicsType::Polygon, "Polygon", QT_TRANSLATE_NOOP("BDWidget", "多边形")},
    {GraphicsType::ParallelLine, "ParallelLine", QT_TRANSLATE_NOOP("BDWidget", "平行线")},
    {GraphicsType::VerticalLine, "Perpendicular", QT_TRANSLATE_NOOP("BDWidget", "垂线")},
    {GraphicsType::Cross, "Crosshair", QT_TRANSLATE_NOOP("BDWidget", "网格线")},
    {GraphicsType::AngleLine, "Angle", QT_TRANSLATE_NOOP("BDWidget", "角度")},
    {GraphicsType::Arc, "Arc", QT_TRANSLATE_NOOP("BDWidget", "圆弧")},
    {GraphicsType::Circle1, "CircleCentreRim", QT_TRANSLATE_NOOP("BDWidget", "圆")},
    {GraphicsType::Circle2, "CircleTwoPoints", QT_TRANSLATE_NOOP("BDWidget", "两点圆")},
    {GraphicsType::Circle3, "CircleThreePoints", QT_TRANSLATE_NOOP("BDWidget", "三点圆")},
    {GraphicsType::DoubleCircle, "ConcentricCircles", QT_TRANSLATE_NOOP("BDWidget", "重合圆")},
    {GraphicsType::CircleLine, "TwoCircles", QT_TRANSLATE_NOOP("BDWidget", "双圆")},
    {GraphicsType::Text, "Text", QT_TRANSLATE_NOOP("BDWidget", "文字")},
};

const KindName *findKind(int kind)
{
    for (const KindName &k : kKinds) {
        if (k.kind == kind)
            return &k;
    }
    return nullptr;
}

struct FigureName
{
    const char *key;
    const char *title; // null: the key itself
};

const FigureName kFigures[MeasureFigures::Count] = {
    {"X", nullptr}, // the same in every language
    {"Y", nullptr},
    {"Length", QT_TRANSLATE_NOOP("MeasureResults", "长度")},
    {"Width", QT_TRANSLATE_NOOP("MeasureResults", "宽度")},
    {"Height", QT_TRANSLATE_NOOP("MeasureResults", "高度")},
    {"Area", QT_TRANSLATE_NOOP("MeasureResults", "面积")},
    {"Perimeter", QT_TRANSLATE_NOOP("MeasureResults", "周长")},
    {"Angle", QT_TRANSLATE_NOOP("MeasureResults", "角度")},
    {"Radius", QT_TRANSLATE_NOOP("MeasureResults", "半径")},
    {"Diameter", QT_TRANSLATE_NOOP("MeasureResults", "直径")},
    {"Segments", QT_TRANSLATE_NOOP("MeasureResults", "段数")},
    {"Circumference", QT_TRANSLATE_NOOP("MeasureResults", "圆周长")},
    {"Radius2", QT_TRANSLATE_NOOP("MeasureResults", "半径2")},
};

// Centre, radius, diameter, circumference and area of a circle, in picture pixels.
void setCircle(MeasureFigures &f, QPointF centre, double radius)
{
    f.values[MeasureFigures::X] = centre.x();
    f.values[MeasureFigures::Y] = centre.y();
    f.values[MeasureFigures::Radius] = radius;
    f.values[MeasureFigures::Diameter] = 2.0 * radius;
    f.values[MeasureFigures::Circumference] = 2.0 * kGeometryPi * radius;
    f.values[MeasureFigures::Area] = kGeometryPi * radius * radius;
}

// The figures in picture pixels, before the calibration and the display frame apply.
MeasureFigures pixelFigures(int kind, const QVector<QPointF> &p)
{
    MeasureFigures f;
    auto set = [&f](MeasureFigures::Figure figure, double value) {
        f.values[size_t(figure)] = value;
    };
    const int n = p.size();
    switch (kind) {
    case GraphicsType::Point:
    case GraphicsType::Cross:
        if (n >= 1) {
            // A crosshair still being placed holds its starting press first.
            set(MeasureFigures::X, p.last().x());
            set(MeasureFigures::Y, p.last().y());
        }
        break;
    case GraphicsType::Line:
        if (n >= 2) {
            set(MeasureFigures::Length, distance(p.at(0), p.at(1)));
            if (p.at(0) != p.at(1))
                set(MeasureFigures::Angle, direction(p.at(0), p.at(1)));
        }
        break;
    case GraphicsType::BrokenLine:
        if (n >= 2) {
            set(MeasureFigures::Length, polylineLength(p));
            set(MeasureFigures::Segments, n - 1);
        }
        break;
    case GraphicsType::Rect:
        if (n >= 2) {
            const double w = std::fabs(p.at(1).x() - p.at(0).x());
            const double h = std::fabs(p.at(1).y() - p.at(0).y());
            set(MeasureFigures::Width, w);
            set(MeasureFigures::Height, h);
            set(MeasureFigures::Area, rectArea(p.at(0), p.at(1)));
            set(MeasureFigures::Perimeter, 2.0 * (w + h));
        }
        break;
    case GraphicsType::Polygon:
        if (n >= 2) {
            set(MeasureFigures::Area, polygonArea(p));
            set(MeasureFigures::Perimeter, closedPerimeter(p));
        }
        break;
    case GraphicsType::ParallelLine: {
        QPointF root;
        if (n >= 4 && parallelRoot(p.at(0), p.at(1), p.at(2), root))
            set(MeasureFigures::Length, distance((p.at(0) + p.at(1)) / 2.0, root));
        break;
    }
    case GraphicsType::VerticalLine: {
        QPointF foot;
        if (n >= 3 && perpendicularFoot(p.at(0), p.at(1), p.at(2), foot))
            set(MeasureFigures::Length, distance(p.at(2), foot));
        break;
    }
    case GraphicsType::AngleLine:
        if (n >= 3 && p.at(0) != p.at(1) && p.at(2) != p.at(1))
            set(MeasureFigures::Angle, armsAngle(p.at(0), p.at(1), p.at(2)));
        break;
    case GraphicsType::Arc: {
        double length = 0.0;
        double radius = 0.0;
        if (n >= 3 && arcLength(p.at(0), p.at(1), p.at(2), length, radius)) {
            set(MeasureFigures::Length, length);
            set(MeasureFigures::Radius, radius);
            set(MeasureFigures::Angle, length / radius / kGeometryPi * 180.0);
        }
        break;
    }
    case GraphicsType::Circle1:
        if (n >= 2)
            setCircle(f, p.at(0), distance(p.at(0), p.at(1)));
        break;
    case GraphicsType::Circle2:
        if (n >= 2)
            setCircle(f, (p.at(0) + p.at(1)) / 2.0, distance(p.at(0), p.at(1)) / 2.0);
        break;
    case GraphicsType::Circle3: {
        double radius = 0.0;
        const QPointF centre = n >= 3 ? genCircle(p.at(0), p.at(1), p.at(2), radius) : QPointF();
        if (radius > 0.0)
            setCircle(f, centre, radius);
        break;
    }
    case GraphicsType::DoubleCircle:
        if (n >= 2)
            setCircle(f, p.at(0), distance(p.at(0), p.at(1)));
        if (n >= 3)
            set(MeasureFigures::Radius2, distance(p.at(0), p.at(2)));
        break;
    case GraphicsType::CircleLine:
        if (n >= 2) {
            set(MeasureFigures::X, p.at(0).x());
            set(MeasureFigures::Y, p.at(0).y());
            set(MeasureFigures::Radius, distance(p.at(0), p.at(1)));
        }
        if (n >= 4) {
            set(MeasureFigures::Length, distance(p.at(0), p.at(2)));
            set(MeasureFigures::Radius2, distance(p.at(2), p.at(3)));
        }
        break;
    default: break;
    }
    return f;
}

} // namespace

MeasureFigures::MeasureFigures()
{
    values.fill(kNaN);
}

MeasureFigures MeasureFigures::of(int kind, const QVector<QPointF> &points, QPointF origin,
                                  double ratio)
{
    MeasureFigures f = pixelFigures(kind, points);
    for (int i = 0; i < Count; ++i) {
        double &v = f.values[size_t(i)];
        switch (dimension(i)) {
        case Dimension::Length: v *= ratio; break;
        case Dimension::Area: v *= ratio * ratio; break;
        case Dimension::Coordinate:
            // Picture to display coordinates: from the centre, y upward.
            v = i == X ? v - origin.x() : origin.y() - v;
            break;
        case Dimension::Angle:
        case Dimension::Count: break;
        }
    }
    return f;
}

MeasureFigures::Dimension MeasureFigures::dimension(int figure)
{
    switch (figure) {
    case X:
    case Y: return Dimension::Coordinate;
    case Area: return Dimension::Area;
    case Angle: return Dimension::Angle;
    case Segments: return Dimension::Count;
    default: return Dimension::Length;
    }
}

QString MeasureFigures::key(int figure)
{
    return QString::fromLatin1(kFigures[figure].key);
}

QString MeasureFigures::title(int figure)
{
    const char *title = kFigures[figure].title;
    return title ? QCoreApplication::translate("MeasureResults", title) : key(figure);
}

MeasureResults::MeasureResults(CameraScene *scene)
    : QAbstractTableModel(scene)
    , m_scene(scene)
    , m_calibration(scene->bdInfo())
{
    connect(scene, &CameraScene::graphicsChanged, this, &MeasureResults::rebuild);
    connect(scene, &CameraScene::graphicChanged, this, &MeasureResults::onGraphicChanged);
    connect(scene, &CameraScene::calibrationChanged, this, &MeasureResults::onCalibrationChanged);
    rebuild();
}

QString MeasureResults::kindKey(int kind)
{
    const KindName *k = findKind(kind);
    return k ? QString::fromLatin1(k->key) : QString();
}

QString MeasureResults::kindName(int kind)
{
    const KindName *k = findKind(kind);
    return k ? QCoreApplication::translate("BDWidget", k->caption) : QString();
}

QString MeasureResults::unitOf(int figure) const
{
    const QString unit = BDInfo::unitString(m_calibration.unit);
    switch (MeasureFigures::dimension(figure)) {
    case MeasureFigures::Dimension::Length: return unit;
    case MeasureFigures::Dimension::Area:
        return unit.isEmpty() ? unit : unit + QChar(0x00B2); // as the area labels write it
    case MeasureFigures::Dimension::Angle: return QStringLiteral("°");
    case MeasureFigures::Dimension::Coordinate: return QStringLiteral("px");
    case MeasureFigures::Dimension::Count: break;
    }
    return QString();
}

QPointF MeasureResults::origin() const
{
    // The display frame of the point labels, whose origin is the (integer) picture centre.
    const QPoint d = m_scene->toDispPoint(QPoint(0, 0));
    return QPointF(-d.x(), d.y());
}

MeasureResults::Row MeasureResults::makeRow(GraphicsItem *item) const
{
    Row row;
    row.item = item;
    row.kind = item->type();
    if (row.kind == GraphicsType::Text)
        row.note = static_cast<const GraphicsTextItem *>(item)->text();
    row.figures = MeasureFigures::of(row.kind, item->keyPoints(), origin(), m_calibration.ratio);
    return row;
}

void MeasureResults::rebuild()
{
    beginResetModel();
    m_calibration = m_scene->bdInfo();
    m_rows.clear();
    m_rowOf.clear();
    const QList<GraphicsItem *> &items = m_scene->graphics();
    m_rows.reserve(items.size());
    for (GraphicsItem *item : items) {
        m_rowOf.insert(item, m_rows.size());
        m_rows.append(makeRow(item));
    }
    endResetModel();
}

void MeasureResults::onGraphicChanged(GraphicsItem *item)
{
    const int row = rowOf(item);
    if (row < 0)
        return;
    const MeasureFigures before = m_rows.at(row).figures;
    m_rows[row] = makeRow(item);
    // Cell by cell: a view repaints a single cell but the whole table for any wider range.
    const MeasureFigures &after = m_rows.at(row).figures;
    for (int f = 0; f < MeasureFigures::Count; ++f) {
        if (before.at(f) != after.at(f) && !(std::isnan(before.at(f)) && std::isnan(after.at(f)))) {
            const QModelIndex cell = index(row, FirstFigureColumn + f);
            emit dataChanged(cell, cell);
        }
    }
}

void MeasureResults::onCalibrationChanged()
{
    m_calibration = m_scene->bdInfo();
    for (Row &row : m_rows)
        row = makeRow(row.item);
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, FirstFigureColumn), index(rowCount() - 1, columnCount() - 1));
    emit headerDataChanged(Qt::Horizontal, FirstFigureColumn, columnCount() - 1);
}

int MeasureResults::rowOf(const GraphicsItem *item) const
{
    return m_rowOf.value(item, -1);
}

int MeasureResults::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

int MeasureResults::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : FirstFigureColumn + MeasureFigures::Count;
}

QVariant MeasureResults::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    const Row &row = m_rows.at(index.row());
    const int column = index.column();
    if (column >= FirstFigureColumn) {
        const int figure = column - FirstFigureColumn;
        const double value = row.figures.at(figure);
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        if (role != Qt::DisplayRole || std::isnan(value))
            return QVariant();
        const int decimals = MeasureFigures::dimension(figure) == MeasureFigures::Dimension::Count
                                 ? 0
                                 : 4; // as the labels show them
        return QLocale().toString(value, 'f', decimals);
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return QVariant();
    switch (column) {
    case IndexColumn: return index.row() + 1;
    case KindColumn: return kindName(row.kind);
    case NoteColumn: return row.note;
    default: return QVariant();
    }
}

QVariant MeasureResults::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case IndexColumn: return QStringLiteral("#");
    case KindColumn: return tr("类型");
    case NoteColumn: return tr("备注");
    default: break;
    }
    const int figure = section - FirstFigureColumn;
    if (figure < 0 || figure >= MeasureFigures::Count)
        return QVariant();
    return figureHeader(figure);
}

QString MeasureResults::figureHeader(int figure) const
{
    const QString unit = unitOf(figure);
    return unit.isEmpty() ? MeasureFigures::title(figure)
                          : tr("%1 (%2)").arg(MeasureFigures::title(figure), unit);
}

void MeasureResults::refreshTexts()
{
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, KindColumn), index(rowCount() - 1, KindColumn));
}

QVector<MeasureResults::Summary> MeasureResults::summary() const
{
    // One pass for count, sum, minimum and maximum per kind and figure, one for the squares.
    QVector<int> kinds;
    QVector<int> slotOf(m_rows.size());
    for (int r = 0; r < m_rows.size(); ++r) {
        int slot = kinds.indexOf(m_rows.at(r).kind);
        if (slot < 0) {
            slot = kinds.size();
            kinds.append(m_rows.at(r).kind);
        }
        slotOf[r] = slot;
    }
    QVector<Summary> all(kinds.size() * MeasureFigures::Count);
    QVector<double> sums(all.size(), 0.0);
    for (int r = 0; r < m_rows.size(); ++r) {
        for (int f = 0; f < MeasureFigures::Count; ++f) {
            const double v = m_rows.at(r).figures.at(f);
            if (std::isnan(v))
                continue;
            const int i = slotOf.at(r) * MeasureFigures::Count + f;
            Summary &s = all[i];
            s.minimum = s.count == 0 ? v : std::min(s.minimum, v);
            s.maximum = s.count == 0 ? v : std::max(s.maximum, v);
            sums[i] += v;
            ++s.count;
        }
    }
    for (int i = 0; i < all.size(); ++i) {
        all[i].kind = kinds.at(i / MeasureFigures::Count);
        all[i].figure = i % MeasureFigures::Count;
        if (all.at(i).count > 0)
            all[i].mean = sums.at(i) / all.at(i).count;
    }
    QVector<double> squares(all.size(), 0.0);
    for (int r = 0; r < m_rows.size(); ++r) {
        for (int f = 0; f < MeasureFigures::Count; ++f) {
            const double v = m_rows.at(r).figures.at(f);
            const int i = slotOf.at(r) * MeasureFigures::Count + f;
            if (!std::isnan(v))
                squares[i] += (v - all.at(i).mean) * (v - all.at(i).mean);
        }
    }
    QVector<Summary> result;
    for (int i = 0; i < all.size(); ++i) {
        if (all.at(i).count == 0)
            continue;
        Summary s = all.at(i);
        s.deviation = s.count > 1 ? std::sqrt(squares.at(i) / (s.count - 1)) : kNaN;
        result.append(s);
    }
    return result;
}
