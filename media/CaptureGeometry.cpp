#include "media/CaptureGeometry.h"

#include <QtGlobal>

QRect zoomCropRect(QSize source, double scale)
{
    if (scale <= 0.0)
        scale = 1.0;
    const int w = source.width();
    const int h = source.height();
    // Truncation toward zero, as int() does, for the factors below 1 as well.
    const int cw = int(w / scale);
    const int ch = int(h / scale);
    const int x = int((w / 2) + (w / scale) * -0.5);
    const int y = int((h / 2) + (h / scale) * -0.5);
    return QRect(x, y, cw, ch);
}

QImage cropToZoom(const QImage &source, double scale)
{
    if (source.isNull() || scale == 1.0)
        return source;
    const QImage part = source.copy(zoomCropRect(source.size(), scale));
    return part.scaled(source.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

double capturePixelSpan(QSize source, double scale)
{
    const QSize crop = zoomCropRect(source, scale).size();
    const QSize stored = crop.scaled(source, Qt::KeepAspectRatio); // as cropToZoom scales
    if (crop.width() <= 0 || stored.width() <= 0)
        return 1.0;
    return double(crop.width()) / stored.width();
}

QRect printTargetRect(QSize picture, QRect viewport)
{
    const QSize target =
        picture.scaled(viewport.width() - 20, viewport.height() - 20, Qt::KeepAspectRatio);
    return QRect((viewport.width() - target.width()) / 2, (viewport.height() - target.height()) / 2,
                 target.width(), target.height());
}

int fourViewCaptureTile(int checked)
{
    return checked >= 1 && checked <= 3 ? checked : 1;
}

int fourViewNextTile(int tile)
{
    return tile % 3 + 1;
}
