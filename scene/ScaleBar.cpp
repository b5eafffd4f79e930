#include "scene/ScaleBar.h"

#include "calibration/BDInfo.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cmath>

namespace {

const QColor BarColour(255, 255, 255);
const QColor OutlineColour(0, 0, 0, 220);

int barThickness(int fontPixels)
{
    return qMax(3, fontPixels / 4);
}

int outlineWidth(int fontPixels)
{
    return qMax(1, fontPixels / 12);
}

QFont labelFont(int pixels)
{
    QFont font;
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

} // namespace

double ScaleBar::roundLength(double limit)
{
    if (!std::isfinite(limit) || limit <= 0.0)
        return 0.0;
    const double decade = std::pow(10.0, std::floor(std::log10(limit)));
    // log10 may land just beside a power of ten; the small tolerance keeps 100 itself a 100.
    for (double step : {10.0, 5.0, 2.0, 1.0}) {
        if (step * decade <= limit * (1.0 + 1e-9))
            return step * decade;
    }
    return decade / 2.0;
}

ScaleBar ScaleBar::forPicture(const BDInfo &calibration, int pictureWidth)
{
    ScaleBar bar;
    const double ratio = calibration.ratio;
    if (calibration.unit < 0 || calibration.unit > 3 || !std::isfinite(ratio) || ratio <= 0.0 ||
        pictureWidth <= 0)
        return bar;
    bar.m_length = roundLength(pictureWidth / 5.0 * ratio);
    bar.m_pixels = bar.m_length / ratio;
    bar.m_unit = calibration.unit;
    return bar;
}

QString ScaleBar::label() const
{
    const QString unit = m_unit == 2 ? QStringLiteral("µm") : BDInfo::unitString(m_unit);
    return QStringLiteral("%1 %2").arg(QString::number(m_length, 'g', 6), unit);
}

int ScaleBar::fontPixelSize(QSize picture)
{
    // About a 28th of the shorter side: 38 pixels on a 1080p picture, 17 on 640 x 480.
    return qMax(10, qMin(picture.width(), picture.height()) / 28);
}

QRect ScaleBar::area(QSize picture, Preferences::Corner corner, int screenLift) const
{
    const int font = fontPixelSize(picture);
    const QFontMetricsF metrics(labelFont(font));
    const int width =
        qCeil(qMax(m_pixels, metrics.horizontalAdvance(label()))) + 2 * outlineWidth(font);
    const int height = qCeil(metrics.height()) + 2 * barThickness(font);
    const int margin = font;
    const bool left =
        corner == Preferences::Corner::TopLeft || corner == Preferences::Corner::BottomLeft;
    const bool top =
        corner == Preferences::Corner::TopLeft || corner == Preferences::Corner::TopRight;
    const int reserve =
        corner == Preferences::Corner::BottomRight ? qMax(DateTimeRoom, screenLift) : 0;
    const int x = left ? margin : picture.width() - margin - width;
    const int y = top ? margin : picture.height() - qMax(margin, reserve) - height;
    return QRect(x, y, width, height);
}

void ScaleBar::paint(QPainter *painter, QSize picture, Preferences::Corner corner,
                     int screenLift) const
{
    if (isNull())
        return;
    const QRect box = area(picture, corner, screenLift);
    const int fontPixels = fontPixelSize(picture);
    const QFont font = labelFont(fontPixels);
    const QFontMetricsF metrics(font);
    const int thickness = barThickness(fontPixels);
    const int outline = outlineWidth(fontPixels);
    const double centre = box.left() + box.width() / 2.0;

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    const QRectF bar(centre - m_pixels / 2.0, box.bottom() + 1 - thickness, m_pixels, thickness);
    painter->fillRect(bar.adjusted(-outline, -outline, outline, outline), OutlineColour);
    painter->fillRect(bar, BarColour);

    QPainterPath text;
    const QString words = label();
    text.addText(centre - metrics.horizontalAdvance(words) / 2.0, box.top() + metrics.ascent(),
                 font, words);
    painter->strokePath(
        text, QPen(OutlineColour, 2.0 * outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter->fillPath(text, BarColour);
    painter->restore();
}
