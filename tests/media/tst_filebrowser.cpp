#include "media/CustomListWidgetItem.h"
#include "media/FileBrowser.h"
#include "media/ThumbnailLoader.h"

#include "ModalAnswerer.h"
#include "TestVideo.h"

#include <QtTest>
#include <QtWidgets>

Q_DECLARE_METATYPE(QListWidgetItem *)

namespace {

// Writes a file whose creation time is later than `after`, so that sorting by creation time
// has a defined answer (file systems stamp with a coarse clock).
QDateTime makeFile(const QString &path, const QDateTime &after = QDateTime())
{
    for (;;) {
        QFile::remove(path);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return QDateTime();
        file.write("x");
        file.close();
        const QDateTime created = fileCreatedTime(path);
        if (!after.isValid() || created > after)
            return created;
        QTest::qWait(5);
    }
}

QDateTime makeFolder(const QString &path, const QDateTime &after = QDateTime())
{
    for (;;) {
        QDir(path).removeRecursively();
        QDir().mkpath(path);
        const QDateTime created = fileCreatedTime(path);
        if (!after.isValid() || created > after)
            return created;
        QTest::qWait(5);
    }
}

QStringList names(const FileBrowser &browser)
{
    QStringList result;
    for (int i = 0; i < browser.listWidget()->count(); ++i)
        result << browser.listWidget()->item(i)->text();
    return result;
}

} // namespace

class tst_FileBrowser : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString base() const { return m_dir.filePath(QStringLiteral("root")); }

private slots:
    void initTestCase() { qRegisterMetaType<QListWidgetItem *>(); }

    void init()
    {
        QVERIFY(m_dir.isValid());
        QDir(base()).removeRecursively();
        QVERIFY(QDir().mkpath(base()));
    }

    void listsFoldersThenFilesNewestFirst()
    {
        QDateTime t = makeFolder(base() + "/older folder");
        t = makeFile(base() + "/b.jpg", t);
        t = makeFolder(base() + "/newer folder", t);
        t = makeFile(base() + "/a.png", t);
        t = makeFile(base() + "/c.bmp", t);
        makeFile(base() + "/clip.mp4", t);
        makeFile(base() + "/notes.txt", t);
        makeFile(base() + "/upper.JPG", t); // the suffix test regards case

        FileBrowser browser;
        browser.setMode(0);
        browser.setBasePath(base());
        QCOMPARE(browser.currentPath(), base());
        QCOMPARE(names(browser),
                 QStringList({"newer folder", "older folder", "c.bmp", "a.png", "b.jpg"}));
        const auto *folder = dynamic_cast<CustomListWidgetItem *>(browser.listWidget()->item(0));
        QVERIFY(folder && folder->isDir);
        QVERIFY(!(folder->flags() & Qt::ItemIsDragEnabled));
        QCOMPARE(folder->data(Qt::UserRole).toString(), base() + "/newer folder");

        FileBrowser videos;
        videos.setMode(1);
        videos.setBasePath(base());
        QCOMPARE(names(videos), QStringList({"newer folder", "older folder", "clip.mp4"}));

        // A new entry sorts in by its own creation time.
        makeFile(base() + "/d.jpg", t);
        browser.addItem(base() + "/d.jpg");
        QCOMPARE(names(browser).mid(2, 2), QStringList({"d.jpg", "c.bmp"}));
        browser.renameItem(base() + "/b.jpg", base() + "/renamed.jpg");
        QCOMPARE(names(browser).last(), QStringLiteral("renamed.jpg"));
        QCOMPARE(browser.listWidget()->item(5)->data(Qt::UserRole).toString(),
                 base() + "/renamed.jpg");
    }

    void searchIgnoresCase()
    {
        makeFile(base() + "/abc.png");
        makeFile(base() + "/ABD.png");
        makeFile(base() + "/xyz.png");
        QDir().mkpath(base() + "/Archive");
        FileBrowser browser;
        browser.setMode(0);
        browser.setBasePath(base());
        auto *search = browser.findChild<QLineEdit *>("lineSearch");
        QVERIFY(search);
        QCOMPARE(search->placeholderText(), QStringLiteral("Search"));
        search->setText("a");
        QTest::keyClick(search, Qt::Key_Return);
        QStringList found = names(browser);
        found.sort();
        QCOMPARE(found, QStringList({"ABD.png", "Archive", "abc.png"}));
        search->clear();
        browser.onSearchButtonClicked();
        QCOMPARE(browser.listWidget()->count(), 4);
    }

    void backNeverLeavesTheBase()
    {
        QDir().mkpath(base() + "/Photo/deeper");
        FileBrowser browser;
        browser.setMode(0);
        browser.setBasePath(base());
        auto *label = browser.findChild<QLabel *>("labelPath");
        QCOMPARE(label->text(), QStringLiteral("root"));

        browser.setCurrentPath(base() + "/Photo/deeper");
        QCOMPARE(label->text(), QStringLiteral("root/Photo/deeper"));
        QCOMPARE(label->toolTip(), base() + "/Photo/deeper");
        browser.onBackButtonClicked();
        QCOMPARE(browser.currentPath(), base() + "/Photo");
        browser.onBackButtonClicked();
        QCOMPARE(browser.currentPath(), base());
        browser.onBackButtonClicked();
        QCOMPARE(browser.currentPath(), base());

        // A missing folder changes nothing; one outside the base shows the base.
        browser.setCurrentPath(base() + "/Photo");
        browser.setCurrentPath(base() + "/gone");
        QCOMPARE(browser.currentPath(), base() + "/Photo");
        browser.setCurrentPath(m_dir.path());
        QCOMPARE(browser.currentPath(), base());
        browser.setCurrentPath(base() + "/Photo/../..");
        QCOMPARE(browser.currentPath(), base());
    }

    void createsFoldersOnlyInside_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("created");
        QTest::newRow("default name") << "New Folder"
                                      << "New Folder";
        QTest::newRow("parent") << ".." << QString();
        QTest::newRow("dot") << "." << QString();
        QTest::newRow("slash") << "../escape" << QString();
        QTest::newRow("backslash") << "a\\b" << QString();
        QTest::newRow("blank") << "   " << QString();
        QTest::newRow("cancelled") << QString() << QString();
    }
    void createsFoldersOnlyInside()
    {
        QFETCH(QString, name);
        QFETCH(QString, created);
        FileBrowser browser;
        browser.setMode(0);
        browser.setBasePath(base());
        {
            const ModalAnswerer answer{typeText(name)};
            browser.onCreateFolderClicked();
        }
        const QStringList inside = QDir(base()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(inside, created.isEmpty() ? QStringList() : QStringList(created));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList("root"));
        QCOMPARE(names(browser), inside);

        // The same name again creates nothing new; the list is rebuilt all the same.
        if (!created.isEmpty()) {
            const ModalAnswerer answer{typeText(name)};
            browser.onCreateFolderClicked();
            QCOMPARE(names(browser), inside);
        }
    }

    void doubleClickOpensFoldersAndReportsFiles()
    {
        QDir().mkpath(base() + "/Photo");
        makeFile(base() + "/Photo/x.jpg");
        FileBrowser browser;
        browser.setMode(0);
        browser.setBasePath(base());
        QSignalSpy opened(&browser, &FileBrowser::sigItemOpen);
        browser.onItemDoubleClicked(browser.listWidget()->item(0));
        QCOMPARE(browser.currentPath(), base() + "/Photo");
        QCOMPARE(opened.count(), 0);
        QListWidgetItem *file = browser.listWidget()->item(0);
        browser.onItemDoubleClicked(file);
        QCOMPARE(opened.count(), 1);
        QCOMPARE(opened.at(0).at(0).value<QListWidgetItem *>(), file);
    }

    void thumbnailsArriveFromWorkers()
    {
        QImage picture(640, 480, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(base() + "/red.jpg"));
        makeFile(base() + "/broken.png"); // one byte: does not decode
        TestVideo video;
        video.audioFirst = true;
        QVERIFY(writeTestVideo(base() + "/clip.mp4", video));

        FileBrowser pictures;
        pictures.setMode(0);
        pictures.setBasePath(base());
        FileBrowser videos;
        videos.setMode(1);
        videos.setBasePath(base());

        const auto thumbnail = [](const FileBrowser &browser, const QString &name) {
            const QList<QListWidgetItem *> items =
                browser.listWidget()->findItems(name, Qt::MatchExactly);
            return items.isEmpty() ? QImage()
                                   : items.first()->icon().pixmap(FileBrowser::IconSize).toImage();
        };
        const auto isRedIn = [&](const FileBrowser &browser, const QString &name, QColor c) {
            const QImage image = thumbnail(browser, name);
            if (image.size() != FileBrowser::IconSize)
                return false;
            const QColor centre = image.pixelColor(80, 60);
            return qAbs(centre.red() - c.red()) < 40 && qAbs(centre.green() - c.green()) < 40 &&
                   qAbs(centre.blue() - c.blue()) < 40;
        };
        // Every file is listed at once, with its placeholder.
        QCOMPARE(pictures.listWidget()->count(), 2);
        QTRY_VERIFY(isRedIn(pictures, "red.jpg", Qt::red));
        QTRY_VERIFY(pictures.listWidget()
                        ->findItems("broken.png", Qt::MatchExactly)
                        .first()
                        ->icon()
                        .isNull());
        // The quadrant pattern: its top-left quarter is red.
        QTRY_VERIFY(thumbnail(videos, "clip.mp4").pixelColor(40, 30).red() > 200);
        QVERIFY(thumbnail(videos, "clip.mp4").pixelColor(120, 90).blue() > 200);
    }
};

QTEST_MAIN(tst_FileBrowser)
#include "tst_filebrowser.moc"
