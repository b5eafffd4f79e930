#include "scene/MakeGraphicsItem.h"

#include "scene/GraphicsAngleLineItem.h"
#include "scene/GraphicsArcItem.h"
#include "scene/GraphicsBrokenLineItem.h"
#include "scene/GraphicsCircle1Item.h"
#include "scene/GraphicsCircle2Item.h"
#include "scene/GraphicsCircle3Item.h"
#include "scene/GraphicsCircleLineItem.h"
#include "scene/GraphicsCrossItem.h"
#include "scene/GraphicsDoubleCircleItem.h"
#include "scene/GraphicsLineItem.h"
#include "scene/GraphicsParallelLineItem.h"
#include "scene/GraphicsPointItem.h"
#include "scene/GraphicsPolygonItem.h"
#include "scene/GraphicsRectItem.h"
#include "scene/GraphicsTextItem.h"
#include "scene/GraphicsVerticalLineItem.h"

GraphicsItem *MakeGraphicsItem(int type)
{
    switch (type) {
    case GraphicsType::Point: return new GraphicsPointItem;
    case GraphicsType::Line: return new GraphicsLineItem;
    case GraphicsType::BrokenLine: return new GraphicsBrokenLineItem;
    case GraphicsType::Rect: return new GraphicsRectItem;
    case GraphicsType::Polygon: return new GraphicsPolygonItem;
    case GraphicsType::ParallelLine: return new GraphicsParallelLineItem;
    case GraphicsType::VerticalLine: return new GraphicsVerticalLineItem;
    case GraphicsType::Cross: return new GraphicsCrossItem;
    case GraphicsType::AngleLine: return new GraphicsAngleLineItem;
    case GraphicsType::Arc: return new GraphicsArcItem;
    case GraphicsType::Circle1: return new GraphicsCircle1Item;
    case GraphicsType::Circle2: return new GraphicsCircle2Item;
    case GraphicsType::Circle3: return new GraphicsCircle3Item;
    case GraphicsType::DoubleCircle: return new GraphicsDoubleCircleItem;
    case GraphicsType::CircleLine: return new GraphicsCircleLineItem;
    case GraphicsType::Text: return new GraphicsTextItem;
    default: return nullptr;
    }
}
