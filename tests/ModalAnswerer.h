#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

/// Answers the modal dialogs and popup menus a test's call opens, in order: each step gets
/// the active modal widget (or popup) and returns true once it has dealt with it. Steps left
/// over when the call returns mean a dialog the test expected never came.
class ModalAnswerer : public QObject
{
public:
    using Step = std::function<bool(QWidget *)>;

    explicit ModalAnswerer(std::initializer_list<Step> steps)
        : m_steps(steps)
    {
        connect(&m_poll, &QTimer::timeout, this, [this] {
            if (m_steps.isEmpty())
                return;
            QWidget *active = QApplication::activePopupWidget();
            if (!active)
                active = QApplication::activeModalWidget();
            if (active && active->isVisible() && m_steps.first()(active))
                m_steps.removeFirst();
        });
        m_poll.start(20);
    }
    int pending() const { return m_steps.size(); }

private:
    QList<Step> m_steps;
    QTimer m_poll;
};

/// A step that clicks the menu entry with that text and records the visible entries.
inline ModalAnswerer::Step chooseMenuEntry(const QString &text, QStringList *shown = nullptr)
{
    return [text, shown](QWidget *w) {
        auto *menu = qobject_cast<QMenu *>(w);
        if (!menu)
            return false;
        QAction *chosen = nullptr;
        for (QAction *action : menu->actions()) {
            if (shown && action->isVisible())
                shown->append(action->text());
            if (action->text() == text)
                chosen = action;
        }
        if (chosen)
            menu->setActiveAction(chosen);
        // Enter on the active entry, or Escape when the test only looked.
        QKeyEvent press(QEvent::KeyPress, chosen ? Qt::Key_Return : Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(menu, &press);
        return true;
    };
}
