#pragma once

#include <QColor>
#include <QImage>

/// What the virtual cameras show.
struct ScopeContent
{
    enum Kind { Specimen, Solid, Image };
    Kind kind = Specimen;
    QColor colour;
    QImage image;
    int generation = 0;
};
