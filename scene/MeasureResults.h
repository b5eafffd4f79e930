#pragma once

#include "calibration/BDInfo.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QPointF>
#include <QSize>
#include <QVector>

#include <array>

class CameraScene;
class GraphicsItem;

/// The figures of one measurement, in the calibration in force: lengths in its unit, areas in
/// its square, angles in degrees, coordinates in picture pixels from the picture centre with y
/// upward (the frame of the point labels). NaN where a figure does not apply.
struct MeasureFigures
{
    enum Figure : int {
        X,
        Y,
        Length,
        Width,
        Height,
        Area,
        Perimeter,
        Angle,
        Radius,
        Diameter,
        Segments,
        Circumference,
        Radius2,
        Count
    };
    std::array<double, Count> values;

    MeasureFigures();
    double at(int figure) const { return values[size_t(figure)]; }

    /// The figures of a measurement of `kind` with `points` (picture pixels), computed with
    /// the formulas of its label. `origin` is the picture centre (display coordinates'
    /// origin), `ratio` the calibration's length per pixel.
    static MeasureFigures of(int kind, const QVector<QPointF> &points, QPointF origin,
                             double ratio);
    /// What the figure measures: a length, an area, an angle, a coordinate or a count.
    enum class Dimension { Length, Area, Angle, Coordinate, Count };
    static Dimension dimension(int figure);
    /// Stable English name, the CSV column header: "X", "Length", …
    static QString key(int figure);
    /// Translated name for the table's header.
    static QString title(int figure);
};

/// The results table of one scene: one row per finished item, in the scene's item order,
/// with its index (from 1), kind, note (text items) and figures (MeasureFigures).
///
/// Follows the scene by its signals: a drag step recomputes and repaints only its own row; a
/// changed list (drawing, deleting, undo, redo, clear) rebuilds the rows; a calibration
/// change recomputes all. GUI thread only; the scene owns the model.
class MeasureResults final : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY(MeasureResults)

public:
    /// Columns before the figures.
    enum Column : int { IndexColumn, KindColumn, NoteColumn, FirstFigureColumn };

    explicit MeasureResults(CameraScene *scene);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    CameraScene *scene() const { return m_scene; }
    const BDInfo &calibration() const { return m_calibration; }
    int kind(int row) const { return m_rows.at(row).kind; }
    QString note(int row) const { return m_rows.at(row).note; }
    const MeasureFigures &figures(int row) const { return m_rows.at(row).figures; }
    GraphicsItem *item(int row) const { return m_rows.value(row).item; }
    /// The row of an item, -1 for none.
    int rowOf(const GraphicsItem *item) const;

    /// Unit text of a figure in the calibration in force ("mm", "mm²", "°", "px"; empty for
    /// counts).
    QString unitOf(int figure) const;
    /// The figure's translated name with its unit: "Length (mm)".
    QString figureHeader(int figure) const;
    /// Repaints the translated headers and kind names after a language change.
    void refreshTexts();

    /// Stable English key of a kind ("Line", "CircleCentreRim", …); empty for no measurement.
    static QString kindKey(int kind);
    /// Translated name of a kind.
    static QString kindName(int kind);

    /// Count, mean, sample standard deviation (NaN below two values), minimum and maximum of
    /// one figure over the rows of one kind.
    struct Summary
    {
        int kind = 0;
        int figure = 0;
        int count = 0;
        double mean = 0.0;
        double deviation = 0.0;
        double minimum = 0.0;
        double maximum = 0.0;
    };
    /// Per kind in order of first appearance, per figure in column order.
    QVector<Summary> summary() const;

private:
    struct Row
    {
        GraphicsItem *item = nullptr;
        int kind = 0;
        QString note;
        MeasureFigures figures;
    };
    Row makeRow(GraphicsItem *item) const;
    QPointF origin() const;
    void rebuild();
    void onGraphicChanged(GraphicsItem *item);
    void onCalibrationChanged();

    CameraScene *m_scene;
    BDInfo m_calibration;
    QVector<Row> m_rows;
    QHash<const GraphicsItem *, int> m_rowOf;
};
