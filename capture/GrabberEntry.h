#pragma once

class CameraFrameGrabber;

/// The software adjustments and last stream settings of one camera's grabber.
struct GrabberEntry
{
    int brightness = 50; ///< 0 … 100, 50 = neutral
    int gamma = 50;      ///< 0 … 100, 50 = neutral
    int width = 0;
    int height = 0;
    int format = 0;                        ///< 0 uncompressed, 1 MJPG
    CameraFrameGrabber *grabber = nullptr; ///< owned by its QCamera
};
