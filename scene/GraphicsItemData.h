#pragma once

#include "calibration/StyleInfo.h"
#include "scene/GraphicsType.h"

#include <QPointF>
#include <QString>
#include <QVector>

/// The saved form of one measurement item, as kept in the undo snapshots.
class GraphicsItemData
{
public:
    int type = GraphicsType::None;
    QVector<QPointF> points; // picture coordinates
    StyleInfo style;
    QString text; // the note of a text item; empty for every other kind
};
