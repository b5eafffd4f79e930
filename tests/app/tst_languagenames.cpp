#include "app/LanguageNames.h"

#include "TestFiles.h"

#include <QtTest>

class tst_LanguageNames : public QObject
{
    Q_OBJECT

private slots:
    void menuText_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("local");
        QTest::addColumn<bool>("inForce");
        QTest::addColumn<QString>("expected");
        QTest::newRow("German in English") << "de"
                                           << "German" << false << "Deutsch (German)";
        QTest::newRow("German in German") << "de"
                                          << "Deutsch" << true << "Deutsch";
        QTest::newRow("Ukrainian in Chinese") << "uk"
                                              << "乌克兰" << false << "Українська (乌克兰)";
        // A prefix is not the same name.
        QTest::newRow("Italian in English") << "it"
                                            << "Italian" << false << "Italiano (Italian)";
        // The source language calls itself "中文": in force, its own full name alone.
        QTest::newRow("Chinese in Chinese") << ""
                                            << "中文" << true << "简体中文";
        QTest::newRow("Chinese in English")
            << ""
            << "Simplified Chinese" << false << "简体中文 (Simplified Chinese)";
        QTest::newRow("same name, other case") << "en"
                                               << "english" << false << "English";
        QTest::newRow("no local name") << "hu"
                                       << " " << false << "Magyar";
        QTest::newRow("unknown code") << "xx"
                                      << "Klingon" << false << "Klingon";
    }

    void menuText()
    {
        QFETCH(QString, code);
        QFETCH(QString, local);
        QFETCH(bool, inForce);
        QTEST(languageMenuText(nativeLanguageName(code), local, inForce), "expected");
    }

    void everyMenuLanguageHasAnOwnName()
    {
        const QStringList codes{"",   "en", "zh", "fr", "it", "ja", "ko", "ru",
                                "de", "es", "pt", "nl", "pl", "uk", "lt", "hu"};
        QSet<QString> names;
        for (const QString &code : codes)
            names.insert(nativeLanguageName(code));
        QCOMPARE(names.size(), codes.size());
        QVERIFY(!names.contains(QString()));
    }

    // Beside the program first; an installed program finds its copy under share/.
    void translationFile()
    {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QString bin = root.path() + "/bin";
        const QString share = root.path() + "/share/lumivexpro/lang";
        QVERIFY(QDir().mkpath(bin + "/lang") && QDir().mkpath(share));
        const QString beside = bin + "/lang/specula_de.qm";

        QCOMPARE(translationFilePath(bin, "de"), beside); // neither exists
        QVERIFY(writeFile(share + "/specula_de.qm"));
        QCOMPARE(translationFilePath(bin, "de"), share + "/specula_de.qm");
        QVERIFY(writeFile(beside));
        QCOMPARE(translationFilePath(bin, "de"), beside);
        QCOMPARE(translationFilePath(bin, "ja"), bin + "/lang/specula_ja.qm");
    }
};

QTEST_GUILESS_MAIN(tst_LanguageNames)
#include "tst_languagenames.moc"
