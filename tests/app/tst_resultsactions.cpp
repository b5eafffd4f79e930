#include "app/ResultsActions.h"
#include "config/Preferences.h"
#include "media/PictureWriter.h"
#include "scene/CameraScene.h"
#include "scene/GraphicsType.h"

#include "ModalAnswerer.h"
#include "SceneLines.h"

#include <QAction>
#include <QMenu>
#include <QtTest>
#include <QtWidgets>

// The results entries of a scene host, and the table that goes beside a stored picture.
class tst_ResultsActions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(Preferences::filePath());
    }

    void entriesFollowTheOptionsMenu()
    {
        QWidget host;
        CameraScene scene;
        QMenu options;
        options.addAction(QStringLiteral("existing"));
        ResultsActions actions(&host, &scene);
        actions.addTo(&options);
        QCOMPARE(options.actions().size(), 4); // existing, separator, the two entries
        QCOMPARE(options.actions().at(2), actions.openAction());
        QCOMPARE(actions.openAction()->shortcut(), QKeySequence(QStringLiteral("Ctrl+R")));
        QVERIFY(actions.saveWithPicturesAction()->isCheckable());
        QVERIFY(!actions.saveWithPicturesAction()->isChecked()); // off by default
        actions.saveWithPicturesAction()->setChecked(true);
        QVERIFY(Preferences::saveResultsWithCaptures());
        actions.saveWithPicturesAction()->setChecked(false);
    }

    void capturesTakeTheirResults_data()
    {
        QTest::addColumn<bool>("preference");
        QTest::addColumn<bool>("measured");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("csv");
        QTest::newRow("preference off") << false << true << true << false;
        QTest::newRow("nothing measured") << true << false << true << false;
        QTest::newRow("preference on") << true << true << true << true;
        QTest::newRow("table cannot be written") << true << true << false << false;
    }

    void capturesTakeTheirResults()
    {
        QFETCH(bool, preference);
        QFETCH(bool, measured);
        QFETCH(bool, writable);
        QFETCH(bool, csv);
        Preferences::setSaveResultsWithCaptures(preference);
        QWidget host;
        CameraScene scene;
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(Qt::gray);
        scene.setBaseImage(picture);
        if (measured)
            addLine(&scene, QPointF(1, 1), QPointF(10, 1));
        ResultsActions actions(&host, &scene);
        PictureWriter writer;
        actions.watch(&writer);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("capture.png"));
        if (!writable) // a folder where the table would go
            QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("capture.csv"))));
        QSignalSpy written(&writer, &PictureWriter::written);
        QSignalSpy failed(&writer, &PictureWriter::resultsFailed);
        ModalAnswerer boxes(QMessageBox::Ok);
        writer.write(scene.renderImage(), path, -1, actions.captureResults());
        QVERIFY(written.wait());
        QCOMPARE(written.first().at(1).toBool(), true); // the picture is kept either way
        QVERIFY(QFileInfo(path).isFile());
        QCOMPARE(QFileInfo(dir.filePath(QStringLiteral("capture.csv"))).isFile(), csv);
        if (!writable) {
            QCOMPARE(failed.size(), 1);
            QTRY_COMPARE(boxes.texts.size(), 1);
            QVERIFY(boxes.texts.first().contains(QStringLiteral("capture.csv")));
        }
        Preferences::setSaveResultsWithCaptures(false);
    }
};

QTEST_MAIN(tst_ResultsActions)
#include "tst_resultsactions.moc"
