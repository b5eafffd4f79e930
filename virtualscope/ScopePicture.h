#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

#include "virtualscope/ScopeProcessing.h"

/// Picture generation for the virtual microscope: pure functions, no Qt Multimedia.
///
/// The field of view is 800 µm wide at every resolution, so a frame `width` pixels wide shows
/// `width / 800` pixels per micrometre. The stage micrometer runs from 150 µm to 650 µm
/// (50 divisions of 10 µm); at 1920x1080 it spans x = 360 … 1560 px, 24 px per division.
namespace ScopePicture {

constexpr double kFieldWidthUm = 800.0;
constexpr double kDivisionUm = 10.0;
constexpr int kRulerDivisions = 50;
constexpr double kRulerStartUm = 150.0;

/// Picture pixels per micrometre at a frame width.
inline double pixelsPerMicron(int frameWidth)
{
    return frameWidth / kFieldWidthUm;
}

/// Sub-pixel drift radius used for the slight stage motion, in pixels.
int driftMargin(const QSize &frame);

/// The specimen (stained cells and fibres) with the stage micrometer, rendered at
/// frame size plus `margin` pixels on each side so that crops can drift.
QImage renderSpecimen(const QSize &frame, int margin);

/// Crop of the margin-extended canvas for ring frame `index` of `count`, with sensor noise.
QImage specimenFrame(const QImage &canvas, const QSize &frame, int margin, int index, int count);

/// Camera-side processing; each value in -1 … +1, 0 = unchanged.
void applyProcessing(QImage &image, double contrast, double saturation, double sharpening);
/// All camera-side adjustments at once; the default record leaves the picture as it is.
void applyProcessing(QImage &image, const ScopeProcessing &processing);

/// Baseline JPEG, 4:2:2, of an RGB32 picture; empty on failure.
QByteArray encodeJpeg(const QImage &image, int quality = 85);

} // namespace ScopePicture
