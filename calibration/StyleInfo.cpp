#include "calibration/StyleInfo.h"

#include <QDataStream>

#include <algorithm>

StyleInfo::StyleInfo()
    : colors{QColor::fromRgba(0xFFFF0000), QColor::fromRgba(0xFF00FF00),
             QColor::fromRgba(0xFF0000FF)},
      fontSizes{12, 14, 16, 20, 24, 32, 48, 56, 72}, penSizes{1, 2, 4, 6, 8, 10, 12}
{
}

QColor StyleInfo::fontColor() const { return colors.at(fontColorIndex); }

int StyleInfo::fontSize() const { return fontSizes.at(fontSizeIndex); }

QColor StyleInfo::penColor() const { return colors.at(penColorIndex); }

int StyleInfo::penSize() const { return penSizes.at(penSizeIndex); }

Qt::PenStyle StyleInfo::penStyle() const
{
    return penStyleIndex == 0 ? Qt::SolidLine : Qt::DashLine;
}

void StyleInfo::clampIndexes()
{
    const auto clampTo = [](int &index, int size) { index = std::clamp(index, 0, size - 1); };
    clampTo(fontColorIndex, colors.size());
    clampTo(fontSizeIndex, fontSizes.size());
    clampTo(penColorIndex, colors.size());
    clampTo(penSizeIndex, penSizes.size());
}

QDataStream &operator<<(QDataStream &out, const StyleInfo &style)
{
    return out << style.fontColorIndex << style.fontSizeIndex << style.penColorIndex
               << style.penStyleIndex << style.penSizeIndex;
}

QDataStream &operator>>(QDataStream &in, StyleInfo &style)
{
    return in >> style.fontColorIndex >> style.fontSizeIndex >> style.penColorIndex
           >> style.penStyleIndex >> style.penSizeIndex;
}
