#include "media/CameraLabel.h"

#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QImage filled(int w, int h, QColor colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

void click(QWidget *widget, QPoint press, QPoint release, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(widget, button, Qt::NoModifier, press);
    QTest::mouseRelease(widget, button, Qt::NoModifier, release);
}

// What the picture browser's list hands out when entries are dragged from it.
QMimeData *browserDrag(const QStringList &paths)
{
    QListWidget list;
    QModelIndexList indexes;
    for (const QString &path : paths) {
        auto *item = new QListWidgetItem(QFileInfo(path).fileName(), &list);
        item->setData(Qt::UserRole, path);
        item->setIcon(QIcon(QPixmap::fromImage(filled(16, 12, Qt::gray))));
        indexes << list.model()->index(list.row(item), 0);
    }
    return list.model()->mimeData(indexes);
}

bool drop(CameraLabel *label, QMimeData *data, Qt::DropAction action = Qt::CopyAction)
{
    const QPoint pos = label->rect().center();
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(pos, actions, data, Qt::LeftButton, Qt::NoModifier);
    enter.setDropAction(action);
    QApplication::sendEvent(label, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent dropEvent(pos, actions, data, Qt::LeftButton, Qt::NoModifier);
    dropEvent.setDropAction(action);
    QApplication::sendEvent(label, &dropEvent);
    // The browser removes dragged entries after a move; the tile must only ever copy.
    return dropEvent.isAccepted() && dropEvent.dropAction() == Qt::CopyAction &&
           enter.dropAction() == Qt::CopyAction;
}

} // namespace

class tst_CameraLabel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void toggledOncePerChange();
    void clickChecks_data();
    void clickChecks();
    void addClick();
    void freezeHoldsLivePicture();
    void dropLoadsBrowserEntry();
    void dropRefused();
    void geometry_data();
    void geometry();
    void freezeButtonPlacement();
};

void tst_CameraLabel::toggledOncePerChange()
{
    CameraLabel label;
    QSignalSpy spy(&label, &CameraLabel::toggled);
    label.setCheck(false);
    QCOMPARE(spy.count(), 0);
    label.setCheck(true);
    label.setCheck(true);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toBool(), true);
    label.setCheck(false);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toBool(), false);
    QVERIFY(!label.isChecked());
}

void tst_CameraLabel::clickChecks_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("checked");

    QTest::newRow("left click") << 1 << true << QPoint(20, 20) << int(Qt::LeftButton) << true;
    QTest::newRow("right click") << 1 << true << QPoint(20, 20) << int(Qt::RightButton) << true;
    QTest::newRow("released outside")
        << 1 << true << QPoint(400, 20) << int(Qt::LeftButton) << false;
    QTest::newRow("live tile") << 0 << false << QPoint(20, 20) << int(Qt::LeftButton) << false;
    QTest::newRow("middle button") << 1 << true << QPoint(20, 20) << int(Qt::MiddleButton) << false;
}

void tst_CameraLabel::clickChecks()
{
    QFETCH(int, index);
    QFETCH(bool, checkable);
    QFETCH(QPoint, release);
    QFETCH(int, button);
    QFETCH(bool, checked);

    CameraLabel label;
    label.resize(300, 200);
    label.setIndex(index);
    label.setIsCheckedAble(checkable);
    QSignalSpy toggled(&label, &CameraLabel::toggled);
    click(&label, QPoint(20, 20), release, Qt::MouseButton(button));
    QCOMPARE(label.isChecked(), checked);
    QCOMPARE(toggled.count(), checked ? 1 : 0);

    // A release never unchecks.
    if (checked) {
        click(&label, QPoint(20, 20), QPoint(20, 20), Qt::MouseButton(button));
        QVERIFY(label.isChecked());
        QCOMPARE(toggled.count(), 1);
    }
}

void tst_CameraLabel::addClick()
{
    CameraLabel label;
    label.resize(300, 200);
    label.setIndex(2);
    QSignalSpy add(&label, &CameraLabel::sigAddClicked);
    const QPoint centre = cameraLabelAddRect(label.size()).center();

    click(&label, centre, centre);
    QCOMPARE(add.count(), 1);
    QVERIFY(!label.isChecked());

    // Released off the icon: no add.
    click(&label, centre, centre + QPoint(30, 0));
    QCOMPARE(add.count(), 1);

    // A tile with a picture has no add button: the press checks it.
    label.setImage(filled(40, 30, Qt::red));
    click(&label, centre, centre);
    QCOMPARE(add.count(), 1);
    QVERIFY(label.isChecked());
}

void tst_CameraLabel::freezeHoldsLivePicture()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("stored.png"));
    QVERIFY(filled(8, 6, Qt::blue).save(path));

    CameraLabel label;
    label.resize(300, 200);
    label.setIndex(0);
    QPushButton *button = label.freezeButton();
    QVERIFY(button);
    QCOMPARE(button->text(), QStringLiteral("冻结"));

    label.setImage(filled(8, 6, Qt::red));
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(label.isDongjie());
    QCOMPARE(button->text(), QStringLiteral("解冻"));
    label.setImage(filled(8, 6, Qt::green));
    QCOMPARE(QColor(label.image().pixel(1, 1)), QColor(Qt::red));

    label.setImageFile(path);
    QCOMPARE(QColor(label.image().pixel(1, 1)), QColor(Qt::blue));
    QCOMPARE(label.fileName(), QStringLiteral("stored.png"));

    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!label.isDongjie());
    QCOMPARE(button->text(), QStringLiteral("冻结"));
    label.setImage(filled(8, 6, Qt::green));
    QCOMPARE(QColor(label.image().pixel(1, 1)), QColor(Qt::green));

    // Only the live tile has the button, and only one.
    label.setIndex(0);
    QCOMPARE(label.findChildren<QPushButton *>().size(), 1);
    CameraLabel other;
    other.setIndex(1);
    QVERIFY(!other.freezeButton());
}

void tst_CameraLabel::dropLoadsBrowserEntry()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString first = dir.filePath(QStringLiteral("first.png"));
    const QString second = dir.filePath(QStringLiteral("second.jpg"));
    QVERIFY(filled(10, 10, Qt::red).save(first));
    QVERIFY(filled(12, 10, Qt::white).save(second));

    CameraLabel label;
    label.resize(300, 200);
    label.setIndex(2);
    std::unique_ptr<QMimeData> one(browserDrag({first}));
    QVERIFY(drop(&label, one.get()));
    QCOMPARE(label.fileName(), QStringLiteral("first.png"));
    QCOMPARE(label.image().size(), QSize(10, 10));

    std::unique_ptr<QMimeData> two(browserDrag({first, second}));
    QVERIFY(drop(&label, two.get(), Qt::MoveAction));
    QCOMPARE(label.fileName(), QStringLiteral("second.jpg"));
    QCOMPARE(label.image().size(), QSize(12, 10));
}

void tst_CameraLabel::dropRefused()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.png"));
    QVERIFY(filled(10, 10, Qt::red).save(path));

    CameraLabel live;
    live.setIndex(0);
    std::unique_ptr<QMimeData> entry(browserDrag({path}));
    QVERIFY(!drop(&live, entry.get()));
    QVERIFY(live.image().isNull());

    CameraLabel tile;
    tile.setIndex(1);
    QMimeData text;
    text.setText(path);
    text.setUrls({QUrl::fromLocalFile(path)});
    QVERIFY(!drop(&tile, &text));
    QVERIFY(tile.image().isNull());

    // Damaged data of the right format loads nothing.
    QMimeData broken;
    broken.setData(QLatin1String(CameraLabel::DragFormat), QByteArray("\x00\x00\x00", 3));
    drop(&tile, &broken);
    QVERIFY(tile.image().isNull());
}

void tst_CameraLabel::geometry_data()
{
    QTest::addColumn<QSize>("tile");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QRect>("drawn");
    QTest::addColumn<QRect>("add");

    QTest::newRow("wide picture") << QSize(300, 200) << QSize(1920, 1080) << QRect(2, 17, 296, 166)
                                  << QRect(130, 80, 40, 40);
    QTest::newRow("tall picture") << QSize(300, 200) << QSize(100, 200) << QRect(101, 2, 98, 196)
                                  << QRect(130, 80, 40, 40);
    QTest::newRow("odd tile") << QSize(301, 201) << QSize(297, 197) << QRect(2, 2, 297, 197)
                              << QRect(130, 80, 40, 40);
}

void tst_CameraLabel::geometry()
{
    QFETCH(QSize, tile);
    QFETCH(QSize, picture);
    QFETCH(QRect, drawn);
    QFETCH(QRect, add);
    QCOMPARE(cameraLabelPictureRect(tile, picture), drawn);
    QCOMPARE(cameraLabelAddRect(tile), add);
    QCOMPARE(cameraLabelInnerRect(tile), QRect(2, 2, tile.width() - 4, tile.height() - 4));
}

void tst_CameraLabel::freezeButtonPlacement()
{
    CameraLabel label;
    label.resize(300, 200);
    label.setIndex(0);
    QCOMPARE(label.freezeButton()->geometry(), QRect(135, 165, 140, 30));
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    label.resize(640, 480);
    QCOMPARE(label.freezeButton()->geometry(), QRect(475, 445, 140, 30));
}

QTEST_MAIN(tst_CameraLabel)
#include "tst_cameralabel.moc"
