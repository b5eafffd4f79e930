#include "app/LanguageMenu.h"

#include "app/LanguageNames.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace {

// Language selected when the stored index is not in the table.
constexpr int kDefaultLanguage = 1;

// The names were always the window's texts: they keep its translation context.
QString windowText(const char *text)
{
    return QCoreApplication::translate("Specula", text);
}

} // namespace

LanguageMenu::LanguageMenu(QMenu *menu, QObject *parent)
    : QObject(parent)
{
    m_langs = {
        {QString(), QT_TRANSLATE_NOOP("Specula", "中文")},
        {QStringLiteral("en"), QT_TRANSLATE_NOOP("Specula", "英语")},
        {QStringLiteral("zh"), QT_TRANSLATE_NOOP("Specula", "繁体中文")},
        {QStringLiteral("fr"), QT_TRANSLATE_NOOP("Specula", "法国")},
        {QStringLiteral("it"), QT_TRANSLATE_NOOP("Specula", "意大")},
        {QStringLiteral("ja"), QT_TRANSLATE_NOOP("Specula", "日语")},
        {QStringLiteral("ko"), QT_TRANSLATE_NOOP("Specula", "韩语")},
        {QStringLiteral("ru"), QT_TRANSLATE_NOOP("Specula", "俄语")},
        {QStringLiteral("de"), QT_TRANSLATE_NOOP("Specula", "德语")},
        {QStringLiteral("es"), QT_TRANSLATE_NOOP("Specula", "西班牙")},
        {QStringLiteral("pt"), QT_TRANSLATE_NOOP("Specula", "葡萄牙")},
        {QStringLiteral("nl"), QT_TRANSLATE_NOOP("Specula", "荷兰")},
        {QStringLiteral("pl"), QT_TRANSLATE_NOOP("Specula", "波兰")},
        {QStringLiteral("uk"), QT_TRANSLATE_NOOP("Specula", "乌克兰")},
        {QStringLiteral("lt"), QT_TRANSLATE_NOOP("Specula", "立陶宛")},
        {QStringLiteral("hu"), QT_TRANSLATE_NOOP("Specula", "匈牙利")},
    };
    for (const auto &lang : qAsConst(m_langs)) {
        QAction *action = menu->addAction(
            languageMenuText(nativeLanguageName(lang.first), windowText(lang.second), false));
        action->setCheckable(true);
        m_actions.append(action);
    }
}

int LanguageMenu::select(int index)
{
    if (index < 0 || index >= m_langs.size())
        index = kDefaultLanguage;
    // Installing does not check for an earlier install of the same translator; take it out
    // first so that switching back and forth never piles up entries.
    QCoreApplication::removeTranslator(&m_translator);
    if (index != 0) {
        // A missing file leaves the translator empty: texts then show in the source language.
        loadTranslation(m_translator, QCoreApplication::applicationDirPath(),
                        m_langs.at(index).first);
        QCoreApplication::installTranslator(&m_translator);
    }
    return index;
}

void LanguageMenu::relabel(int index)
{
    // Each language under its own name, so that it can be found from any other language.
    for (int i = 0; i < m_actions.size(); ++i) {
        m_actions.at(i)->setChecked(i == index);
        m_actions.at(i)->setText(languageMenuText(nativeLanguageName(m_langs.at(i).first),
                                                  windowText(m_langs.at(i).second), i == index));
    }
}
