// Pictures of the main window in chosen languages, for looking at the translations: nothing
// clipped, nothing left in Chinese. Not a test; run it on a virtual display:
//
//   xvfb-run -a build/tests/lumivex_screenshots OUTDIR en de ja uk
//
// writes OUTDIR/main-<code>-{camera,measure,files}.png and OUTDIR/menu-<code>.png for each code
// ("zh_CN" for the source language), with the virtual microscope's live picture. The settings live
// in Qt's test folders, so a real user's settings are never touched.

#include "app/DeviceProfile.h"
#include "app/Specula.h"
#include "app/Startup.h"
#include "virtualscope/VirtualScope.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMenu>
#include <QStandardPaths>
#include <QtPlugin>

Q_IMPORT_PLUGIN(VirtualScopePlugin)

namespace {

void settle(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lumivexpro"));
    QStringList args = app.arguments().mid(1);
    if (args.size() < 2) {
        qCritical("usage: lumivex_screenshots OUTDIR CODE...");
        return 2;
    }
    const QString out = args.takeFirst();
    QDir().mkpath(out);
    QStandardPaths::setTestModeEnabled(true);
    QDir(QStandardPaths::writableLocation(QStandardPaths::DataLocation)).removeRecursively();
    initSetting();
    VirtualScope::instance()->reset();

    const QStringList codes{"zh_CN", "en", "zh", "fr", "it", "ja", "ko", "ru",
                            "de",    "es", "pt", "nl", "pl", "uk", "lt", "hu"};
    Specula window;
    window.resize(1280, 800);
    window.show();
    settle(1500);
    for (const QString &code : qAsConst(args)) {
        const int index = codes.indexOf(code);
        if (index < 0) {
            qCritical("unknown language %s", qPrintable(code));
            return 2;
        }
        window.switchLang(index);
        window.onBtnSetting();
        settle(500);
        window.grab().save(out + QStringLiteral("/main-%1-camera.png").arg(code));
        window.onBtnCalib();
        settle(500);
        window.grab().save(out + QStringLiteral("/main-%1-measure.png").arg(code));
        // The file browsers beside the four-view page.
        window.onBtnOpenDir();
        window.onBtnScreenSwitch();
        settle(500);
        window.grab().save(out + QStringLiteral("/main-%1-files.png").arg(code));
        window.onBtnScreenSwitch();
        // The language menu, opened beside the window.
        auto *menu = window.findChild<QMenu *>(QStringLiteral("menuLang"));
        menu->popup(window.mapToGlobal(QPoint(200, 40)));
        settle(300);
        menu->grab().save(out + QStringLiteral("/menu-%1.png").arg(code));
        menu->hide();
    }
    return 0;
}
