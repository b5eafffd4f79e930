#include "ModalAnswerer.h"
#include "RequireChild.h"
#include "SceneLines.h"
#include "TestFiles.h"
#include "app/DeviceProfile.h"
#include "app/LiveView.h"
#include "app/Specula.h"
#include "calibration/BDWidget.h"
#include "calibration/EditorHelpers.h"
#include "calibration/MeasureEditer.h"
#include "calibration/PictureScale.h"
#include "config/Config.h"
#include "scene/CameraScene.h"
#include "scene/CameraViewer.h"
#include "scene/GraphicsItem.h"
#include "scene/GraphicsMeasureItem.h"

#include <QPrinter>
#include <QtTest>
#include <QtWidgets>

namespace {

QString writePicture(const QTemporaryDir &dir, const QString &name, QSize size,
                     const char *format = nullptr)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(QColor(200, 200, 200));
    const QString path = dir.filePath(name);
    return picture.save(path, format) ? path : QString();
}

} // namespace

class tst_MeasureEditer : public QObject
{
    Q_OBJECT

private:
    template <typename T> T *child(const char *name) const
    {
        return requireChild<T>(m_editer, name);
    }
    QComboBox *zoom() const { return child<QComboBox>("comboZoom"); }
    QWidget *viewer() const { return child<QWidget>("camViewer"); }

    Config m_config;
    MeasureEditer *m_editer = nullptr;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QDir(QStandardPaths::writableLocation(QStandardPaths::DataLocation)).removeRecursively();
    }

    void init()
    {
        m_editer = new MeasureEditer;
        m_editer->setConfig(&m_config);
        m_editer->init();
    }

    void cleanup()
    {
        delete m_editer;
        m_editer = nullptr;
    }

    void form()
    {
        QCOMPARE(m_editer->objectName(), QStringLiteral("MeasureEditWindow"));
        QCOMPARE(m_editer->size(), QSize(812, 551));
        QCOMPARE(zoom()->count(), 8);
        QCOMPARE(zoom()->currentIndex(), 2);
        QVERIFY(m_editer->scene()->isEditable());
    }

    void openAndZoom()
    {
        QTemporaryDir dir;
        const QString path = writePicture(dir, QStringLiteral("a.png"), QSize(1920, 1080));
        QVERIFY(m_editer->setImage(path));
        QCOMPARE(m_editer->imagePath(), path);
        QCOMPARE(child<QLabel>("labelResInfo")->text(), QStringLiteral("1920 * 1080"));
        m_editer->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_editer));
        QTRY_COMPARE(viewer()->size(), QSize(1920, 1080));

        zoom()->setCurrentIndex(3); // 2.0x
        QCOMPARE(viewer()->size(), QSize(3840, 2160));
        QCOMPARE(m_editer->scene()->xscale(), 2.0);
        auto *area = child<QScrollArea>("mainPageScrollArea");
        for (QScrollBar *bar : {area->horizontalScrollBar(), area->verticalScrollBar()}) {
            QTRY_VERIFY(bar->maximum() > 0);
            QTRY_COMPARE(bar->value(), bar->maximum() / 2);
        }
    }

    void halfRoundsAwayFromZero()
    {
        QTemporaryDir dir;
        QVERIFY(m_editer->setImage(writePicture(dir, QStringLiteral("b.png"), QSize(1001, 601))));
        m_editer->show();
        zoom()->setCurrentIndex(1); // 0.5x
        QCOMPARE(viewer()->size(), QSize(501, 301));
    }

    // The fit entry is known by position, so it fits in every language.
    void fit_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("source text") << fitZoomText();
        QTest::newRow("translated") << "Масштаб";
    }

    void fit()
    {
        QFETCH(QString, text);
        QTemporaryDir dir;
        QVERIFY(m_editer->setImage(writePicture(dir, QStringLiteral("c.png"), QSize(4000, 3000))));
        m_editer->show();
        auto *area = child<QScrollArea>("mainPageScrollArea");
        area->setFixedSize(800, 500);
        QCOMPARE(area->maximumViewportSize(), QSize(800, 500));
        zoom()->setItemText(0, text);
        zoom()->setCurrentIndex(0);
        QCOMPARE(viewer()->size(), QSize(666, 500));
    }

    void unreadablePictureChangesNothing()
    {
        QTemporaryDir dir;
        const QString good = writePicture(dir, QStringLiteral("d.png"), QSize(64, 48));
        QVERIFY(m_editer->setImage(good));
        addLine(m_editer->scene(), {1, 1}, {30, 30});
        const QString junk = dir.filePath(QStringLiteral("junk.png"));
        QVERIFY(writeFile(junk, "not a picture"));
        QVERIFY(!m_editer->setImage(junk));
        QVERIFY(!m_editer->setImage(dir.filePath(QStringLiteral("missing.png"))));
        QCOMPARE(m_editer->imagePath(), good);
        QCOMPARE(m_editer->scene()->graphics().size(), 1);
        QCOMPARE(child<QLabel>("labelResInfo")->text(), QStringLiteral("64 * 48"));
    }

    void coordinateReadOut()
    {
        QTemporaryDir dir;
        QImage picture(640, 480, QImage::Format_RGB32);
        picture.fill(QColor(200, 200, 200));
        picture.setPixelColor(0, 0, QColor(10, 20, 30));
        const QString path = dir.filePath(QStringLiteral("e.png"));
        QVERIFY(picture.save(path));
        QVERIFY(m_editer->setImage(path));
        m_editer->show();
        QTRY_COMPARE(viewer()->size(), QSize(640, 480));
        QWidget *viewport = qobject_cast<QGraphicsView *>(viewer())->viewport();
        // The scene reads the pixel under the cursor, as the status line of the main window does.
        QCursor::setPos(viewport->mapToGlobal(QPoint(0, 0)));
        QMouseEvent move(QEvent::MouseMove, QPointF(0, 0), viewport->mapToGlobal(QPoint(0, 0)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        QCOMPARE(child<QLabel>("labelStatus")->text(),
                 QStringLiteral("坐标 :-320,240 (R: 10 G: 20 B: 30)"));
    }

    void saveInPlaceAsksAndReplaces()
    {
        QTemporaryDir dir;
        const QString path = writePicture(dir, QStringLiteral("f.png"), QSize(320, 240));
        const QByteArray original = readFile(path);
        QVERIFY(m_editer->setImage(path));
        m_editer->show();
        addLine(m_editer->scene(), {10, 120}, {310, 120});
        QSignalSpy saved(m_editer, &MeasureEditer::imageSaved);
        {
            const ModalAnswerer no(QMessageBox::No);
            child<QAbstractButton>("btnSave")->click();
            QCOMPARE(no.texts.size(), 1);
        }
        QCOMPARE(saved.count(), 0);
        QCOMPARE(readFile(path), original);
        {
            const ModalAnswerer yes(QMessageBox::Yes);
            child<QAbstractButton>("btnSave")->click();
            QVERIFY(m_editer->isSaving());
            QVERIFY(!child<QAbstractButton>("btnSaveAs")->isEnabled());
            QVERIFY(!m_editer->saveImage(path)); // one at a time
            QVERIFY(saved.wait(10000));
            QVERIFY(child<QAbstractButton>("btnSaveAs")->isEnabled());
            QCOMPARE(yes.texts.size(), 1); // the question, no failure box
        }
        QCOMPARE(saved.first().at(0).toString(), path);
        QVERIFY(saved.first().at(1).toBool());
        const QImage written(path);
        QCOMPARE(written.size(), QSize(320, 240));
        // The measurement is burnt in: the line's colour is on its row.
        const QColor onLine = written.pixelColor(160, 120);
        QVERIFY2(onLine.red() - onLine.green() > 60, qPrintable(onLine.name()));
        // No temporary file is left beside it.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("f.png")});
    }

    void failedSaveKeepsOriginal()
    {
        QTemporaryDir dir;
        // A PNG under a suffix no writer knows: it opens, but cannot be saved as "xyz".
        const QString path = writePicture(dir, QStringLiteral("g.xyz"), QSize(80, 60), "png");
        const QByteArray original = readFile(path);
        QVERIFY(m_editer->setImage(path));
        addLine(m_editer->scene(), {1, 30}, {79, 30});
        QSignalSpy saved(m_editer, &MeasureEditer::imageSaved);
        const ModalAnswerer yes(QMessageBox::Yes);
        child<QAbstractButton>("btnSave")->click();
        QVERIFY(saved.wait(10000));
        QVERIFY(!saved.first().at(1).toBool());
        QTRY_COMPARE(yes.texts.size(), 2); // the question, then the failure
        QCOMPARE(readFile(path), original);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("g.xyz")});
    }

    void saveAsAddsSuffix()
    {
        QTemporaryDir dir;
        const QString path = writePicture(dir, QStringLiteral("h.png"), QSize(80, 60));
        QVERIFY(m_editer->setImage(path));
        QSignalSpy saved(m_editer, &MeasureEditer::imageSaved);
        {
            QStringList filters;
            const ModalAnswerer answer({},
                                       chooseFile(dir.filePath(QStringLiteral("copy")), &filters));
            child<QAbstractButton>("btnSaveAs")->click();
            QCOMPARE(filters, QStringList{QStringLiteral("*.png")});
        }
        QVERIFY(saved.wait(10000));
        const QString copy = dir.filePath(QStringLiteral("copy.png"));
        QCOMPARE(saved.first().at(0).toString(), copy);
        QVERIFY(saved.first().at(1).toBool());
        QCOMPARE(QImage(copy).size(), QSize(80, 60));
        QCOMPARE(m_editer->imagePath(), path);
    }

    void saveAsPath_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("original");
        QTest::addColumn<QString>("result");
        QTest::newRow("suffix added") << "/t/copy"
                                      << "/p/a.png"
                                      << "/t/copy.png";
        QTest::newRow("own suffix kept") << "/t/copy.jpg"
                                         << "/p/a.png"
                                         << "/t/copy.jpg";
        QTest::newRow("dot in folder only") << "/t.d/copy"
                                            << "/p/a.bmp"
                                            << "/t.d/copy.bmp";
        QTest::newRow("original without suffix") << "/t/copy"
                                                 << "/p/a"
                                                 << "/t/copy";
        QTest::newRow("cancelled") << ""
                                   << "/p/a.png"
                                   << "";
    }

    void saveAsPath()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, original);
        QTEST(::saveAsPath(chosen, original), "result");
    }

    void printTarget_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QRect>("page");
        QTest::addColumn<QRect>("target");
        QTest::newRow("small picture, centred")
            << QSize(100, 50) << QRect(0, 0, 794, 1123) << QRect(10, 368, 774, 387);
        QTest::newRow("tall picture")
            << QSize(300, 3000) << QRect(0, 0, 794, 1123) << QRect(342, 10, 110, 1103);
        QTest::newRow("page not at the origin")
            << QSize(100, 100) << QRect(50, 40, 220, 120) << QRect(110, 50, 100, 100);
        QTest::newRow("no picture") << QSize() << QRect(0, 0, 794, 1123) << QRect();
    }

    void printTarget()
    {
        QFETCH(QSize, picture);
        QFETCH(QRect, page);
        QTEST(printTargetRect(picture, page), "target");
    }

    void printToPdf()
    {
        QTemporaryDir dir;
        QVERIFY(m_editer->setImage(writePicture(dir, QStringLiteral("i.png"), QSize(64, 48))));
        QPrinter printer(QPrinter::ScreenResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("print.pdf")));
        m_editer->plotPrintPic(&printer);
        QVERIFY(QFileInfo(printer.outputFileName()).size() > 0);
    }

    // A stored picture's own scale is in force until another calibration is picked; it never
    // joins the list, and saving records the calibration in force.
    void pictureScale()
    {
        BDInfo stored;
        stored.name = QStringLiteral("10X");
        stored.ratio = 2.0;
        stored.unit = 0;
        m_config.bdInfos = {stored};
        m_editer->init();
        QTemporaryDir dir;
        QImage picture(400, 300, QImage::Format_RGB32);
        picture.fill(Qt::gray);
        BDInfo own = stored;
        own.name = QStringLiteral("40X");
        own.unit = 2;
        PictureScale::fromCalibration(own, 0.125)->applyTo(picture);
        const QString path = dir.filePath(QStringLiteral("s.png"));
        QVERIFY(picture.save(path));

        QVERIFY(m_editer->setImage(path));
        m_editer->show();
        auto *box = child<QComboBox>("boxBDVar");
        QCOMPARE(box->count(), 2);
        QCOMPARE(box->currentText(), QStringLiteral("40X（图片）"));
        QCOMPARE(m_config.bdInfos, QVector<BDInfo>{stored});
        addLine(m_editer->scene(), {50, 100}, {350, 100});
        QCOMPARE(m_editer->scene()->graphics().first()->makeString(QStringLiteral("L"), 300),
                 QStringLiteral("L:75.0000 um"));

        box->setCurrentIndex(0);
        QCOMPARE(m_editer->scene()->bdInfo(), stored);
        QSignalSpy saved(m_editer, &MeasureEditer::imageSaved);
        const QString copy = dir.filePath(QStringLiteral("c.png"));
        QVERIFY(m_editer->saveImage(copy));
        QVERIFY(saved.wait(10000));
        const auto back = PictureScale::read(QImage(copy));
        QVERIFY(back);
        QCOMPARE(back->calibration(), stored);

        // A damaged record is logged and left alone; the picture still opens.
        picture.setText(PictureScale::RecordKey, QStringLiteral("{\"version\":1,"));
        QVERIFY(picture.save(path));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("picture scale record ignored"));
        QVERIFY(m_editer->setImage(path));
        QCOMPARE(box->count(), 1);
        QCOMPARE(m_editer->scene()->bdInfo(), stored);

        // Without stored calibrations, the next plain picture is measured in pixels again.
        m_config.bdInfos.clear();
        PictureScale::fromCalibration(own)->applyTo(picture);
        QVERIFY(picture.save(path));
        QVERIFY(m_editer->setImage(path));
        QVERIFY(m_editer->setImage(writePicture(dir, QStringLiteral("p.png"), QSize(40, 30))));
        QCOMPARE(m_editer->scene()->bdInfo(), BDInfo());
    }

    // The editor inside the real main window: calibrations made in either panel show in the
    // other at once, and the main window's page switches keep the calibration in force.
    void withMainWindow()
    {
        if (g_supportDevice.isEmpty())
            initSetting();
        Specula window(nullptr, 0); // without the splash wait
        auto *editer = window.findChild<MeasureEditer *>();
        QVERIFY(editer);
        auto *mainPanel = window.centralWidget()->findChild<BDWidget *>("bdWidget");
        auto *editPanel = editer->findChild<BDWidget *>("bdWidget");
        QVERIFY(mainPanel && editPanel && mainPanel != editPanel);
        auto *mainBox = requireChild<QComboBox>(mainPanel, "boxBDVar");
        auto *editBox = requireChild<QComboBox>(editPanel, "boxBDVar");
        QCOMPARE(editer->windowTitle(), window.windowTitle());

        QTemporaryDir dir;
        QVERIFY(editer->setImage(writePicture(dir, QStringLiteral("j.png"), QSize(640, 480))));
        editer->show();
        requireChild<QAbstractButton>(editPanel, "btnBDEdit")->click();
        GraphicsMeasureItem *segment = editer->scene()->measureItem();
        QVERIFY(segment);
        segment->setKeyPoint(0, {100, 100});
        segment->setKeyPoint(1, {350, 100});
        requireChild<QLineEdit>(editPanel, "labelBDRealLen")->setText(QStringLiteral("5"));
        requireChild<QAbstractButton>(editPanel, "btnBDNewData")->click();
        QCOMPARE(window.config().bdInfos.size(), 1);
        QCOMPARE(mainBox->count(), 1);
        QCOMPARE(editBox->count(), 1);

        // Made in the main panel: listed in the editor's, whose calibration in force stays.
        const BDInfo editorInForce = editer->scene()->bdInfo();
        requireChild<QAbstractButton>(window.centralWidget(), "btnCalib")->click();
        requireChild<QAbstractButton>(mainPanel, "btnBDEdit")->click();
        auto *mainScene = requireChild<CameraViewer>(window.centralWidget(), "camViewer")->scene();
        QVERIFY(mainScene->measureItem());
        requireChild<QLineEdit>(mainPanel, "labelBDRealLen")->setText(QStringLiteral("2"));
        requireChild<QAbstractButton>(mainPanel, "btnBDNewData")->click();
        QCOMPARE(window.config().bdInfos.size(), 2);
        QCOMPARE(editBox->count(), 2);
        QCOMPARE(editer->scene()->bdInfo(), editorInForce);
        const BDInfo mainInForce = window.config().bdInfos.at(1);
        QCOMPARE(mainScene->bdInfo(), mainInForce);

        // Page switches, a resize and a zoom of the main window keep it.
        requireChild<QAbstractButton>(window.centralWidget(), "btnOpenDir")->click();
        requireChild<QAbstractButton>(window.centralWidget(), "btnCalib")->click();
        window.resize(window.size() + QSize(40, 30));
        requireChild<QComboBox>(window.centralWidget(), "comboZoom")->setCurrentIndex(3);
        QCoreApplication::processEvents();
        QCOMPARE(mainScene->bdInfo(), mainInForce);
        QCOMPARE(mainBox->currentIndex(), 1);
        editer->close();
    }
};

QTEST_MAIN(tst_MeasureEditer)
#include "tst_measureediter.moc"
