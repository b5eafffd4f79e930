#include "JpegTestData.h"

#include "capture/ByteArrayVideoBuffer.h"

#include <turbojpeg.h>

#include <cmath>
#include <random>
#include <vector>

namespace JpegTestData {

QImage cameraPicture(int width, int height, quint32 seed)
{
    QImage img(width, height, QImage::Format_RGB32);
    std::mt19937 rng(seed);
    std::normal_distribution<float> noise(0.0f, 6.0f);
    for (int y = 0; y < height; ++y) {
        auto *row = reinterpret_cast<quint32 *>(img.scanLine(y));
        for (int x = 0; x < width; ++x) {
            // Smooth illumination, a few sharp-edged discs and stripes, then noise.
            const float fx = float(x) / width;
            const float fy = float(y) / height;
            float r = 60 + 120 * fx;
            float g = 80 + 100 * fy;
            float b = 140 - 60 * fx * fy;
            const float dx = fx - 0.5f;
            const float dy = fy - 0.5f;
            if (dx * dx + dy * dy < 0.04f) {
                r = 220;
                g = 200;
                b = 90;
            }
            if (((x / 16) + (y / 32)) % 7 == 0) {
                r *= 0.4f;
                g *= 0.4f;
                b *= 0.4f;
            }
            const auto clamp = [](float v) {
                return quint32(std::lround(std::fmin(255.f, std::fmax(0.f, v))));
            };
            row[x] = 0xff000000u | clamp(r + noise(rng)) << 16 | clamp(g + noise(rng)) << 8 |
                     clamp(b + noise(rng));
        }
    }
    return img;
}

static QByteArray compress(const uchar *pixels, int width, int pitch, int height, int pixelFormat,
                           int subsamp, int quality, int flags)
{
    tjhandle tj = tjInitCompress();
    if (!tj)
        return QByteArray();
    unsigned char *out = nullptr;
    unsigned long size = 0;
    QByteArray result;
    if (tjCompress2(tj, pixels, width, pitch, height, pixelFormat, &out, &size, subsamp, quality,
                    flags) == 0)
        result = QByteArray(reinterpret_cast<const char *>(out), int(size));
    tjFree(out);
    tjDestroy(tj);
    return result;
}

QByteArray encode(const QImage &picture, int subsamp, int quality, bool progressive)
{
    const QImage img = picture.convertToFormat(QImage::Format_RGB32);
    return compress(img.constBits(), img.width(), img.bytesPerLine(), img.height(), TJPF_BGRX,
                    subsamp, quality, progressive ? TJFLAG_PROGRESSIVE : 0);
}

QByteArray encodeCmyk(const QImage &picture, int quality)
{
    const QImage img = picture.convertToFormat(QImage::Format_RGB32);
    std::vector<uchar> cmyk(size_t(img.width()) * img.height() * 4);
    for (int y = 0; y < img.height(); ++y) {
        const auto *row = reinterpret_cast<const quint32 *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            uchar *p = &cmyk[(size_t(y) * img.width() + x) * 4];
            // TurboJPEG's CMYK is stored inverted, as Adobe writes it.
            p[0] = uchar(qRed(row[x]));
            p[1] = uchar(qGreen(row[x]));
            p[2] = uchar(qBlue(row[x]));
            p[3] = 255;
        }
    }
    return compress(cmyk.data(), img.width(), img.width() * 4, img.height(), TJPF_CMYK, TJSAMP_444,
                    quality, 0);
}

QVideoFrame jpegFrame(const QByteArray &jpeg, const QSize &size)
{
    return QVideoFrame(new ByteArrayVideoBuffer(jpeg), size, QVideoFrame::Format_Jpeg);
}

} // namespace JpegTestData
