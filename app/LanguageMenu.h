#pragma once

#include <QObject>
#include <QPair>
#include <QTranslator>
#include <QVector>

class QAction;
class QMenu;

/// The "语言" menu and the translator behind it: one checkable entry per language, each shown
/// under its own name and the current language's name for it, and the translation file of the
/// language in force installed in the application. The window retranslates its own texts after
/// select(). GUI thread only.
class LanguageMenu final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(LanguageMenu)

public:
    /// Fills `menu` with the languages, in the order of the stored index.
    LanguageMenu(QMenu *menu, QObject *parent = nullptr);

    /// Installs the translation of entry `index`; an index outside the table selects the
    /// default language. Returns the index in force.
    int select(int index);
    /// The entries' texts in the language now installed, `index` checked.
    void relabel(int index);

    const QVector<QAction *> &actions() const { return m_actions; }

private:
    /// Translation-file code and the menu text in the source language.
    QVector<QPair<QString, const char *>> m_langs;
    QVector<QAction *> m_actions;
    QTranslator m_translator;
};
