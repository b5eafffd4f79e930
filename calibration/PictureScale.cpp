#include "calibration/PictureScale.h"

#include "app/LogCategories.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <limits>

const QString PictureScale::RecordKey = QStringLiteral("lumivexpro.calibration");

namespace {

// Metres in one unit of the unit table; 0 for units without a physical length.
double metresPerUnit(int unit)
{
    switch (unit) {
    case 0: return 1e-3;
    case 1: return 1e-2;
    case 2: return 1e-6;
    case 3: return 0.0254;
    default: return 0.0;
    }
}

bool isPositive(double value)
{
    return std::isfinite(value) && value > 0.0;
}

// JPEG comments are written as Latin-1: a name in any script survives as JSON escapes.
QString asciiJson(const QString &json)
{
    QString out;
    out.reserve(json.size());
    for (const QChar c : json) {
        if (c.unicode() < 0x80)
            out += c;
        else
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return out;
}

} // namespace

std::optional<PictureScale> PictureScale::fromCalibration(const BDInfo &calibration,
                                                          double pixelSpan)
{
    BDInfo stored = calibration;
    stored.ratio = calibration.ratio * pixelSpan;
    if (metresPerUnit(stored.unit) == 0.0 || !isPositive(stored.ratio))
        return std::nullopt;
    return PictureScale(stored);
}

std::optional<PictureScale> PictureScale::fromRecord(const QString &record, QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return std::nullopt;
    };
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(record.toUtf8(), &parse);
    if (!document.isObject())
        return fail(QStringLiteral("not a JSON object (%1)").arg(parse.errorString()));
    const QJsonObject object = document.object();
    if (object.value(QStringLiteral("version")).toInt(-1) != RecordVersion)
        return fail(QStringLiteral("version is not %1").arg(RecordVersion));
    const QJsonValue name = object.value(QStringLiteral("name"));
    const QJsonValue ratio = object.value(QStringLiteral("unitPerPixel"));
    const QJsonValue metres = object.value(QStringLiteral("metresPerPixel"));
    if (!name.isString() || !ratio.isDouble() || !metres.isDouble())
        return fail(QStringLiteral("a field is missing or of the wrong type"));
    BDInfo calibration;
    calibration.name = name.toString();
    calibration.ratio = ratio.toDouble();
    calibration.unit = -1;
    for (int unit = 0; unit < 4; ++unit) {
        if (BDInfo::unitString(unit) == object.value(QStringLiteral("unit")).toString())
            calibration.unit = unit;
    }
    if (calibration.unit < 0)
        return fail(QStringLiteral("unknown unit"));
    if (!isPositive(calibration.ratio) || !isPositive(metres.toDouble()))
        return fail(QStringLiteral("length per pixel not above zero"));
    return PictureScale(calibration);
}

std::optional<PictureScale> PictureScale::read(const QImage &picture)
{
    const QString record = picture.text(RecordKey);
    if (record.isEmpty())
        return std::nullopt;
    QString error;
    std::optional<PictureScale> scale = fromRecord(record, &error);
    if (!scale)
        qCWarning(lcCalibration) << "picture scale record ignored:" << error;
    return scale;
}

void PictureScale::fitDensityToFormat(QImage &picture, const QByteArray &format)
{
    const QByteArray lower = format.toLower();
    if (lower != "jpg" && lower != "jpeg")
        return;
    const auto dpi = [](int dpm) { return std::lround(dpm * 0.0254); };
    if (dpi(picture.dotsPerMeterX()) <= 0xFFFF && dpi(picture.dotsPerMeterY()) <= 0xFFFF)
        return;
    const QImage plain(1, 1, QImage::Format_RGB32);
    picture.setDotsPerMeterX(plain.dotsPerMeterX());
    picture.setDotsPerMeterY(plain.dotsPerMeterY());
}

void PictureScale::applyTo(QImage &picture) const
{
    const double perMetre = 1.0 / metresPerPixel();
    // A density beyond the field's range (pixels over a metre, or under a nanometre) is left
    // out; the text record still says it.
    if (perMetre >= 1.0 && perMetre <= std::numeric_limits<int>::max()) {
        picture.setDotsPerMeterX(int(std::lround(perMetre)));
        picture.setDotsPerMeterY(int(std::lround(perMetre)));
    }
    picture.setText(RecordKey, record());
}

QString PictureScale::record() const
{
    // Written field by field: readers that look at the text see the fields in a fixed order.
    const auto value = [](const QJsonValue &v) {
        const QByteArray array = QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact);
        return QString::fromUtf8(array.mid(1, array.size() - 2));
    };
    const QString json =
        QStringLiteral("{\"version\":%1,\"name\":%2,\"unitPerPixel\":%3,\"unit\":%4,"
                       "\"metresPerPixel\":%5}")
            .arg(RecordVersion)
            .arg(value(m_calibration.name), value(m_calibration.ratio),
                 value(BDInfo::unitString(m_calibration.unit)), value(metresPerPixel()));
    return asciiJson(json);
}

double PictureScale::metresPerPixel() const
{
    return m_calibration.ratio * metresPerUnit(m_calibration.unit);
}
