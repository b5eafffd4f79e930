// Pictures of the main window in chosen languages, for looking at the translations: nothing
// clipped, nothing left in Chinese. Not a test; run it on a virtual display:
//
//   xvfb-run -a build/tests/lumivex_screenshots [--size WxH] OUTDIR en de ja uk
//
// (the window is 1280 x 800 unless --size says otherwise; 800x600 is the first start's size)
// writes for each code ("zh_CN" for the source language), with the virtual microscope's live
// picture:
//   main-<code>-camera-<k>.png   the camera page with adjustment group k (0-3) unfolded
//   main-<code>-measure.png      the measurement page
//   main-<code>-files.png        the file browsers beside the four views
//   menu-<code>.png              the language menu
//   options-<code>.png           the options menu
//   results-<code>.png           the editor's results window with ten measurements
//   dialog-<code>-{settings,timed,editor}.png  the save-folders dialog, the timed-series
//                                dialog and the editor window
// PNGs at the strongest compression. The settings live in Qt's test folders, so a real
// user's settings are never touched.

#include "app/DeviceProfile.h"
#include "app/ResultsActions.h"
#include "app/Specula.h"
#include "app/Startup.h"
#include "calibration/MeasureEditer.h"
#include "media/SettingDialog.h"
#include "media/SettingTimeDialog.h"
#include "scene/CameraScene.h"
#include "scene/GraphicsType.h"
#include "scene/MakeGraphicsItem.h"
#include "scene/ResultsWindow.h"
#include "virtualscope/VirtualScope.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
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
    QSize size(1280, 800);
    if (args.size() > 1 && args.first() == QLatin1String("--size")) {
        const QStringList wh = args.at(1).split(QLatin1Char('x'));
        size = QSize(wh.value(0).toInt(), wh.value(1).toInt());
        args = args.mid(2);
    }
    if (args.size() < 2) {
        qCritical("usage: lumivex_screenshots [--size WxH] OUTDIR CODE...");
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
    Specula window(nullptr, 0); // the pictures wait for the camera below, not for the splash
    window.resize(size);
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
        // Each adjustment group in turn; clicking a group's button unfolds it and folds the
        // others. The exposure and white-balance buttons show once the camera offers them.
        const char *groups[] = {"btnBaoGuang", "btnColor", "btnBlance", "btnResever"};
        for (int k = 0; k < 4; ++k) {
            auto *button = window.findChild<QPushButton *>(QLatin1String(groups[k]));
            if (!button || !button->isVisible())
                continue;
            button->click();
            settle(300);
            window.grab().save(out + QStringLiteral("/main-%1-camera-%2.png").arg(code).arg(k),
                               "PNG", 0);
            button->click(); // folds it in again
        }
        window.onBtnCalib();
        settle(500);
        window.grab().save(out + QStringLiteral("/main-%1-measure.png").arg(code), "PNG", 0);
        // The file browsers beside the four-view page.
        window.onBtnOpenDir();
        window.onBtnScreenSwitch();
        settle(500);
        window.grab().save(out + QStringLiteral("/main-%1-files.png").arg(code), "PNG", 0);
        window.onBtnScreenSwitch();
        // The language menu, opened beside the window.
        auto *menu = window.findChild<QMenu *>(QStringLiteral("menuLang"));
        menu->popup(window.mapToGlobal(QPoint(200, 40)));
        settle(300);
        menu->grab().save(out + QStringLiteral("/menu-%1.png").arg(code), "PNG", 0);
        menu->hide();
        auto *options = window.findChild<QMenu *>(QStringLiteral("menu_2"));
        options->popup(window.mapToGlobal(QPoint(100, 40)));
        settle(300);
        options->grab().save(out + QStringLiteral("/options-%1.png").arg(code), "PNG", 0);
        options->hide();

        // The dialogs with the longest texts, made as the window makes them.
        {
            SettingDialog dialog(&window);
            dialog.setConfig(window.config());
            dialog.show();
            settle(300);
            dialog.grab().save(out + QStringLiteral("/dialog-%1-settings.png").arg(code), "PNG", 0);
        }
        {
            SettingTimeDialog dialog(&window);
            dialog.setConfig(window.config());
            dialog.show();
            settle(300);
            dialog.grab().save(out + QStringLiteral("/dialog-%1-timed.png").arg(code), "PNG", 0);
        }
        if (auto *editer = window.findChild<MeasureEditer *>()) {
            const QString picture = out + QStringLiteral("/.editor-picture.png");
            window.grab().scaled(800, 500).save(picture);
            if (editer->setImage(picture)) {
                editer->resize(1100, 700);
                editer->show();
                settle(500);
                editer->grab().save(out + QStringLiteral("/dialog-%1-editor.png").arg(code), "PNG",
                                    0);
                // Ten measurements of several kinds in millimetres, and their results window.
                CameraScene *scene = editer->scene();
                BDInfo millimetres;
                millimetres.name = QStringLiteral("10.00X");
                millimetres.ratio = 0.0125;
                millimetres.unit = 0;
                scene->setBDInfo(millimetres);
                const std::pair<int, QVector<QPointF>> shapes[] = {
                    {GraphicsType::Line, {{40, 40}, {240, 60}}},
                    {GraphicsType::Line, {{40, 90}, {236, 118}}},
                    {GraphicsType::Line, {{40, 140}, {244, 150}}},
                    {GraphicsType::Circle1, {{400, 120}, {460, 140}}},
                    {GraphicsType::Circle1, {{560, 120}, {618, 130}}},
                    {GraphicsType::Circle1, {{700, 120}, {700, 181}}},
                    {GraphicsType::Rect, {{60, 260}, {260, 400}}},
                    {GraphicsType::Rect, {{300, 260}, {494, 404}}},
                    {GraphicsType::AngleLine, {{700, 300}, {560, 420}, {720, 440}}},
                    {GraphicsType::Text, {{560, 470}}},
                };
                for (const auto &shape : shapes) {
                    GraphicsItem *item = MakeGraphicsItem(shape.first);
                    item->restore({shape.first, shape.second, StyleInfo(),
                                   QStringLiteral("Probe 7, \"edge\"")});
                    scene->addGraphicCommand(item);
                }
                editer->results()->showWindow();
                ResultsWindow *results = editer->results()->window();
                results->table()->selectRow(3);
                settle(500);
                results->grab().save(out + QStringLiteral("/results-%1.png").arg(code), "PNG", 0);
                results->hide();
                scene->clearItems();
                editer->hide();
            }
            QFile::remove(picture);
        }
    }
    return 0;
}
