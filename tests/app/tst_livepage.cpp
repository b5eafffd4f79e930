#include "app/LiveCameras.h"
#include "app/LivePage.h"
#include "calibration/BDWidget.h"
#include "config/Config.h"
#include "media/CameraLabel.h"
#include "scene/CameraViewer.h"

#include <QtTest>
#include <QtWidgets>

// The live page's views, tiles and labels on widgets of their own, without a camera running.
class tst_LivePage : public QObject
{
    Q_OBJECT

    QWidget *m_window = nullptr;
    LivePage::Widgets m_widgets;
    LiveCameras m_live;
    Config m_config;
    LivePage *m_page = nullptr;

private slots:
    void init()
    {
        m_window = new QWidget;
        m_live = LiveCameras();
        LivePage::Widgets &w = m_widgets;
        w.pages = new QStackedWidget(m_window);
        w.singlePage = new QWidget;
        w.scrollArea = new QScrollArea(w.singlePage);
        w.viewer = new CameraViewer;
        w.scrollArea->setWidget(w.viewer);
        w.tilePage = new QWidget;
        w.pages->addWidget(w.singlePage);
        w.pages->addWidget(w.tilePage);
        w.tiles.clear();
        for (int i = 0; i < 4; ++i)
            w.tiles.append(new CameraLabel(w.tilePage));
        w.zoom = new QComboBox(m_window);
        w.status = new QLabel(m_window);
        w.resolution = new QLabel(m_window);
        w.calibration = new BDWidget(m_window);
        m_page = new LivePage(w, nullptr, &m_live, &m_config, m_window);
    }
    void cleanup() { delete m_window; }

    // Captures on the four-view page fill the tiles in turn; one check frame at a time.
    void captureTiles_data()
    {
        QTest::addColumn<int>("checked");
        QTest::addColumn<int>("tile");
        QTest::addColumn<int>("next");
        QTest::newRow("none") << -1 << 1 << 2;
        QTest::newRow("live tile") << 0 << 1 << 2;
        QTest::newRow("last") << 3 << 3 << 1;
    }
    void captureTiles()
    {
        QFETCH(int, checked);
        QFETCH(int, tile);
        QFETCH(int, next);
        QCOMPARE(m_page->checkedTile(), 1); // where captures start
        m_page->setCheckedTile(checked);
        QCOMPARE(m_page->takeCaptureTile(), tile);
        QCOMPARE(m_page->checkedTile(), next);
        m_widgets.tiles.at(0)->setCheck(true);
        m_page->uncheckOthers(m_widgets.tiles.at(0));
        QCOMPARE(m_page->checkedTile(), 0);
        QVERIFY(!m_widgets.tiles.at(next)->isChecked());
    }

    void viewSizeAndResolution_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<QSize>("camera");
        QTest::addColumn<QSize>("view");
        QTest::addColumn<QString>("text");
        QTest::newRow("no camera") << 3 << QSize() << QSize() << "0 * 0";
        QTest::newRow("halved") << 1 << QSize(320, 240) << QSize(160, 120) << "320 * 240";
        QTest::newRow("doubled") << 3 << QSize(320, 240) << QSize(640, 480) << "320 * 240";
    }
    void viewSizeAndResolution()
    {
        QFETCH(int, zoom);
        QFETCH(QSize, camera);
        QFETCH(QSize, view);
        QFETCH(QString, text);
        m_widgets.zoom->setCurrentIndex(zoom);
        if (camera.isValid()) {
            m_live.add("a", 0, camera);
            m_live.setCurrent("a");
        }
        m_page->updateViewSize();
        QCOMPARE(m_widgets.resolution->text(), text);
        if (view.isValid())
            QCOMPARE(m_widgets.viewer->size(), view);
    }

    // A tile's capture is the centre the zoom shows, scaled back to the tile's size.
    void tileCapture()
    {
        QImage tile(200, 100, QImage::Format_RGB32);
        tile.fill(Qt::blue);
        QPainter(&tile).fillRect(0, 0, 60, 100, Qt::red);
        m_widgets.pages->setCurrentIndex(1);
        QVERIFY(m_page->isFourView());
        m_live.add("a", 2, tile.size());
        QVERIFY(m_page->capturePicture().isNull()); // no current camera
        m_live.setCurrent("a");
        m_widgets.tiles.at(2)->setImage(tile);
        m_widgets.zoom->setCurrentIndex(3);
        const QImage picture = m_page->capturePicture();
        QCOMPARE(picture.size(), tile.size());
        // Columns 50…149 kept: the red band ends a fifth of the way in, not at 60.
        QCOMPARE(picture.pixelColor(10, 50), QColor(Qt::red));
        QCOMPARE(picture.pixelColor(30, 50), QColor(Qt::blue));
        m_page->clearTile(2);
        QVERIFY(m_widgets.tiles.at(2)->image().isNull());
    }
};

QTEST_MAIN(tst_LivePage)
#include "tst_livepage.moc"
