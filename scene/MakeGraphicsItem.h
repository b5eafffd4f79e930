#pragma once

class GraphicsItem;

/// A new, unfinished item of the given kind, or null for a number without an item class
/// (no kind, the select and delete tools, anything else). The caller owns the item.
GraphicsItem *MakeGraphicsItem(int type);
