#pragma once

#include "scene/CameraScene.h"
#include "scene/GraphicsItem.h"
#include "scene/GraphicsType.h"
#include "scene/MakeGraphicsItem.h"

/// Adds a finished figure of that kind to the scene, as drawing one would.
inline GraphicsItem *addShape(CameraScene *scene, int kind, const QVector<QPointF> &points,
                              const QString &note = QString())
{
    GraphicsItem *item = MakeGraphicsItem(kind);
    item->restore({kind, points, StyleInfo(), note});
    scene->addGraphicCommand(item);
    return item;
}

/// Adds a measured line from a to b.
inline void addLine(CameraScene *scene, QPointF a = QPointF(10, 10), QPointF b = QPointF(40, 30))
{
    addShape(scene, GraphicsType::Line, {a, b});
}
