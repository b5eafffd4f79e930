#include "Calibrations.h"
#include "ModalAnswerer.h"
#include "RequireChild.h"
#include "SceneLines.h"
#include "TestFiles.h"
#include "app/Startup.h"
#include "calibration/BDFile.h"
#include "calibration/BDWidget.h"
#include "config/Config.h"
#include "scene/CameraScene.h"
#include "scene/CameraViewer.h"
#include "scene/GraphicsItem.h"
#include "scene/GraphicsMeasureItem.h"
#include "virtualscope/ScopePicture.h"

#include <QtTest>
#include <QtWidgets>

#include <cmath>
#include <cstring>
#include <memory>

namespace {

// A panel driving the scene of a viewer that shows a picture at 1:1, as a host sets it up.
class Stage
{
public:
    explicit Stage(const QImage &picture = blank())
    {
        view.setFixedSize(picture.size());
        scene = view.scene();
        scene->setConfig(&config);
        scene->setBaseImage(picture);
        scene->updateCameraViewSize(picture.size());
        scene->setGraphicType(0x10002);
        scene->setEditable(true);
        panel.init(scene, &config);
    }

    static QImage blank()
    {
        QImage picture(640, 480, QImage::Format_RGB32);
        picture.fill(QColor(90, 110, 100));
        return picture;
    }

    template <typename T> T *child(const char *name) const { return requireChild<T>(&panel, name); }
    void click(const char *button) { child<QAbstractButton>(button)->click(); }
    QComboBox *box(const char *name) const { return child<QComboBox>(name); }
    int page() const { return child<QStackedWidget>("BiaoDingPage")->currentIndex(); }

    // A viewer mouse click at picture point p (the view shows the picture at 1:1).
    void clickAt(const QPointF &p)
    {
        QWidget *viewport = view.viewport();
        const QPoint pos = p.toPoint();
        for (QEvent::Type type :
             {QEvent::MouseMove, QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            const Qt::MouseButton button =
                type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
            const Qt::MouseButtons held =
                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
            QMouseEvent event(type, pos, viewport->mapToGlobal(pos), button, held, Qt::NoModifier);
            QApplication::sendEvent(viewport, &event);
        }
    }

    // Opens the calibration page and lays the measuring segment from a to b.
    GraphicsMeasureItem *layMeasure(const QPointF &a, const QPointF &b)
    {
        if (page() == 0)
            click("btnBDEdit");
        GraphicsMeasureItem *item = scene->measureItem();
        if (item) {
            item->setKeyPoint(0, a);
            item->setKeyPoint(1, b);
        }
        return item;
    }

    void makeCalibration(const QString &real, int unit)
    {
        child<QLineEdit>("labelBDRealLen")->setText(real);
        box("boxBDUnit")->setCurrentIndex(unit);
        click("btnBDNewData");
    }

    Config config;
    CameraViewer view;
    CameraScene *scene = nullptr;
    BDWidget panel;
};

// The x positions (scene coordinates of the middle of each dark run) of the ticks that cross
// row y between x = from and x = to: what a person reads off the stage micrometer.
QVector<double> ticksOnRow(const QImage &picture, int y, int from, int to)
{
    QVector<double> ticks;
    int runStart = -1;
    for (int x = from; x <= to; ++x) {
        const bool dark = x < to && qGray(picture.pixel(x, y)) < 70;
        if (dark && runStart < 0)
            runStart = x;
        if (!dark && runStart >= 0) {
            ticks.append((runStart + x) / 2.0); // pixel i spans [i, i + 1)
            runStart = -1;
        }
    }
    return ticks;
}

double labelValue(const QString &label)
{
    // "L:50.0000 um"
    return label.section(QLatin1Char(':'), 1).section(QLatin1Char(' '), 0, 0).toDouble();
}

} // namespace

class tst_BDWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        // The magnification follows the screen's pixel pitch; a fixed one keeps it exact.
        screen_mm_pixel = 0.25;
    }

    // Every tool button shows its icon: the form names them in the core's resources, which a
    // program only has when something references them.
    void toolIcons()
    {
        Stage stage;
        const QList<QToolButton *> buttons =
            stage.child<QWidget>("toolButtonWidget")->findChildren<QToolButton *>();
        QCOMPARE(buttons.size(), 22);
        for (QToolButton *button : buttons)
            QVERIFY2(!button->icon().pixmap(32, 32).isNull(), qPrintable(button->objectName()));
    }

    void toolNumbers_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("tool");
        for (int i = 1; i <= 17; ++i)
            QTest::newRow(qPrintable(QStringLiteral("toolButton%1").arg(i)))
                << QStringLiteral("toolButton%1").arg(i) << 0x10002 + i - 1;
        QTest::newRow("toolButton19") << "toolButton19" << 0x10013;
    }

    void toolNumbers()
    {
        QFETCH(QString, button);
        QFETCH(int, tool);
        Stage stage;
        stage.scene->setGraphicType(0x10001);
        auto *toolButton = stage.panel.findChild<QToolButton *>(button);
        QVERIFY(toolButton);
        toolButton->click();
        QCOMPARE(stage.scene->graphicType(), tool);
        QVERIFY(toolButton->isChecked());
        if (button != QLatin1String("toolButton1"))
            QVERIFY(!stage.child<QToolButton>("toolButton1")->isChecked());
    }

    void crosshairKeepsTool()
    {
        Stage stage;
        stage.click("toolButton11");
        QCOMPARE(stage.scene->graphicType(), 0x1000c);
        stage.click("toolButton18");
        QVERIFY(stage.scene->isGridShown());
        QCOMPARE(stage.scene->graphicType(), 0x1000c);
        QVERIFY(stage.child<QToolButton>("toolButton11")->isChecked());
        stage.click("toolButton18");
        QVERIFY(!stage.scene->isGridShown());
        QCOMPARE(stage.scene->graphicType(), 0x1000c);
    }

    void undoRedoClear()
    {
        Stage stage;
        addLine(stage.scene, {10, 10}, {100, 10});
        addLine(stage.scene, {10, 50}, {100, 50});
        stage.click("toolButtonUndo");
        QCOMPARE(stage.scene->graphics().size(), 1);
        stage.click("toolButtonRedo");
        QCOMPARE(stage.scene->graphics().size(), 2);
        {
            const ModalAnswerer no(QMessageBox::No);
            stage.click("toolButtonClear");
            QCOMPARE(no.texts, QStringList{QStringLiteral("是否删除全部")});
        }
        QCOMPARE(stage.scene->graphics().size(), 2);
        {
            const ModalAnswerer yes(QMessageBox::Yes);
            stage.click("toolButtonClear");
        }
        QVERIFY(stage.scene->graphics().isEmpty());
        QVERIFY(!stage.scene->canUndo());
    }

    void storedStyle()
    {
        Stage stage;
        StyleInfo &style = stage.config.style;
        style.fontColorIndex = 2;
        style.fontSizeIndex = 8;
        style.penColorIndex = 1;
        style.penStyleIndex = 1;
        style.penSizeIndex = 3;
        stage.panel.updateBDInfo();

        const auto swatch = [&](const char *name) {
            QComboBox *box = stage.box(name);
            return box->itemIcon(box->currentIndex()).pixmap(30, 12).toImage().pixelColor(15, 6);
        };
        QCOMPARE(swatch("boxFontColor"), QColor(Qt::blue));
        QCOMPARE(stage.box("boxFontSize")->currentText(), QStringLiteral("72"));
        QCOMPARE(swatch("boxGridColor"), QColor(Qt::green));
        QCOMPARE(stage.box("boxGridType")->currentText(), QStringLiteral("虚线"));
        // The panel has no line-width box: the refresh stores the default width.
        QCOMPARE(style.fontColorIndex, 2);
        QCOMPARE(style.fontSizeIndex, 8);
        QCOMPARE(style.penColorIndex, 1);
        QCOMPARE(style.penStyleIndex, 1);
        QCOMPARE(style.penSizeIndex, 0);

        stage.box("boxFontSize")->setCurrentIndex(0);
        QCOMPARE(style.fontSizeIndex, 0);
        QCOMPARE(style.fontColorIndex, 2);
        // New items take the style in force.
        stage.click("toolButton2");
        stage.clickAt({10, 10});
        stage.clickAt({200, 10});
        QCOMPARE(stage.scene->graphics().size(), 1);
        QCOMPARE(stage.scene->graphics().first()->style().fontSize(), 12);
    }

    void damagedStyleIndexes()
    {
        Stage stage;
        stage.config.style.fontColorIndex = 9;
        stage.config.style.fontSizeIndex = -4;
        stage.config.style.penColorIndex = 3;
        stage.config.style.penStyleIndex = 7;
        stage.panel.updateBDInfo();
        for (const char *name : {"boxFontColor", "boxFontSize", "boxGridColor", "boxGridType"})
            QVERIFY2(stage.box(name)->currentIndex() >= 0, name);
        const StyleInfo &style = stage.config.style;
        QCOMPARE(style.fontColorIndex, 2);
        QCOMPARE(style.fontSizeIndex, 0);
        QCOMPARE(style.penColorIndex, 2);
        QCOMPARE(style.penStyleIndex, 1);
    }

    void newCalibration()
    {
        Stage stage;
        QSignalSpy changed(&stage.panel, &BDWidget::bdInfoChanged);
        QVERIFY(stage.layMeasure({100, 100}, {350, 100}));
        QCOMPARE(stage.page(), 1);
        QCOMPARE(stage.scene->measureItem()->length(), 250.0);
        stage.makeCalibration(QStringLiteral("5"), 0);
        QCOMPARE(stage.config.bdInfos.size(), 1);
        const BDInfo made = stage.config.bdInfos.first();
        QCOMPARE(made.ratio, 0.02);
        QCOMPARE(made.unit, 0);
        QCOMPARE(made.name, stage.child<QLineEdit>("labelBDName")->text());
        QCOMPARE(changed.count(), 1);
        // The calibration just made is in force, listed and shown in the table.
        QCOMPARE(stage.scene->bdInfo(), made);
        QCOMPARE(stage.box("boxBDVar")->count(), 1);
        QCOMPARE(stage.child<QTableWidget>("tableBDInfo")->rowCount(), 1);
        QCOMPARE(stage.child<QTableWidget>("tableBDInfo")->item(0, 0)->text(), made.name);
    }

    void refusedCalibration_data()
    {
        QTest::addColumn<QString>("real");
        QTest::addColumn<double>("segment");
        QTest::newRow("zero") << "0" << 250.0;
        QTest::newRow("empty") << "" << 250.0;
        QTest::newRow("not a number") << "abc" << 250.0;
        QTest::newRow("negative") << "-3" << 250.0;
        QTest::newRow("infinite") << "inf" << 250.0;
        QTest::newRow("not a number, spelt") << "nan" << 250.0;
        QTest::newRow("zero-length segment") << "5" << 0.0;
    }

    void refusedCalibration()
    {
        QFETCH(QString, real);
        QFETCH(double, segment);
        Stage stage;
        stage.layMeasure({100, 100}, {100 + segment, 100});
        QSignalSpy changed(&stage.panel, &BDWidget::bdInfoChanged);
        const ModalAnswerer ok(QMessageBox::Ok);
        stage.makeCalibration(real, 0);
        QCOMPARE(ok.texts, QStringList{QStringLiteral("参数不能为0")});
        QVERIFY(stage.config.bdInfos.isEmpty());
        QCOMPARE(changed.count(), 0);
    }

    void noMeasuringSegment()
    {
        Stage stage;
        stage.layMeasure({100, 100}, {350, 100});
        // Something else removed the segment (a new picture): the length counts as 0.
        stage.scene->clearMeasure();
        const ModalAnswerer ok(QMessageBox::Ok);
        stage.makeCalibration(QStringLiteral("5"), 0);
        QCOMPARE(ok.texts.size(), 1);
        QVERIFY(stage.config.bdInfos.isEmpty());
    }

    // The stage micrometer of the virtual microscope at 1920 pixels: 2.4 pixels per micrometre.
    void stageMicrometer()
    {
        const QImage picture = ScopePicture::renderSpecimen(QSize(1920, 1080), 0);
        QCOMPARE(picture.size(), QSize(1920, 1080));
        Stage stage(picture);
        // The ruler's base line lies at 80 % of the height; 14 µm above it only the 50 µm
        // and 100 µm ticks reach.
        const double perMicron = ScopePicture::pixelsPerMicron(1920);
        const int row = qRound(1080 * 0.8 - 14 * perMicron);
        // Within the glass strip behind the ruler.
        const QVector<double> ticks =
            ticksOnRow(picture, row, qRound(140 * perMicron), qRound(660 * perMicron));
        QVERIFY2(ticks.size() == 11, qPrintable(QString::number(ticks.size())));
        const double y = 1080 * 0.8 - 5;

        // 100 µm: from the ruler's first tick to its third.
        stage.layMeasure({ticks.at(0), y}, {ticks.at(2), y});
        stage.makeCalibration(QStringLiteral("100"), 2);
        QCOMPARE(stage.config.bdInfos.size(), 1);
        const BDInfo made = stage.config.bdInfos.first();
        QCOMPARE(made.unit, 2);
        QVERIFY2(std::abs(made.ratio - 0.41667) < 0.41667 * 0.0025,
                 qPrintable(QString::number(made.ratio, 'g', 10)));
        stage.click("btnBDBack");
        QCOMPARE(stage.page(), 0);
        QCOMPARE(stage.scene->bdInfo(), made);

        // A line over 50 µm of the ruler, drawn with the line tool, reads 50 µm.
        stage.click("toolButton2");
        stage.clickAt({ticks.at(4), y});
        stage.clickAt({ticks.at(5), y});
        QCOMPARE(stage.scene->graphics().size(), 1);
        const GraphicsItem *line = stage.scene->graphics().first();
        const QPointF a = line->keyPoint(0);
        const QPointF b = line->keyPoint(1);
        const QString label = line->makeString(QStringLiteral("L"), QLineF(a, b).length());
        QVERIFY2(label.endsWith(QLatin1String(" um")), qPrintable(label));
        QVERIFY2(std::abs(labelValue(label) - 50.0) < 50.0 * 0.005, qPrintable(label));
    }

    void magnificationReadOut()
    {
        Stage stage;
        // 200 view pixels at 0.25 mm per screen pixel: 50 mm on the screen.
        stage.layMeasure({100, 100}, {300, 100});
        auto *name = stage.child<QLineEdit>("labelBDName");
        auto *real = stage.child<QLineEdit>("labelBDRealLen");
        real->setText(QStringLiteral("5"));
        QTRY_COMPARE(name->text(), QStringLiteral("10.00X"));
        stage.box("boxBDUnit")->setCurrentIndex(1); // cm: 5 cm on the screen
        QCOMPARE(stage.scene->measureItem()->unit(), 1);
        QTRY_COMPARE(name->text(), QStringLiteral("1.00X"));
        for (const QString &text : {QStringLiteral("0"), QStringLiteral("x"), QString()}) {
            real->setText(text);
            QTRY_COMPARE(name->text(), QStringLiteral("--"));
        }
    }

    void pages()
    {
        Stage stage;
        stage.click("btnBDEdit");
        QCOMPARE(stage.page(), 1);
        QVERIFY(stage.scene->measureItem());
        stage.click("btnBDBack");
        QCOMPARE(stage.page(), 0);
        QVERIFY(!stage.scene->measureItem());
        stage.click("btnBDEdit");
        stage.panel.showMainPage();
        QCOMPARE(stage.page(), 0);
        QVERIFY(!stage.scene->measureItem());
        stage.panel.showMainPage(); // nothing on the main page
        QCOMPARE(stage.page(), 0);
    }

    void deleteAsks()
    {
        Stage stage;
        stage.config.bdInfos = {bd(QStringLiteral("A"), 0.5, 0), bd(QStringLiteral("B"), 0.25, 1)};
        stage.panel.updateBDInfo();
        QSignalSpy changed(&stage.panel, &BDWidget::bdInfoChanged);
        stage.click("btnBDEdit");
        auto *table = stage.child<QTableWidget>("tableBDInfo");
        table->setCurrentCell(1, 0);
        {
            const ModalAnswerer no(QMessageBox::No);
            stage.click("btnBDDel");
            QCOMPARE(no.texts.size(), 1);
            QVERIFY(no.texts.first().contains(QLatin1String("B")));
        }
        QCOMPARE(stage.config.bdInfos.size(), 2);
        QCOMPARE(changed.count(), 0);
        table->setCurrentCell(1, 0);
        {
            const ModalAnswerer yes(QMessageBox::Yes);
            stage.click("btnBDDel");
        }
        QCOMPARE(stage.config.bdInfos.size(), 1);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(stage.box("boxBDVar")->count(), 1);
        QCOMPARE(stage.scene->bdInfo().name, QStringLiteral("A"));
    }

    // The calibration in force is kept by value through every refresh; only when it leaves
    // the list does the first take its place.
    void calibrationInForce()
    {
        Stage stage;
        stage.config.bdInfos = {bd(QStringLiteral("A"), 0.5, 0), bd(QStringLiteral("B"), 0.25, 1),
                                bd(QStringLiteral("C"), 0.125, 2)};
        stage.panel.updateBDInfo();
        QCOMPARE(stage.scene->bdInfo().name, QStringLiteral("A"));
        stage.box("boxBDVar")->setCurrentIndex(2);
        const BDInfo c = stage.config.bdInfos.at(2);
        QCOMPARE(stage.scene->bdInfo(), c);

        stage.panel.setScale(2.0); // resize and zoom
        QCOMPARE(stage.scene->bdInfo(), c);
        stage.click("btnBDEdit"); // page switches
        stage.click("btnBDBack");
        QCOMPARE(stage.scene->bdInfo(), c);
        QEvent language(QEvent::LanguageChange);
        QApplication::sendEvent(&stage.panel, &language);
        QCOMPARE(stage.scene->bdInfo(), c);
        // The other panel added one in front and refreshed us.
        stage.config.bdInfos.prepend(bd(QStringLiteral("D"), 2.0, 3));
        stage.panel.updateBDInfo();
        QCOMPARE(stage.scene->bdInfo(), c);
        QCOMPARE(stage.box("boxBDVar")->currentIndex(), 3);

        // Gone from the list: the first is in force.
        stage.config.bdInfos.removeLast();
        stage.panel.updateBDInfo();
        QCOMPARE(stage.scene->bdInfo().name, QStringLiteral("D"));
        QCOMPARE(stage.box("boxBDVar")->currentIndex(), 0);
        // An empty list leaves the scene's calibration as it was.
        stage.config.bdInfos.clear();
        stage.panel.updateBDInfo();
        QCOMPARE(stage.scene->bdInfo().name, QStringLiteral("D"));
        QCOMPARE(stage.box("boxBDVar")->count(), 0);
    }

    void exportImport()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bdInfo.bd"));
        Stage stage;
        const QVector<BDInfo> three{bd(QStringLiteral("10.00X"), 0.1 + 0.2, 0),
                                    bd(QStringLiteral("45.50X"), 100.0 / 240.0, 2),
                                    bd(QStringLiteral("2.00X"), 1.0 / 3.0, 3)};
        stage.config.bdInfos = three;
        QVERIFY(stage.panel.exportBDInfos(path));
        stage.config.bdInfos = {bd(QStringLiteral("other"), 1.0, 4)};
        stage.panel.updateBDInfo();
        QSignalSpy changed(&stage.panel, &BDWidget::bdInfoChanged);
        QVERIFY(stage.panel.importBDInfos(path));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(stage.config.bdInfos.size(), 3);
        for (int i = 0; i < 3; ++i) {
            const BDInfo &back = stage.config.bdInfos.at(i);
            QCOMPARE(back.name, three.at(i).name);
            QVERIFY(std::memcmp(&back.ratio, &three.at(i).ratio, sizeof(double)) == 0);
            QCOMPARE(back.unit, three.at(i).unit);
        }
        QCOMPARE(stage.box("boxBDVar")->count(), 3);
        QCOMPARE(stage.scene->bdInfo(), three.first());
    }

    void damagedImportKeepsList_data()
    {
        QTest::addColumn<QByteArray>("data");
        const QByteArray good = encodeBDInfos({bd(QStringLiteral("x"), 0.5, 0)});
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("truncated") << good.left(good.size() - 3);
        QByteArray huge = good;
        huge[0] = char(0x7F);
        QTest::newRow("huge count") << huge;
        QByteArray badUnit = good;
        badUnit[badUnit.size() - 1] = char(9);
        QTest::newRow("unit 9") << badUnit;
    }

    void damagedImportKeepsList()
    {
        QFETCH(QByteArray, data);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("damaged.bd"));
        QVERIFY(writeFile(path, data));

        Stage stage;
        const QVector<BDInfo> mine{bd(QStringLiteral("mine"), 0.5, 0),
                                   bd(QStringLiteral("also mine"), 0.25, 1)};
        stage.config.bdInfos = mine;
        stage.panel.updateBDInfo();
        stage.box("boxBDVar")->setCurrentIndex(1);
        QSignalSpy changed(&stage.panel, &BDWidget::bdInfoChanged);
        const ModalAnswerer ok(QMessageBox::Ok);
        QVERIFY(!stage.panel.importBDInfos(path));
        QCOMPARE(ok.texts.size(), 1);
        QCOMPARE(stage.config.bdInfos.size(), 2);
        QCOMPARE(stage.config.bdInfos.at(1).name, QStringLiteral("also mine"));
        QCOMPARE(stage.box("boxBDVar")->count(), 2);
        QCOMPARE(stage.scene->bdInfo(), mine.at(1));
        QCOMPARE(changed.count(), 0);
    }

    void exportFailureIsReported()
    {
        QTemporaryDir dir;
        Stage stage;
        stage.config.bdInfos = {bd(QStringLiteral("x"), 0.5, 0)};
        const ModalAnswerer ok(QMessageBox::Ok);
        QVERIFY(!stage.panel.exportBDInfos(dir.filePath(QStringLiteral("missing/bdInfo.bd"))));
        QCOMPARE(ok.texts.size(), 1);
    }

    void exportThroughDialog()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("backup.bd"));
        Stage stage;
        stage.config.bdInfos = {bd(QStringLiteral("x"), 0.5, 0)};
        stage.click("btnBDEdit");
        {
            QStringList filters;
            const ModalAnswerer answer({}, chooseFile(path, &filters));
            stage.click("btnBDSave");
            QCOMPARE(answer.answered(), 1);
            QCOMPARE(filters, QStringList{QStringLiteral("*.bd")});
        }
        QVector<BDInfo> back;
        QCOMPARE(loadBDFile(path, back), BDFileStatus::Ok);
        QCOMPARE(back.size(), 1);
        {
            const ModalAnswerer cancel({}, chooseFile(QString()));
            stage.click("btnBDLoad");
            QCOMPARE(cancel.answered(), 1);
        }
        QCOMPARE(stage.config.bdInfos.size(), 1);
    }
};

QTEST_MAIN(tst_BDWidget)
#include "tst_bdwidget.moc"
