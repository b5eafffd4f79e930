#pragma once

#include "calibration/BDInfo.h"

#include <QString>

#include <optional>

class QByteArray;
class QImage;

/// The physical size of a stored picture's pixels, which travels inside the picture file so
/// that it can be measured later, here or in another program.
///
/// Two places hold it: the picture's density (pixels per metre; PNG and BMP keep it exactly, a
/// JPEG only while it fits its 16-bit dots per inch) and a text record under RecordKey with
/// compact JSON: version, calibration name, length of one pixel in the unit, the unit, and the
/// same length in metres. Only calibrations in a physical unit (mm, cm, um, in) have a scale.
/// A plain value; any thread.
class PictureScale
{
public:
    static const QString RecordKey;
    static constexpr int RecordVersion = 1;

    /// The scale of pictures whose pixels each cover `pixelSpan` pixels of the picture the
    /// calibration was made on (0.5 for a capture zoomed 2x). None for "px", an unknown unit, or
    /// a length per pixel that is not finite and above zero.
    static std::optional<PictureScale> fromCalibration(const BDInfo &calibration,
                                                       double pixelSpan = 1.0);
    /// Parses a text record; none for damaged JSON, another version, an unknown unit or a
    /// length that is not finite and above zero, with the reason in `error`.
    static std::optional<PictureScale> fromRecord(const QString &record, QString *error = nullptr);
    /// The scale recorded in a picture read from a file. None without a record; a record that
    /// does not parse is ignored with a warning in the log.
    static std::optional<PictureScale> read(const QImage &picture);

    /// The density a file of `format` (a suffix such as "jpg") can hold: a JPEG whose density
    /// does not fit its 16-bit dots per inch gets the density of a picture without a scale.
    static void fitDensityToFormat(QImage &picture, const QByteArray &format);

    /// Sets the picture's density and text record to this scale.
    void applyTo(QImage &picture) const;
    QString record() const;
    double metresPerPixel() const;
    /// The scale as a calibration to measure with.
    BDInfo calibration() const { return m_calibration; }

private:
    explicit PictureScale(const BDInfo &calibration)
        : m_calibration(calibration)
    {}

    BDInfo m_calibration; // ratio: the length of one stored pixel in the unit
};
