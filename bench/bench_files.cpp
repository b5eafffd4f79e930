// How long a folder of pictures and videos holds up the window in a file browser, and how long
// one video thumbnail takes.
//
//   bench_files [videos] [pictures] [video-seconds]      e.g. build/bench/bench_files 200 500 10
//
// Makes the folder once under /tmp/lumivex-bench-files (reused when the counts match): the
// videos are copies of one 1920 x 1080 H.264 mp4 of the given length, the pictures 1920 x 1080
// JPEG and PNG files (four in five JPEG). Reports:
// - the single-video thumbnail time (videoThumbnail, median of 20);
// - the GUI-thread time of filling the browser, the time until every thumbnail has arrived and
//   the longest stretch the event loop was held up meanwhile (a 1 ms timer watches it);
// - for comparison, the time the same folder takes when every thumbnail is made on the GUI
//   thread while the list is filled.

#include "media/FileBrowser.h"
#include "media/ThumbnailLoader.h"
#include "media/VideoThumbnail.h"

#include "../tests/media/TestVideo.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPixmap>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QString makeFolder(int videos, int pictures, int seconds)
{
    const QString folder = QStringLiteral("/tmp/lumivex-bench-files/%1v-%2p-%3s")
                               .arg(videos)
                               .arg(pictures)
                               .arg(seconds);
    const QDir dir(folder);
    if (dir.exists() && int(dir.entryList(QDir::Files).size()) == videos + pictures)
        return folder;
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    TestVideo video;
    video.size = QSize(1920, 1080);
    video.frames = 25 * seconds;
    video.preset = "veryfast";
    const QString first = folder + QStringLiteral("/video000.mp4");
    if (!writeTestVideo(first, video))
        qFatal("cannot encode the test video");
    for (int i = 1; i < videos; ++i)
        QFile::copy(first, folder + QStringLiteral("/video%1.mp4").arg(i, 3, 10, QLatin1Char('0')));
    const QImage picture = quadrantPicture(QSize(1920, 1080));
    for (int i = 0; i < pictures; ++i) {
        const char *suffix = i % 5 == 4 ? "png" : "jpg";
        picture.save(folder +
                     QStringLiteral("/picture%1.%2").arg(i, 3, 10, QLatin1Char('0')).arg(suffix));
    }
    return folder;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Fill
{
    double guiMs = 0;
    double allMs = 0;
    double longestStallMs = 0;
};

// Fills a browser of the given mode from folder and waits for every thumbnail.
Fill fillBrowser(const QString &folder, int mode)
{
    FileBrowser browser;
    browser.setMode(mode);
    browser.resize(220, 800);
    browser.show();
    QCoreApplication::processEvents();

    int expected = 0;
    int arrived = 0;
    QObject::connect(browser.thumbnailLoader(), &ThumbnailLoader::loaded,
                     [&arrived](const QString &, const QImage &) { ++arrived; });
    QElapsedTimer clock;
    QElapsedTimer beat;
    double longest = 0;
    QTimer watch;
    watch.setTimerType(Qt::PreciseTimer);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        longest = std::max(longest, beat.nsecsElapsed() / 1e6);
        beat.restart();
    });

    Fill fill;
    clock.start();
    browser.setBasePath(folder);
    fill.guiMs = clock.nsecsElapsed() / 1e6;
    expected = browser.listWidget()->count();
    beat.start();
    watch.start(1);
    while (arrived < expected)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    fill.allMs = clock.nsecsElapsed() / 1e6;
    watch.stop();
    fill.longestStallMs = std::max(fill.guiMs, longest);
    return fill;
}

// Thumbnails made on the GUI thread while the list fills, as a browser without workers would.
double fillSynchronously(const QString &folder, int mode)
{
    const QStringList suffixes = mode == 0 ? QStringList{".jpg", ".png"} : QStringList{".mp4"};
    QListWidget list;
    QElapsedTimer clock;
    clock.start();
    for (const QFileInfo &info : QDir(folder).entryInfoList(QDir::Files)) {
        if (!suffixes.contains(QLatin1Char('.') + info.suffix()))
            continue;
        const QImage picture =
            mode == 0 ? QImage(info.filePath()) : videoThumbnail(info.filePath());
        auto *item = new QListWidgetItem(info.fileName());
        item->setIcon(QIcon(QPixmap::fromImage(picture.scaled(FileBrowser::IconSize))));
        list.addItem(item);
    }
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int videos = args.value(1, QStringLiteral("200")).toInt();
    const int pictures = args.value(2, QStringLiteral("500")).toInt();
    const int seconds = args.value(3, QStringLiteral("10")).toInt();
    const QString folder = makeFolder(videos, pictures, seconds);

    std::vector<double> single;
    QSize size;
    for (int i = 0; i < 20; ++i) {
        QElapsedTimer clock;
        clock.start();
        size = videoThumbnail(folder + QStringLiteral("/video000.mp4")).size();
        single.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::printf("one video thumbnail (%dx%d, %d s H.264 mp4): median %.1f ms\n", size.width(),
                size.height(), seconds, median(single));

    for (int mode : {0, 1}) {
        const Fill fill = fillBrowser(folder, mode);
        const double sync = fillSynchronously(folder, mode);
        std::printf("%s browser, %d files: list filled in %.1f ms, all thumbnails after %.0f ms, "
                    "longest hold-up of the event loop %.1f ms; thumbnails on the GUI thread "
                    "instead: %.0f ms in one piece\n",
                    mode == 0 ? "picture" : "video", mode == 0 ? pictures : videos, fill.guiMs,
                    fill.allMs, fill.longestStallMs, sync);
    }
    return 0;
}
