// The video thumbnail reader: whatever a file in a video folder holds (a truncated copy, a
// damaged download, something that is not a video at all), reading its first picture never
// crashes, never reads uninitialised memory and gives either a null picture or a whole one.

#include "FuzzSupport.h"

#include "media/VideoThumbnail.h"

#include <QFile>

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSupport::initApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The reader takes a path, as the browser hands it one.
    const QString path = FuzzSupport::scratchFolder() + QStringLiteral("/input.mp4");
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
            FuzzSupport::fail("cannot write the input file");
    }

    const QImage picture = videoThumbnail(path);
    if (!picture.isNull() && (picture.width() <= 0 || picture.height() <= 0 ||
                              picture.format() != QImage::Format_RGB32))
        FuzzSupport::fail("a thumbnail that is neither null nor a whole RGB32 picture");
    // Touch every pixel so that the sanitizers see any part left unwritten.
    volatile uint32_t sum = 0;
    for (int y = 0; y < picture.height(); ++y) {
        const auto *row = reinterpret_cast<const uint32_t *>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            sum = sum + row[x];
    }
    return 0;
}
