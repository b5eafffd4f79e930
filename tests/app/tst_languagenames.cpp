#include "app/LanguageNames.h"

#include <QtTest>

class tst_LanguageNames : public QObject
{
    Q_OBJECT

private slots:
    void menuText_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("local");
        QTest::addColumn<QString>("expected");
        QTest::newRow("German in English") << "de"
                                           << "German"
                                           << "Deutsch (German)";
        QTest::newRow("German in German") << "de"
                                          << "Deutsch"
                                          << "Deutsch";
        QTest::newRow("Ukrainian in Chinese") << "uk"
                                              << "乌克兰"
                                              << "Українська (乌克兰)";
        QTest::newRow("Japanese in Japanese") << "ja"
                                              << "日本語"
                                              << "日本語";
        // The source language calls itself "中文": the longer own name already says it.
        QTest::newRow("Chinese in Chinese") << ""
                                            << "中文"
                                            << "简体中文";
        QTest::newRow("Chinese in English") << ""
                                            << "Simplified Chinese"
                                            << "简体中文 (Simplified Chinese)";
        QTest::newRow("case only") << "en"
                                   << "english"
                                   << "English";
        QTest::newRow("no local name") << "hu"
                                       << " "
                                       << "Magyar";
        QTest::newRow("unknown code") << "xx"
                                      << "Klingon"
                                      << "Klingon";
    }

    void menuText()
    {
        QFETCH(QString, code);
        QFETCH(QString, local);
        QTEST(languageMenuText(nativeLanguageName(code), local), "expected");
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
        QFile installed(share + "/specula_de.qm");
        QVERIFY(installed.open(QIODevice::WriteOnly));
        installed.close();
        QCOMPARE(translationFilePath(bin, "de"), installed.fileName());
        QFile local(beside);
        QVERIFY(local.open(QIODevice::WriteOnly));
        local.close();
        QCOMPARE(translationFilePath(bin, "de"), beside);
        QCOMPARE(translationFilePath(bin, "ja"), bin + "/lang/specula_ja.qm");
    }
};

QTEST_GUILESS_MAIN(tst_LanguageNames)
#include "tst_languagenames.moc"
