#include "app/LanguageNames.h"

#include "app/LogCategories.h"

#include <QDir>
#include <QFileInfo>
#include <QTranslator>

#ifndef LUMIVEX_INSTALLED_LANG_DIR
#define LUMIVEX_INSTALLED_LANG_DIR "../share/lumivexpro/lang"
#endif

QString nativeLanguageName(const QString &code)
{
    static const struct
    {
        const char *code;
        const char *name;
    } names[] = {
        {"", "简体中文"},   {"en", "English"},    {"zh", "繁體中文"},  {"fr", "Français"},
        {"it", "Italiano"}, {"ja", "日本語"},     {"ko", "한국어"},    {"ru", "Русский"},
        {"de", "Deutsch"},  {"es", "Español"},    {"pt", "Português"}, {"nl", "Nederlands"},
        {"pl", "Polski"},   {"uk", "Українська"}, {"lt", "Lietuvių"},  {"hu", "Magyar"},
    };
    for (const auto &entry : names)
        if (code == QLatin1String(entry.code))
            return QString::fromUtf8(entry.name);
    return QString();
}

QString languageMenuText(const QString &nativeName, const QString &localName, bool inForce)
{
    const QString local = localName.trimmed();
    if (nativeName.isEmpty())
        return local;
    if (inForce || local.isEmpty() || nativeName.compare(local, Qt::CaseInsensitive) == 0)
        return nativeName;
    return nativeName + QStringLiteral(" (") + local + QLatin1Char(')');
}

QString translationFilePath(const QString &programDir, const QString &code)
{
    const QString name = QStringLiteral("specula_") + code + QStringLiteral(".qm");
    const QString beside = programDir + QStringLiteral("/lang/") + name;
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed =
        QDir::cleanPath(programDir + QLatin1Char('/') + QStringLiteral(LUMIVEX_INSTALLED_LANG_DIR) +
                        QLatin1Char('/') + name);
    return QFileInfo::exists(installed) ? installed : beside;
}

bool loadTranslation(QTranslator &translator, const QString &programDir, const QString &code)
{
    const QString path = translationFilePath(programDir, code);
    if (!translator.load(path)) {
        qCWarning(lcApp) << "no translation for" << code << "at" << path;
        return false;
    }
    qCDebug(lcApp) << "translation for" << code << "from" << path;
    return true;
}
