#pragma once

#include "config/CameraConfig.h"

#include <QString>
#include <QStringList>
#include <QVector>

/// The controls of the camera parameter panel by name. A control's name is its Chinese
/// source text and the key of every look-up (the labels show it translated), so it never
/// changes with the language. Pure: no widgets, no camera.
namespace CameraParamNames {

/// A slider and what it drives: a camera-service property and a stored field, either a
/// CameraParam (value, range, step) or one of the plain channel gains.
struct Slider
{
    const char *name;
    int prop;
    CameraParam CameraConfig::*param;
    double CameraConfig::*gain;
};

/// Every slider name the panel acts on, in the order the controls are refreshed.
const QVector<Slider> &sliders();
/// The entry of a slider name, or null for a name that drives nothing (such as "色温").
const Slider *findSlider(const QString &name);

/// Stores a slider's value in the record; the property to push it to, or -1 for a name that
/// drives nothing.
int storeSlider(CameraConfig &config, const QString &name, int value);

/// What a slider shows for a stored record.
struct SliderView
{
    bool enabled = false;
    int minimum = 0;
    int maximum = 0;
    int value = 0;
    int step = 1;
};
/// `supported`: the camera offers the property; `range` is used for the channel gains, whose
/// record holds only a value.
SliderView sliderView(const CameraConfig &config, const Slider &slider, bool supported,
                      const CameraParam &range = {});

/// The label keys of the four groups (exposure and gain, colour, white balance, flip),
/// including keys some group has no control for; re-labelling skips those.
QVector<QStringList> groupKeys();

} // namespace CameraParamNames
