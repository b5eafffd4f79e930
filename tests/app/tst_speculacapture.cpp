#include "calibration/PictureScale.h"
#include "media/CameraLabel.h"
#include "media/FileBrowser.h"
#include "media/SettingDialog.h"
#include "scene/GraphicsItem.h"
#include "virtualscope/VirtualScope.h"

#include "../media/TestVideo.h"
#include "ModalAnswerer.h"
#include "SceneLines.h"
#include "TestFiles.h"
#include "WindowTest.h"

#include <QPrinter>
#include <QtPlugin>
#include <QtTest>
#include <QtWidgets>

Q_IMPORT_PLUGIN(VirtualScopePlugin)

namespace {
const QString kKestrel = QStringLiteral("virtual:0c450223");
// The window's message for a capture into a root folder, as the code spells it.
const char *const kRootFolderMessage =
    "请先选择并打开需要保存的路径文件夹 - "
    "软件右上角“浏览文件”→“拍照”→“image”或者“浏览文件”→“录像”→“movie”";
const QRegularExpression kStampName(QStringLiteral("^\\d{8}_\\d{6}(_\\d+)?\\.(png|jpg|bmp)$"));

// The virtual microscope's picture: red, with a green centre half (what a 2.0x zoom keeps).
QImage centrePattern()
{
    QImage picture(1920, 1080, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QPainter painter(&picture);
    painter.fillRect(480, 270, 960, 540, Qt::green);
    return picture;
}

bool near(QColor a, QColor b)
{
    return qAbs(a.red() - b.red()) < 48 && qAbs(a.green() - b.green()) < 48 &&
           qAbs(a.blue() - b.blue()) < 48;
}
} // namespace

class tst_SpeculaCapture : public WindowTest
{
    Q_OBJECT

private:
    FileBrowser *photos() const { return child<FileBrowser>("imageBrowser"); }
    FileBrowser *videos() const { return child<FileBrowser>("cameraBrowser"); }
    QStringList listed() const
    {
        QStringList names;
        QListWidget *list = photos()->listWidget();
        for (int i = 0; i < list->count(); ++i)
            names << list->item(i)->text();
        return names;
    }
    QStringList stored() const
    {
        return QDir(photos()->currentPath()).entryList(QDir::Files, QDir::Name);
    }
    /// Captures and waits until the writer has listed the new file; returns its path.
    QString capture()
    {
        // A cleared scene waits for its next frame before it has a picture to store.
        const bool single = child<QStackedWidget>("stackMainWidget")->currentIndex() == 0;
        if (single &&
            !QTest::qWaitFor([&] { return scene()->frameBufferData() != nullptr; }, kWait))
            return QString();
        const int before = m_window->config().imageFiles.size();
        const ModalAnswerer answerer(QMessageBox::Ok);
        m_window->onBtnCapture();
        const bool done = QTest::qWaitFor(
            [&] {
                return m_window->config().imageFiles.size() > before || !answerer.texts.isEmpty();
            },
            kWait);
        if (!done || !answerer.texts.isEmpty()) {
            qWarning() << "capture failed:" << answerer.texts;
            return QString();
        }
        return m_window->config().imageFiles.last();
    }
    /// Opens the folders dialog, lets `fill` fill it in, and presses the button it names.
    template <typename Fill> void answerSettings(Fill fill)
    {
        ModalAnswerer answers{[&fill](QWidget *w) {
            auto *dialog = qobject_cast<SettingDialog *>(w);
            if (dialog)
                requireChild<QPushButton>(dialog, fill(dialog))->click();
            return dialog != nullptr;
        }};
        child<QAction>("actionSetting")->trigger();
        QCOMPARE(answers.pending(), 0);
    }
    void setFormat(const QString &suffix)
    {
        child<QComboBox>("boxFormatImage")->setCurrentText(suffix);
    }

    void beforeWindow() override
    {
        m_scope->reset();
        m_scope->showImage(centrePattern());
    }

    VirtualScope *m_scope = VirtualScope::instance();
    QString m_imageRoot;

private slots:
    void initTestCase() { prepare(); }

    void init()
    {
        if (!newTestFunction())
            return;
        QVERIFY(freshWindow());
        // The clock overlay would change the rendered picture from one second to the next.
        m_window->setShowTime(false);
        m_imageRoot = m_window->config().imageDir;
        QTRY_VERIFY_WITH_TIMEOUT(!scene()->baseImage().isNull(), kWait);
        QTRY_VERIFY_WITH_TIMEOUT(near(scene()->baseImage().pixelColor(960, 540), Qt::green), kWait);
    }

    void startsInTheDefaultFolders()
    {
        QCOMPARE(photos()->basePath(), m_imageRoot);
        QCOMPARE(photos()->currentPath(), m_imageRoot + "/Photo");
        QCOMPARE(videos()->currentPath(), m_window->config().movieDir + "/Video");
        QVERIFY(QFileInfo(m_imageRoot + "/Photo").isDir());
        QVERIFY(listed().isEmpty());
    }

    void storesTheViewWithItsMeasurements_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("png") << "png" << QByteArray("png");
        QTest::newRow("jpg") << "jpg" << QByteArray("jpeg");
        QTest::newRow("bmp") << "bmp" << QByteArray("bmp");
    }
    void storesTheViewWithItsMeasurements()
    {
        QFETCH(QString, suffix);
        QFETCH(QByteArray, format);
        // Clearing the scene drops its picture too; items drawn before the next frame would go
        // with it.
        QTRY_VERIFY_WITH_TIMEOUT(scene()->frameBufferData(), kWait);
        addLine(scene(), QPointF(600, 540), QPointF(1300, 540));

        setFormat(suffix);
        QCOMPARE(m_window->config().imageFormat,
                 child<QComboBox>("boxFormatImage")->currentIndex());
        const QString path = capture();
        QVERIFY(!path.isEmpty());
        const QFileInfo info(path);
        QCOMPARE(info.absolutePath(), photos()->currentPath());
        QVERIFY2(kStampName.match(info.fileName()).hasMatch(), qPrintable(info.fileName()));
        QCOMPARE(info.suffix(), suffix);
        QVERIFY(listed().contains(info.fileName()));

        QImageReader reader(path);
        QCOMPARE(reader.format(), format);
        const QImage picture = reader.read();
        QCOMPARE(picture.size(), QSize(1920, 1080));
        // The measurement is in the picture: the line's pixels are not the green centre.
        const QImage rendered = scene()->renderImage();
        QVERIFY(!near(rendered.pixelColor(960, 540), Qt::green));
        if (suffix != "jpg") // JPEG blurs a thin line into its surroundings
            QVERIFY(near(picture.pixelColor(960, 540), rendered.pixelColor(960, 540)));
        QVERIFY(near(picture.pixelColor(960, 600), Qt::green));
        QVERIFY(near(picture.pixelColor(50, 50), Qt::red));
        if (suffix == "png")
            QCOMPARE(picture.convertToFormat(QImage::Format_RGB32), rendered);
        scene()->clear();
    }

    void zoomStoresTheCentre()
    {
        setFormat("png");
        child<QComboBox>("comboZoom")->setCurrentText("2.0x");
        const QImage twice(capture());
        QCOMPARE(twice.size(), QSize(1920, 1080));
        // The red border lies outside the centre half: all green.
        QVERIFY(near(twice.pixelColor(40, 40), Qt::green));
        QVERIFY(near(twice.pixelColor(1880, 1040), Qt::green));

        child<QComboBox>("comboZoom")->setCurrentText("0.5x");
        const QImage half(capture());
        QCOMPARE(half.size(), QSize(1920, 1080));
        QCOMPARE(half.pixelColor(10, 10), QColor(Qt::black));
        QVERIFY(near(half.pixelColor(500, 290), Qt::red));
        QVERIFY(near(half.pixelColor(960, 540), Qt::green));
        child<QComboBox>("comboZoom")->setCurrentText("1.0x");
    }

    // A capture keeps the scale of its own pixels, and a zoomed one gets its bar drawn for the
    // part it keeps.
    void capturesCarryTheirScale_data()
    {
        QTest::addColumn<QString>("zoom");
        QTest::addColumn<int>("perMetre");
        QTest::newRow("1.0x") << "1.0x" << 2000000;
        QTest::newRow("2.0x") << "2.0x" << 4000000;
    }
    void capturesCarryTheirScale()
    {
        QFETCH(QString, zoom);
        QFETCH(int, perMetre);
        setFormat("png");
        BDInfo calibration;
        calibration.ratio = 0.5;
        calibration.unit = 2;
        scene()->setBDInfo(calibration);
        scene()->showScaleBar(true, Preferences::Corner::BottomRight);
        child<QComboBox>("comboZoom")->setCurrentText(zoom);
        const QImage picture(capture());
        scene()->showScaleBar(false, Preferences::Corner::BottomRight);
        scene()->setBDInfo(BDInfo());
        child<QComboBox>("comboZoom")->setCurrentText("1.0x");
        QCOMPARE(picture.dotsPerMeterX(), perMetre);
        const auto scale = PictureScale::read(picture);
        QVERIFY(scale);
        QCOMPARE(scale->calibration().ratio * perMetre, 1e6);
        // The bar: white pixels in the bottom-right corner of a red and green picture.
        const auto white = [&picture](QRect area) {
            int count = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    count += picture.pixel(x, y) == qRgb(255, 255, 255);
            return count;
        };
        QVERIFY(white(QRect(1440, 810, 480, 270)) > 200);
        QCOMPARE(white(QRect(0, 0, 1440, 810)), 0);
    }

    void twoCapturesInOneSecondKeepBoth()
    {
        setFormat("jpg");
        const QStringList before = stored();
        const int history = m_window->config().imageFiles.size();
        m_window->onBtnCapture();
        m_window->onBtnCapture();
        QTRY_COMPARE_WITH_TIMEOUT(m_window->config().imageFiles.size(), history + 2, kWait);
        const QStringList files = m_window->config().imageFiles.mid(history);
        QVERIFY(files.at(0) != files.at(1));
        QCOMPARE(stored().size(), before.size() + 2);
        // Within one second the second name carries "_1".
        const QString first = QFileInfo(files.at(0)).completeBaseName();
        if (QFileInfo(files.at(1)).completeBaseName().startsWith(first))
            QCOMPARE(QFileInfo(files.at(1)).completeBaseName(), first + "_1");
    }

    void refusesTheRootFolder()
    {
        photos()->setCurrentPath(m_imageRoot);
        const QStringList before = QDir(m_imageRoot).entryList(QDir::Files);
        const int history = m_window->config().imageFiles.size();
        {
            const ModalAnswerer answerer(QMessageBox::Ok);
            QVERIFY(!m_window->checkPath(0));
            m_window->onBtnCapture();
            QCOMPARE(answerer.texts.size(), 2);
            const QString message = QCoreApplication::translate("Specula", kRootFolderMessage);
            QCOMPARE(answerer.texts.at(1), message);
        }
        QCoreApplication::processEvents();
        QCOMPARE(QDir(m_imageRoot).entryList(QDir::Files), before);
        QCOMPARE(m_window->config().imageFiles.size(), history);
        photos()->setCurrentPath(m_imageRoot + "/Photo");
        QVERIFY(m_window->checkPath(0));
    }

    void failedWriteIsReportedAndNotListed()
    {
        const QString doomed = m_imageRoot + "/Photo/Doomed";
        QVERIFY(QDir().mkpath(doomed));
        photos()->setCurrentPath(doomed);
        // The folder goes away behind the browser's back; a file takes its name.
        QVERIFY(QDir(doomed).removeRecursively());
        QVERIFY(writeFile(doomed));
        const int history = m_window->config().imageFiles.size();
        const QStringList failed{QCoreApplication::translate("Specula", "保存图片失败")};
        ModalAnswerer answerer(QMessageBox::Ok);
        m_window->onBtnCapture();
        QTRY_COMPARE_WITH_TIMEOUT(answerer.texts, failed, kWait);
        QCOMPARE(m_window->config().imageFiles.size(), history);
        QCOMPARE(photos()->listWidget()->count(), 0);
        QFile::remove(doomed);
        photos()->setCurrentPath(m_imageRoot + "/Photo");

        // No picture yet (the scene waits for its next frame): the same box, nothing stored.
        answerer.texts.clear();
        scene()->clear();
        m_window->onBtnCapture();
        QCOMPARE(answerer.texts, failed);
        QCOMPARE(m_window->config().imageFiles.size(), history);
    }

    void fourViewCapturesRotateThroughTheTiles()
    {
        setFormat("jpg");
        QTest::mouseClick(child<QToolButton>("btnScreenSwitch"), Qt::LeftButton);
        QCOMPARE(child<QStackedWidget>("stackMainWidget")->currentIndex(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(!tile(0)->image().isNull(), kWait);

        // With none checked the picture goes to tile 2 and tile 3 is checked; then 3 → 4,
        // 4 → 2.
        m_window->setCameraViewChecked(-1);
        const QString toTile2 = capture();
        QCOMPARE(m_window->getCameraViewChecked(), 2);
        QTRY_COMPARE(tile(1)->fileName(), QFileInfo(toTile2).fileName());
        QCOMPARE(tile(1)->image().size(), QSize(1920, 1080));
        const QString toTile3 = capture();
        QCOMPARE(m_window->getCameraViewChecked(), 3);
        QTRY_COMPARE(tile(2)->fileName(), QFileInfo(toTile3).fileName());
        const QString toTile4 = capture();
        QCOMPARE(m_window->getCameraViewChecked(), 1);
        QTRY_COMPARE(tile(3)->fileName(), QFileInfo(toTile4).fileName());

        // A frozen live tile takes no picture, and says nothing.
        tile(0)->freezeButton()->click();
        const int history = m_window->config().imageFiles.size();
        {
            const ModalAnswerer answerer(QMessageBox::Ok);
            m_window->onBtnCapture();
            QCOMPARE(answerer.texts, QStringList());
        }
        QCOMPARE(m_window->config().imageFiles.size(), history);
        tile(0)->freezeButton()->click();
        QTest::mouseClick(child<QToolButton>("btnScreenSwitch"), Qt::LeftButton);
        QCOMPARE(child<QStackedWidget>("stackMainWidget")->currentIndex(), 0);
    }

    void historyDropsMissingFiles()
    {
        for (int i = 0; i < 3; ++i)
            QVERIFY(!capture().isEmpty());
        QStringList files = m_window->config().imageFiles;
        QVERIFY(files.size() >= 3);
        QVERIFY(QFile::remove(files.first()));
        m_window->updateHistoryList();
        files.removeAll(files.first());
        QCOMPARE(m_window->config().imageFiles, files);
        // Re-pointing the browsers also refills them from the disk.
        QCOMPARE(listed().size(), stored().size());
    }

    void settingsDialogChangesOnlyTheFolders()
    {
        const QString newRoot = QDir(m_imageRoot).filePath("../elsewhere");
        QVERIFY(QDir().mkpath(newRoot));
        const Config before = m_window->config();
        QString title;
        QString parentTitle;
        answerSettings([&](SettingDialog *dialog) {
            title = dialog->windowTitle();
            parentTitle = dialog->parentWidget()->windowTitle();
            requireChild<QLineEdit>(dialog, "lineImagePath")->setText(newRoot);
            // An empty entry keeps the folder.
            requireChild<QLineEdit>(dialog, "lineMoviePath")->clear();
            return "btnOk";
        });
        QCOMPARE(title, parentTitle);

        const Config &after = m_window->config();
        QCOMPARE(after.imageDir, newRoot);
        QCOMPARE(after.movieDir, before.movieDir);
        QCOMPARE(after.imageFiles, before.imageFiles);
        QCOMPARE(after.cameras.keys(), before.cameras.keys());
        // The new root is ready to store into.
        QVERIFY(QFileInfo(newRoot + "/Photo").isDir());
        QCOMPARE(photos()->currentPath(), newRoot + "/Photo");
        QVERIFY(m_window->checkPath(0));

        // Accepted unchanged: the browser stays in the folder the user opened.
        QVERIFY(QDir().mkpath(newRoot + "/Photo/sub"));
        photos()->setCurrentPath(newRoot + "/Photo/sub");
        answerSettings([](SettingDialog *) { return "btnOk"; });
        QCOMPARE(photos()->currentPath(), newRoot + "/Photo/sub");
        QVERIFY(QDir(newRoot + "/Photo/sub").removeRecursively());
        photos()->setCurrentPath(newRoot + "/Photo");

        // Cancelled: nothing changes.
        answerSettings([](SettingDialog *dialog) {
            requireChild<QLineEdit>(dialog, "lineImagePath")->setText("/nowhere");
            return "btnCancel";
        });
        QCOMPARE(m_window->config().imageDir, newRoot);
    }

    void printsTheView()
    {
        QTemporaryDir dir;
        QPrinter printer(QPrinter::ScreenResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("view.pdf"));
        printer.setPageSize(QPageSize(QPageSize::A4));
        m_window->plotPrintPic(&printer);
        QVERIFY(QFileInfo(dir.filePath("view.pdf")).size() > 10000);
    }

    // Three pictures and two copied-in videos in the browsers. Set LUMIVEX_SCREENSHOT to a
    // file name to keep a picture of the window's file page.
    void filesPage()
    {
        photos()->setCurrentPath(photos()->basePath() + "/Photo");
        for (const QString &name : stored())
            QFile::remove(photos()->currentPath() + '/' + name);
        photos()->updatePath();
        m_scope->showSpecimen();
        QTRY_VERIFY_WITH_TIMEOUT(!near(scene()->baseImage().pixelColor(100, 100), Qt::red), kWait);
        for (int i = 0; i < 3; ++i) {
            if (i == 1)
                child<QComboBox>("comboZoom")->setCurrentText("2.0x");
            else
                child<QComboBox>("comboZoom")->setCurrentText("1.0x");
            QVERIFY(!capture().isEmpty());
        }
        QCOMPARE(listed().size(), 3);

        QTemporaryDir source;
        TestVideo clip;
        clip.size = QSize(640, 360);
        QVERIFY(writeTestVideo(source.filePath("inspection.mp4"), clip));
        clip.picture = centrePattern();
        clip.audioFirst = true;
        QVERIFY(writeTestVideo(source.filePath("sample.mp4"), clip));
        for (const QString name : {"inspection.mp4", "sample.mp4"}) {
            QVERIFY(QFile::copy(source.filePath(name), videos()->currentPath() + '/' + name));
            m_window->appendHistoryFile(videos()->currentPath() + '/' + name, false);
        }
        QCOMPARE(videos()->listWidget()->count(), 2);
        const auto hasIcon = [](FileBrowser *browser) {
            QListWidget *list = browser->listWidget();
            for (int i = 0; i < list->count(); ++i) {
                const QImage icon = list->item(i)->icon().pixmap(FileBrowser::IconSize).toImage();
                // The placeholder is a flat light grey.
                if (icon.isNull() || icon.pixelColor(80, 60) == QColor(236, 236, 236))
                    return false;
            }
            return true;
        };
        QTRY_VERIFY_WITH_TIMEOUT(hasIcon(photos()) && hasIcon(videos()), kWait);

        m_window->resize(1400, 900);
        QCoreApplication::processEvents();
        child<QComboBox>("comboZoom")->setCurrentIndex(0); // fit the page
        QTest::mouseClick(child<QToolButton>("btnOpenDir"), Qt::LeftButton);
        const QString shot = qEnvironmentVariable("LUMIVEX_SCREENSHOT");
        if (!shot.isEmpty()) {
            auto *tabs = child<QTabWidget>("tabWidget");
            QImage pictures = m_window->grab().toImage();
            tabs->setCurrentIndex(1);
            QCoreApplication::processEvents();
            const QImage movies = m_window->grab().toImage();
            tabs->setCurrentIndex(0);
            // Both tabs side by side: the window with the picture tab, and the video tab's
            // side panel beside it.
            const QWidget *panel = child<QWidget>("rightStackWidget");
            const QRect side(panel->mapTo(m_window, QPoint()), panel->size());
            QImage both(pictures.width() + side.width() + 8, pictures.height(),
                        QImage::Format_RGB32);
            both.fill(Qt::white);
            QPainter painter(&both);
            painter.drawImage(0, 0, pictures);
            painter.drawImage(pictures.width() + 8, side.top(), movies.copy(side));
            painter.end();
            both.save(shot);
        }
    }
};

QTEST_MAIN(tst_SpeculaCapture)
#include "tst_speculacapture.moc"
