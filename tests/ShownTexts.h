#pragma once

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QTreeView>

// What a window shows a user in words, read from its real widgets, so that a test can check
// the language of everything on screen rather than of the translation files.

/// One text a widget or action shows, with its owner's object name for the failure message.
struct ShownText
{
    QString owner;
    QString text;
};

/// Every text the widgets and actions under `root` show: labels, button texts and tool tips,
/// group and tab titles, combo-box entries, place-holders, header labels, menu titles and
/// action texts. Actions for which `skip` returns true are left out.
template <typename Skip> QVector<ShownText> shownTexts(QWidget *root, Skip skip)
{
    QVector<ShownText> texts;
    const auto add = [&texts](const QObject *owner, const QString &text) {
        if (!text.trimmed().isEmpty())
            texts.append({owner->objectName(), text});
    };
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *w : qAsConst(widgets)) {
        add(w, w->toolTip());
        if (auto *label = qobject_cast<QLabel *>(w))
            add(w, label->text());
        if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            auto *tool = qobject_cast<QToolButton *>(w);
            // An icon-only tool button shows its text as the tool tip at most.
            if (!tool || tool->toolButtonStyle() != Qt::ToolButtonIconOnly)
                add(w, button->text());
        }
        if (auto *group = qobject_cast<QGroupBox *>(w))
            add(w, group->title());
        if (auto *tabs = qobject_cast<QTabWidget *>(w))
            for (int i = 0; i < tabs->count(); ++i)
                add(w, tabs->tabText(i));
        if (auto *box = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < box->count(); ++i)
                add(w, box->itemText(i));
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            add(w, edit->placeholderText());
        if (auto *menu = qobject_cast<QMenu *>(w))
            add(w, menu->title());
        // Tables and trees show their column titles; lists have none.
        auto *view = qobject_cast<QAbstractItemView *>(w);
        if ((qobject_cast<QTableView *>(w) || qobject_cast<QTreeView *>(w)) && view->model()) {
            const QAbstractItemModel *model = view->model();
            for (int i = 0; i < model->columnCount(); ++i)
                add(w, model->headerData(i, Qt::Horizontal).toString());
        }
    }
    for (QAction *action : root->findChildren<QAction *>())
        if (!action->isSeparator() && !skip(action))
            add(action, action->text());
    return texts;
}

/// True when the text holds a Chinese character (Han script, which Japanese also writes).
inline bool hasHan(const QString &text)
{
    for (const QChar c : text)
        if (c.script() == QChar::Script_Han)
            return true;
    return false;
}

/// Texts cut off on screen: visible labels, buttons and group titles under `root` that have
/// less room than their text needs; a label that wraps, too narrow for a word or too low for
/// its lines.
inline QStringList clippedTexts(QWidget *root)
{
    QStringList clipped;
    const auto check = [&clipped, root](QWidget *w, const QString &text, int needed) {
        if (!text.isEmpty() && w->isVisibleTo(root->window()) && w->width() < needed)
            clipped.append(QStringLiteral("%1 \"%2\": %3 of %4 px")
                               .arg(w->objectName(), text)
                               .arg(w->width())
                               .arg(needed));
    };
    for (QWidget *w : root->findChildren<QWidget *>()) {
        if (auto *label = qobject_cast<QLabel *>(w)) {
            if (!label->pixmap(Qt::ReturnByValue).isNull())
                continue;
            // A label that wraps needs its longest word on a line and the height of its lines.
            check(w, label->text(), label->minimumSizeHint().width());
            if (label->wordWrap() && w->isVisibleTo(root->window()) &&
                w->height() < label->heightForWidth(w->width()))
                clipped.append(QStringLiteral("%1 \"%2\": %3 of %4 px high")
                                   .arg(w->objectName(), label->text())
                                   .arg(w->height())
                                   .arg(label->heightForWidth(w->width())));
        } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            // The text and the icon beside it, with a little room for the frame; a button's
            // size hint adds style padding and would report slack as clipping.
            auto *tool = qobject_cast<QToolButton *>(w);
            if (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
                continue;
            const bool iconBeside =
                !button->icon().isNull() &&
                (!tool || tool->toolButtonStyle() != Qt::ToolButtonTextUnderIcon);
            check(w, button->text(),
                  button->fontMetrics().horizontalAdvance(button->text()) +
                      (iconBeside ? button->iconSize().width() + 4 : 0) + 8);
        } else if (auto *group = qobject_cast<QGroupBox *>(w)) {
            check(w, group->title(), group->fontMetrics().horizontalAdvance(group->title()));
        } else if (auto *area = qobject_cast<QScrollArea *>(w)) {
            // Without a horizontal scroll bar, content wider than the view is cut at its edge
            // although every label in it has the room it asks for.
            QWidget *content = area->widget();
            if (content && area->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff &&
                area->isVisibleTo(root->window()) && content->width() > area->viewport()->width())
                clipped.append(QStringLiteral("%1: content %2 of %3 px")
                                   .arg(w->objectName())
                                   .arg(content->width())
                                   .arg(area->viewport()->width()));
        }
    }
    return clipped;
}
