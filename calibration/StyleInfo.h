#pragma once

#include <QColor>
#include <QVector>

class QDataStream;

/// Drawing style of measurement items: five indexes into fixed lists. Only the indexes are
/// stored; the lists are the same in every style.
class StyleInfo
{
public:
    StyleInfo();

    QColor fontColor() const;
    int fontSize() const;
    QColor penColor() const;
    int penSize() const;
    Qt::PenStyle penStyle() const;

    /// Brings every index into its list. Only a damaged file can hold one outside, but the
    /// accessors must never read past a list.
    void clampIndexes();

    int fontColorIndex = 0;
    int fontSizeIndex = 5;
    int penColorIndex = 0;
    int penStyleIndex = 0;
    int penSizeIndex = 0;
    QVector<QColor> colors;
    QVector<int> fontSizes;
    QVector<int> penSizes;
};

QDataStream &operator<<(QDataStream &out, const StyleInfo &style);
QDataStream &operator>>(QDataStream &in, StyleInfo &style);
