#pragma once

#include "scene/GraphicsItemData.h"

#include <QVector>

/// One undo entry: the saved form of every finished item, in the scene's item order. Whole
/// snapshots rather than per-change commands keep undo trivially correct for every kind of
/// change (new items, drags, reshapes, deletions) at the cost of a few points per item.
class CommandInfo
{
public:
    QVector<GraphicsItemData> graphics;
};
