#pragma once

#include "scene/CameraScene.h"
#include "scene/GraphicsItem.h"
#include "scene/GraphicsType.h"
#include "scene/MakeGraphicsItem.h"

/// Adds a measured line from a to b to the scene, as drawing one would.
inline void addLine(CameraScene *scene, QPointF a = QPointF(10, 10), QPointF b = QPointF(40, 30))
{
    GraphicsItem *item = MakeGraphicsItem(GraphicsType::Line);
    item->restore({GraphicsType::Line, {a, b}, StyleInfo(), QString()});
    scene->addGraphicCommand(item);
}
