#pragma once

/// Measurement kind numbers: the scene's current tool and the kind stored with each item.
namespace GraphicsType {
enum : int {
    None = 0x10001, // also the kind of the calibration measuring segment
    Point = 0x10002,
    Line = 0x10003,
    BrokenLine = 0x10004,
    Rect = 0x10005,
    Polygon = 0x10006,
    ParallelLine = 0x10007,
    VerticalLine = 0x10008,
    Cross = 0x10009,
    AngleLine = 0x1000a,
    Arc = 0x1000b,
    Circle1 = 0x1000c,
    Circle2 = 0x1000d,
    Circle3 = 0x1000e,
    DoubleCircle = 0x1000f,
    CircleLine = 0x10010,
    Select = 0x10011, // select and move tool, no item
    Delete = 0x10012, // delete tool, no item
    Text = 0x10013,
};
} // namespace GraphicsType
