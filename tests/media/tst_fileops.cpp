#include "media/FileOps.h"

#include "TestFiles.h"

#include <QtTest>

// File operations on temporary folders; the trash is the one of a test home.
class tst_FileOps : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;
    QString trashFiles() const { return m_home.path() + QStringLiteral("/share/Trash/files"); }

private slots:
    void initTestCase()
    {
        // The desktop's trash lives under XDG_DATA_HOME; keep it inside the test's folder,
        // on the same disk as the files it receives.
        QVERIFY(m_home.isValid());
        // The folder does not exist yet, as on a fresh account.
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.path() + QStringLiteral("/share")));
    }

    void removeMovesFilesAndFoldersToTheTrash()
    {
        QTemporaryDir dir(m_home.path() + QStringLiteral("/work-XXXXXX"));
        const QString file = dir.filePath(QStringLiteral("cell #1.jpg"));
        QVERIFY(writeFile(file, "picture"));
        const QString folder = dir.filePath(QStringLiteral("series 2"));
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/inner")));
        QVERIFY(writeFile(folder + QStringLiteral("/inner/a.png"), "a"));

        QCOMPARE(FileOps::remove(file), FileOps::Removal::Trashed);
        QVERIFY(!QFile::exists(file));
        QCOMPARE(readFile(trashFiles() + QStringLiteral("/cell #1.jpg")), QByteArray("picture"));
        // The trash is where the desktop looks, not below the working directory.
        QVERIFY(!QFile::exists(QStringLiteral("files/cell #1.jpg")));
        QCOMPARE(FileOps::remove(folder), FileOps::Removal::Trashed);
        QVERIFY(!QFileInfo::exists(folder));
        QVERIFY(QFile::exists(trashFiles() + QStringLiteral("/series 2/inner/a.png")));
        // Gone already: nothing to remove is a failure, not a success.
        QCOMPARE(FileOps::remove(file), FileOps::Removal::Failed);
    }

    void renameRefusals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("result");
        QTest::newRow("blank") << QStringLiteral("  ") << int(FileOps::Rename::BadName);
        QTest::newRow("dot") << QStringLiteral(".") << int(FileOps::Rename::BadName);
        QTest::newRow("dot dot") << QStringLiteral("..") << int(FileOps::Rename::BadName);
        QTest::newRow("slash") << QStringLiteral("../out.jpg") << int(FileOps::Rename::BadName);
        QTest::newRow("backslash") << QStringLiteral("a\\b.jpg") << int(FileOps::Rename::BadName);
        QTest::newRow("existing") << QStringLiteral("other.jpg") << int(FileOps::Rename::Exists);
        QTest::newRow("same") << QStringLiteral("20240305_140709.jpg")
                              << int(FileOps::Rename::Unchanged);
        QTest::newRow("new") << QStringLiteral("probe #2 100%.jpg") << int(FileOps::Rename::Done);
    }

    void renameRefusals()
    {
        QFETCH(QString, name);
        QFETCH(int, result);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("20240305_140709.jpg"));
        QVERIFY(writeFile(path, "mine"));
        QVERIFY(writeFile(dir.filePath(QStringLiteral("other.jpg")), "other"));
        QString newPath;
        QCOMPARE(int(FileOps::rename(path, name, &newPath)), result);
        if (result == int(FileOps::Rename::Done)) {
            QCOMPARE(newPath, dir.filePath(name));
            QCOMPARE(readFile(newPath), QByteArray("mine"));
            QVERIFY(!QFile::exists(path));
        } else {
            QCOMPARE(readFile(path), QByteArray("mine"));
        }
        // Nothing ever left the folder or replaced another file.
        QCOMPARE(readFile(dir.filePath(QStringLiteral("other.jpg"))), QByteArray("other"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    }

    void copyIntoNeverReplaces()
    {
        QTemporaryDir from;
        QTemporaryDir to;
        const QString source = from.filePath(QStringLiteral("clip 1.mp4"));
        QVERIFY(writeFile(source, "new"));
        QVERIFY(writeFile(to.filePath(QStringLiteral("clip 1.mp4")), "old"));
        QVERIFY(writeFile(to.filePath(QStringLiteral("clip 1_1.mp4")), "older"));
        const QString copy = FileOps::copyInto(source, to.path());
        QCOMPARE(copy, to.filePath(QStringLiteral("clip 1_2.mp4")));
        QCOMPARE(readFile(copy), QByteArray("new"));
        QCOMPARE(readFile(to.filePath(QStringLiteral("clip 1.mp4"))), QByteArray("old"));
        QVERIFY(
            FileOps::copyInto(from.filePath(QStringLiteral("missing.png")), to.path()).isEmpty());
    }

    void copyReplacingReplacesOnlyWhenComplete()
    {
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("a.png"));
        const QString target = dir.filePath(QStringLiteral("b.png"));
        QVERIFY(writeFile(source, "fresh"));
        QVERIFY(writeFile(target, "stale"));
        QVERIFY(FileOps::copyReplacing(source, target));
        QCOMPARE(readFile(target), QByteArray("fresh"));
        QVERIFY(FileOps::copyReplacing(source, source)); // onto itself: unchanged
        QCOMPARE(readFile(source), QByteArray("fresh"));
        QVERIFY(!FileOps::copyReplacing(dir.filePath(QStringLiteral("none.png")), target));
        QCOMPARE(readFile(target), QByteArray("fresh"));
    }

    void filterAndSuffixes()
    {
        QCOMPARE(FileOps::importFilter({QStringLiteral("png"), QStringLiteral("avi")}),
                 QStringLiteral("*.png *.avi"));
        QVERIFY(FileOps::hasSuffix(QStringLiteral("/x/A.JPG"), {QStringLiteral("jpg")}));
        QVERIFY(!FileOps::hasSuffix(QStringLiteral("/x/clip.mp4"), {QStringLiteral("jpg")}));
    }
};

QTEST_GUILESS_MAIN(tst_FileOps)
#include "tst_fileops.moc"
