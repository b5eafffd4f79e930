#include <QtTest>
#include <algorithm>

// Keeps the translations complete: every language holds a finished translation of every text
// the code and the forms show, and of nothing else. A text added to the code without a
// translation fails here, with the commands that fix it.

namespace {

struct TsEntry
{
    QString context;
    QString source;
    QString comment;
    QString type;             // "unfinished", "vanished", "obsolete" or empty
    QStringList translations; // one, or the plural forms
};

struct TsFile
{
    QString language;
    QString sourceLanguage;
    QVector<TsEntry> entries;
    QString error;
};

QStringList fromDefinition(const char *joined)
{
    return QString::fromUtf8(joined).split(QLatin1Char('|'), Qt::SkipEmptyParts);
}

QString tsPath(const QString &dir, const QString &code)
{
    return dir + QStringLiteral("/specula_") + code + QStringLiteral(".ts");
}

QString describe(const TsEntry &entry)
{
    QString text = entry.context + QStringLiteral(": \"") + entry.source + QLatin1Char('"');
    if (!entry.comment.isEmpty())
        text += QStringLiteral(" (") + entry.comment + QLatin1Char(')');
    return text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
}

QString key(const TsEntry &entry)
{
    return entry.context + QChar(0x1f) + entry.source + QChar(0x1f) + entry.comment;
}

void readMessage(QXmlStreamReader &xml, const QString &context, QVector<TsEntry> &entries)
{
    TsEntry entry;
    entry.context = context;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("source")) {
            entry.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("comment")) {
            entry.comment = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            entry.type = xml.attributes().value(QLatin1String("type")).toString();
            QString text;
            bool numerus = false;
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isCharacters()) {
                    text += xml.text();
                } else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) {
                    numerus = true;
                    entry.translations.append(xml.readElementText());
                } else if (xml.isEndElement() && xml.name() == QLatin1String("translation")) {
                    break;
                }
            }
            if (!numerus)
                entry.translations.append(text);
        } else {
            xml.skipCurrentElement();
        }
    }
    entries.append(entry);
}

TsFile readTs(const QString &path)
{
    TsFile ts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ts.error = QStringLiteral("cannot open ") + path;
        return ts;
    }
    QXmlStreamReader xml(&file);
    if (xml.readNextStartElement() && xml.name() == QLatin1String("TS")) {
        ts.language = xml.attributes().value(QLatin1String("language")).toString();
        ts.sourceLanguage = xml.attributes().value(QLatin1String("sourcelanguage")).toString();
        while (xml.readNextStartElement()) {
            if (xml.name() != QLatin1String("context")) {
                xml.skipCurrentElement();
                continue;
            }
            QString context;
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("name"))
                    context = xml.readElementText();
                else if (xml.name() == QLatin1String("message"))
                    readMessage(xml, context, ts.entries);
                else
                    xml.skipCurrentElement();
            }
        }
    } else {
        xml.raiseError(QStringLiteral("not a translation source"));
    }
    if (xml.hasError())
        ts.error = path + QStringLiteral(": ") + xml.errorString();
    return ts;
}

// The markers a translation must keep: "%1"-style and "%n" placeholders and accelerators.
QStringList markers(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?(\\d{1,2}|n)"));
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found.append(it.next().captured(0));
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('&'))
            ++i; // "&&" is a literal ampersand
        else
            found.append(QStringLiteral("&"));
    }
    found.sort();
    return found;
}

bool hasHan(const QString &text)
{
    for (const QChar c : text)
        if (c.script() == QChar::Script_Han)
            return true;
    return false;
}

// A sentence ends with a full stop or a question mark; an ellipsis, a colon or an
// abbreviation ("Wył.") ends a label.
bool endsSentence(QString text)
{
    text = text.trimmed();
    // A word, or words that each end with a dot, are abbreviations ("Std. dev."), not a
    // sentence.
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (std::all_of(words.begin(), words.end(),
                    [](const QString &word) { return word.endsWith(QLatin1Char('.')); }))
        return false;
    if (text.endsWith(QLatin1String("...")) || text.endsWith(QChar(0x2026)))
        return false;
    return !text.isEmpty() && QStringLiteral(".?!\u3002\uff1f\uff01").contains(text.back());
}

QString failureList(const QString &what, const QStringList &items)
{
    const int shown = 25;
    QString text =
        what + QStringLiteral(":\n  ") + items.mid(0, shown).join(QStringLiteral("\n  "));
    if (items.size() > shown)
        text += QStringLiteral("\n  ... and %1 more").arg(items.size() - shown);
    return text;
}

const char *const kHowToFix =
    "\nRun `cmake --build build --target update_translations`, translate the new entries "
    "(docs/TRANSLATING.md) and commit resources/lang.";

} // namespace

class tst_Translations : public QObject
{
    Q_OBJECT

private:
    QStringList m_languages = fromDefinition(LUMIVEX_LANGUAGES);
    QString m_tsDir = QStringLiteral(LUMIVEX_TS_DIR);

    void addLanguageRows()
    {
        QTest::addColumn<QString>("code");
        for (const QString &code : m_languages)
            QTest::newRow(qPrintable(code)) << code;
    }

private slots:
    void complete_data() { addLanguageRows(); }

    // Every entry is finished and still belongs to the program, in a file that says which
    // language it holds.
    void complete()
    {
        QFETCH(QString, code);
        const TsFile ts = readTs(tsPath(m_tsDir, code));
        QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
        QVERIFY(!ts.entries.isEmpty());
        QCOMPARE(ts.sourceLanguage, QStringLiteral("zh_CN"));
        // Traditional Chinese is filed under "zh"; plural rules come from this attribute.
        QCOMPARE(ts.language, code == QLatin1String("zh") ? QStringLiteral("zh_TW") : code);

        QStringList open;
        for (const TsEntry &entry : ts.entries) {
            const bool empty = std::any_of(entry.translations.cbegin(), entry.translations.cend(),
                                           [](const QString &t) { return t.trimmed().isEmpty(); });
            if (!entry.type.isEmpty() || entry.translations.isEmpty() || empty)
                open.append(describe(entry) +
                            (entry.type.isEmpty()
                                 ? QString()
                                 : QStringLiteral(" [") + entry.type + QLatin1Char(']')));
        }
        QVERIFY2(open.isEmpty(),
                 qPrintable(failureList(QStringLiteral("unfinished or vanished entries"), open) +
                            QString::fromLatin1(kHowToFix)));
    }

    void keepsPlaceholdersAndNoSourceText_data() { addLanguageRows(); }

    // A translation keeps "%1" and accelerators; outside Chinese and Japanese it holds no Han
    // characters, which catches a source text pasted in place of a translation.
    void keepsPlaceholdersAndNoSourceText()
    {
        QFETCH(QString, code);
        const TsFile ts = readTs(tsPath(m_tsDir, code));
        QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
        const bool hanAllowed = code == QLatin1String("zh") || code == QLatin1String("ja");
        QStringList wrong;
        for (const TsEntry &entry : ts.entries) {
            for (const QString &translation : entry.translations) {
                if (translation.isEmpty())
                    continue; // reported by complete()
                if (markers(translation) != markers(entry.source))
                    wrong.append(describe(entry) + QStringLiteral(" -> \"") + translation +
                                 QStringLiteral("\": placeholders or accelerators differ"));
                if (!hanAllowed && hasHan(translation))
                    wrong.append(describe(entry) + QStringLiteral(" -> \"") + translation +
                                 QStringLiteral("\": Chinese characters left"));
            }
        }
        QVERIFY2(wrong.isEmpty(),
                 qPrintable(failureList(QStringLiteral("bad translations"), wrong)));
    }

    void readsLikeEnglish_data() { addLanguageRows(); }

    // English records what a text means: two texts of one window that English tells apart do
    // not read alike, and a message ends with a full stop where English ends it with one
    // (Traditional Chinese follows the source texts, which end without).
    void readsLikeEnglish()
    {
        QFETCH(QString, code);
        const TsFile english = readTs(tsPath(m_tsDir, QStringLiteral("en")));
        const TsFile ts = readTs(tsPath(m_tsDir, code));
        QVERIFY2(english.error.isEmpty() && ts.error.isEmpty(), qPrintable(ts.error));
        QHash<QString, QString> meaning;
        for (const TsEntry &entry : english.entries)
            meaning.insert(key(entry), entry.translations.value(0));
        QHash<QString, const TsEntry *> seen; // context and folded translation -> entry
        QStringList wrong;
        for (const TsEntry &entry : ts.entries) {
            const QString text = entry.translations.value(0);
            const QString en = meaning.value(key(entry));
            const QString word = entry.context + QChar(0x1f) + text.toCaseFolded();
            if (const TsEntry *other = seen.value(word)) {
                if (meaning.value(key(*other)).compare(en, Qt::CaseInsensitive) != 0)
                    wrong.append(QStringLiteral("\"%1\" for both %2 and %3")
                                     .arg(text, describe(*other), describe(entry)));
            }
            seen.insert(word, &entry);
            if (code != QLatin1String("zh") && endsSentence(text) != endsSentence(en))
                wrong.append(describe(entry) + QStringLiteral(" -> \"") + text +
                             QStringLiteral("\": the full stop differs from \"") + en +
                             QLatin1Char('"'));
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(failureList(QStringLiteral("inconsistent"), wrong)));
    }

    // Extracts the texts of the code and forms into a copy of the sources the way
    // update_translations does; the copy must come out with the same entries.
    void sourcesMatchTheCode()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QStringList args = fromDefinition(LUMIVEX_LUPDATE_OPTIONS);
        for (const QString &folder : fromDefinition(LUMIVEX_TRANSLATED_DIRS))
            args.append(QStringLiteral(LUMIVEX_SOURCE_DIR "/") + folder);
        args.append(QStringLiteral("-ts"));
        for (const QString &code : qAsConst(m_languages)) {
            QVERIFY(QFile::copy(tsPath(m_tsDir, code), tsPath(dir.path(), code)));
            args.append(tsPath(dir.path(), code));
        }

        QProcess lupdate;
        lupdate.setWorkingDirectory(QStringLiteral(LUMIVEX_SOURCE_DIR));
        lupdate.start(QStringLiteral(LUMIVEX_LUPDATE), args);
        QVERIFY2(lupdate.waitForStarted(), LUMIVEX_LUPDATE " does not start");
        QVERIFY(lupdate.waitForFinished(120000));
        const QString errors = QString::fromLocal8Bit(lupdate.readAllStandardError());
        QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
                 qPrintable(errors));
        // Warnings (a tr() lupdate cannot read, for instance) hide texts: show them.
        if (!errors.trimmed().isEmpty())
            qWarning("lupdate: %s", qPrintable(errors.trimmed()));

        QStringList problems;
        for (const QString &code : qAsConst(m_languages)) {
            const TsFile committed = readTs(tsPath(m_tsDir, code));
            const TsFile extracted = readTs(tsPath(dir.path(), code));
            QVERIFY2(committed.error.isEmpty(), qPrintable(committed.error));
            QVERIFY2(extracted.error.isEmpty(), qPrintable(extracted.error));
            QSet<QString> before;
            for (const TsEntry &entry : committed.entries)
                before.insert(key(entry));
            QSet<QString> after;
            for (const TsEntry &entry : extracted.entries) {
                after.insert(key(entry));
                if (!before.contains(key(entry)))
                    problems.append(QStringLiteral("specula_%1.ts lacks ").arg(code) +
                                    describe(entry));
            }
            for (const TsEntry &entry : committed.entries)
                if (!after.contains(key(entry)))
                    problems.append(QStringLiteral("specula_%1.ts still has ").arg(code) +
                                    describe(entry) + QStringLiteral(", gone from the code"));
        }
        QVERIFY2(
            problems.isEmpty(),
            qPrintable(failureList(QStringLiteral("the sources differ from the code"), problems) +
                       QString::fromLatin1(kHowToFix)));
    }
};

QTEST_GUILESS_MAIN(tst_Translations)
#include "tst_translations.moc"
