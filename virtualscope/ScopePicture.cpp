#include "virtualscope/ScopePicture.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <turbojpeg.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace ScopePicture {

namespace {

inline int clamp255(int v)
{
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}

void drawCells(QPainter &p)
{
    // Fixed seed: the same specimen at every resolution, so pictures at two resolutions
    // show the same cells at the same micrometre positions.
    QRandomGenerator rng(20261207);
    const double fieldHeight = 700.0;

    // Fibres first, under the cells.
    for (int i = 0; i < 14; ++i) {
        QPainterPath path;
        const QPointF a(rng.bounded(kFieldWidthUm), rng.bounded(fieldHeight));
        const QPointF b(rng.bounded(kFieldWidthUm), rng.bounded(fieldHeight));
        path.moveTo(a);
        path.cubicTo(QPointF(rng.bounded(kFieldWidthUm), rng.bounded(fieldHeight)),
                     QPointF(rng.bounded(kFieldWidthUm), rng.bounded(fieldHeight)), b);
        p.setPen(QPen(QColor(196, 120, 150, 150), 1.2 + rng.bounded(1.5)));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }

    for (int i = 0; i < 110; ++i) {
        const QPointF c(rng.bounded(kFieldWidthUm), rng.bounded(fieldHeight));
        const double rx = 12.0 + rng.bounded(20.0);
        const double ry = rx * (0.65 + rng.bounded(0.35));
        const double angle = rng.bounded(180.0);
        p.save();
        p.translate(c);
        p.rotate(angle);
        QRadialGradient fill(QPointF(0, 0), rx);
        fill.setColorAt(0.0, QColor(214, 150, 196, 170));
        fill.setColorAt(0.85, QColor(190, 110, 170, 150));
        fill.setColorAt(1.0, QColor(140, 60, 130, 200));
        p.setPen(QPen(QColor(120, 50, 115, 200), 0.8));
        p.setBrush(fill);
        p.drawEllipse(QPointF(0, 0), rx, ry);
        const double nr = 3.5 + rng.bounded(3.5);
        const QPointF nc(rng.bounded(rx * 0.6) - rx * 0.3, rng.bounded(ry * 0.6) - ry * 0.3);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(80, 30, 110, 220));
        p.drawEllipse(nc, nr, nr * 0.85);
        p.setBrush(QColor(40, 10, 70, 200));
        p.drawEllipse(nc + QPointF(nr * 0.2, -nr * 0.1), nr * 0.3, nr * 0.3);
        p.restore();
    }
}

void drawMicrometer(QPainter &p, double fieldHeight)
{
    const double y = fieldHeight * 0.8;
    const double end = kRulerStartUm + kRulerDivisions * kDivisionUm;
    // A faint glass strip behind the ruler keeps it readable over the cells.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawRect(QRectF(kRulerStartUm - 20, y - 48, end - kRulerStartUm + 40, 62));

    p.setPen(QPen(QColor(15, 15, 20), 1.0, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(kRulerStartUm, y), QPointF(end, y));
    for (int i = 0; i <= kRulerDivisions; ++i) {
        const double x = kRulerStartUm + i * kDivisionUm;
        const double len = i % 10 == 0 ? 26.0 : (i % 5 == 0 ? 18.0 : 11.0);
        p.drawLine(QPointF(x, y), QPointF(x, y - len));
    }
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    p.setFont(font);
    for (int i = 0; i <= kRulerDivisions; i += 10) {
        const double x = kRulerStartUm + i * kDivisionUm;
        p.drawText(QRectF(x - 20, y - 44, 40, 14), Qt::AlignCenter, QString::number(i * 10));
    }
    font.setPixelSize(9);
    p.setFont(font);
    p.drawText(QRectF(kRulerStartUm, y + 1, end - kRulerStartUm, 12), Qt::AlignRight,
               QStringLiteral("1 DIV = 0.01 mm"));
    p.drawText(QRectF(kRulerStartUm, y + 1, 60, 12), Qt::AlignLeft, QStringLiteral("µm"));
}

} // namespace

int driftMargin(const QSize &frame)
{
    return std::max(1, frame.width() / 960);
}

QImage renderSpecimen(const QSize &frame, int margin)
{
    QImage canvas(frame.width() + 2 * margin, frame.height() + 2 * margin, QImage::Format_RGB32);
    canvas.fill(QColor(238, 222, 230));
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(margin, margin);
    const double scale = pixelsPerMicron(frame.width());
    const double fieldHeight = frame.height() / scale;
    p.scale(scale, scale);
    drawCells(p);
    drawMicrometer(p, fieldHeight);

    // Illumination falls off towards the edges, as under a real objective.
    p.resetTransform();
    QRadialGradient vignette(QPointF(canvas.width() / 2.0, canvas.height() / 2.0),
                             std::hypot(canvas.width(), canvas.height()) / 2.0);
    vignette.setColorAt(0.0, QColor(0, 0, 0, 0));
    vignette.setColorAt(0.7, QColor(0, 0, 0, 0));
    vignette.setColorAt(1.0, QColor(0, 0, 0, 90));
    p.fillRect(canvas.rect(), vignette);
    return canvas;
}

QImage specimenFrame(const QImage &canvas, const QSize &frame, int margin, int index, int count)
{
    const double angle = count > 0 ? 2.0 * M_PI * index / count : 0.0;
    const int dx = margin + int(std::lround(margin * std::cos(angle)));
    const int dy = margin + int(std::lround(margin * std::sin(angle)));
    QImage image = canvas.copy(dx, dy, frame.width(), frame.height());

    // Sensor noise: a cheap xorshift, different for every ring slot.
    quint32 state = 0x9E3779B9u ^ quint32(index * 7919 + 1);
    for (int y = 0; y < image.height(); ++y) {
        auto *px = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            const int n = int(state & 7) - 3;
            const QRgb c = px[x];
            px[x] = qRgb(clamp255(qRed(c) + n), clamp255(qGreen(c) + n), clamp255(qBlue(c) + n));
        }
    }
    return image;
}

void applyProcessing(QImage &image, double contrast, double saturation, double sharpening)
{
    ScopeProcessing p;
    p.contrast = contrast;
    p.saturation = saturation;
    p.sharpening = sharpening;
    applyProcessing(image, p);
}

namespace {

void sharpen(QImage &image, double sharpening)
{
    // Unsharp mask against a 3x3 box blur (or a blend towards the blur when negative),
    // with separable running sums so that a large frame takes tens of milliseconds.
    const int w = image.width();
    const int h = image.height();
    const double amount = sharpening > 0 ? sharpening * 1.5 : sharpening;
    std::vector<int> rowSums(size_t(w) * h * 3);
    for (int y = 0; y < h; ++y) {
        const auto *px = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        int *out = rowSums.data() + size_t(y) * w * 3;
        for (int x = 0; x < w; ++x) {
            const QRgb l = px[std::max(0, x - 1)], c = px[x], r = px[std::min(w - 1, x + 1)];
            out[3 * x] = qRed(l) + qRed(c) + qRed(r);
            out[3 * x + 1] = qGreen(l) + qGreen(c) + qGreen(r);
            out[3 * x + 2] = qBlue(l) + qBlue(c) + qBlue(r);
        }
    }
    const int scale = int(std::lround(amount * 1024));
    for (int y = 0; y < h; ++y) {
        const int *above = rowSums.data() + size_t(std::max(0, y - 1)) * w * 3;
        const int *here = rowSums.data() + size_t(y) * w * 3;
        const int *below = rowSums.data() + size_t(std::min(h - 1, y + 1)) * w * 3;
        auto *px = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb c = px[x];
            const int ch[3] = {qRed(c), qGreen(c), qBlue(c)};
            int v[3];
            for (int i = 0; i < 3; ++i) {
                const int k = 3 * x + i;
                const int detail = ch[i] * 9 - (above[k] + here[k] + below[k]); // x9
                v[i] = clamp255(ch[i] + detail * scale / (9 * 1024));
            }
            px[x] = qRgb(v[0], v[1], v[2]);
        }
    }
}

} // namespace

void applyProcessing(QImage &image, const ScopeProcessing &p)
{
    if (image.isNull() || p == ScopeProcessing())
        return;
    if (image.format() != QImage::Format_RGB32)
        image = image.convertToFormat(QImage::Format_RGB32);

    if (p.sharpening != 0.0)
        sharpen(image, p.sharpening);

    // Light reaching the sensor first (exposure, sensitivity, white-balance gains), then the
    // camera's colour processing (hue, contrast, saturation), as a sensor pipeline orders them.
    // Automatic exposure keeps the nominal brightness whatever time and gain were asked for.
    const double light = p.manualExposure ? p.shutterSeconds * 30.0 * p.iso / 100.0 : 1.0;
    double gains[3] = {1.0, 1.0, 1.0};
    if (!p.autoWhiteBalance) {
        gains[0] = 1.0 + p.redGain;
        gains[1] = 1.0 + p.greenGain;
        gains[2] = 1.0 + p.blueGain;
    }
    // Hue: a turn about the grey axis, which keeps the brightness of grey untouched.
    const bool turn = p.hue != 0.0;
    const double angle = p.hue * M_PI;
    const double cosA = std::cos(angle);
    const double sinA = std::sin(angle);
    const double a = cosA + (1.0 - cosA) / 3.0;
    const double b = (1.0 - cosA) / 3.0 - std::sqrt(1.0 / 3.0) * sinA;
    const double c = (1.0 - cosA) / 3.0 + std::sqrt(1.0 / 3.0) * sinA;
    const double sf = 1.0 + p.saturation;
    const double cf = 1.0 + p.contrast;
    // Without a turn the contrast goes into the tables too.
    const double lutContrast = turn ? 1.0 : cf;
    const double pixelContrast = turn ? cf : 1.0;
    int lut[3][256];
    for (int ch = 0; ch < 3; ++ch) {
        for (int i = 0; i < 256; ++i) {
            const double v = clamp255(int(std::lround(i * light * gains[ch])));
            lut[ch][i] = clamp255(int(std::lround((v - 128) * lutContrast + 128)));
        }
    }

    for (int y = 0; y < image.height(); ++y) {
        auto *px = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb in = px[x];
            double r = lut[0][qRed(in)], g = lut[1][qGreen(in)], bl = lut[2][qBlue(in)];
            if (turn) {
                const double r2 = a * r + b * g + c * bl;
                const double g2 = c * r + a * g + b * bl;
                const double b2 = b * r + c * g + a * bl;
                r = r2;
                g = g2;
                bl = b2;
            }
            if (turn) {
                r = (r - 128) * pixelContrast + 128;
                g = (g - 128) * pixelContrast + 128;
                bl = (bl - 128) * pixelContrast + 128;
            }
            if (p.saturation != 0.0) {
                const double luma = 0.299 * r + 0.587 * g + 0.114 * bl;
                r = luma + (r - luma) * sf;
                g = luma + (g - luma) * sf;
                bl = luma + (bl - luma) * sf;
            }
            px[x] = qRgb(clamp255(int(std::lround(r))), clamp255(int(std::lround(g))),
                         clamp255(int(std::lround(bl))));
        }
    }
}

QByteArray encodeJpeg(const QImage &image, int quality)
{
    const QImage src = image.format() == QImage::Format_RGB32
                           ? image
                           : image.convertToFormat(QImage::Format_RGB32);
    tjhandle handle = tjInitCompress();
    if (!handle)
        return {};
    unsigned char *out = nullptr;
    unsigned long size = 0;
    // RGB32 is B, G, R, X in memory on little-endian machines.
    const int pixelFormat = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? TJPF_BGRX : TJPF_XRGB;
    const int rc =
        tjCompress2(handle, src.constBits(), src.width(), src.bytesPerLine(), src.height(),
                    pixelFormat, &out, &size, TJSAMP_422, quality, TJFLAG_FASTDCT);
    QByteArray result;
    if (rc == 0)
        result = QByteArray(reinterpret_cast<const char *>(out), int(size));
    tjFree(out);
    tjDestroy(handle);
    return result;
}

} // namespace ScopePicture
