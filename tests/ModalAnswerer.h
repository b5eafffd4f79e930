#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

/// Answers the modal dialogs and popup menus that open while it lives (a test's call runs
/// their event loops, so the answers come from a timer). Each step gets the active popup or
/// modal widget and returns true once it has dealt with it. The ordered steps answer in turn,
/// one dialog each; steps left over when the call returns mean a dialog the test expected
/// never came. The standing step answers every dialog that comes after them.
class ModalAnswerer : public QObject
{
public:
    using Step = std::function<bool(QWidget *)>;

    explicit ModalAnswerer(std::initializer_list<Step> steps = {}, Step every = {})
        : m_steps(steps)
        , m_every(std::move(every))
    {
        connect(&m_poll, &QTimer::timeout, this, &ModalAnswerer::poll);
        m_poll.start(10);
    }
    /// Answers every message box with `button`, or closes it when it has no such button.
    explicit ModalAnswerer(QMessageBox::StandardButton button);

    int pending() const { return m_steps.size(); }
    int answered() const { return texts.size(); }

    /// What each dialog dealt with said (a message box's text, an input dialog's label) and
    /// its title, in the order they came.
    QStringList texts;
    QStringList titles;

private:
    void poll()
    {
        QWidget *active = QApplication::activePopupWidget();
        if (!active)
            active = QApplication::activeModalWidget();
        if (!active || !active->isVisible()) {
            m_answered = nullptr;
            return;
        }
        // A dialog may close only on the event-loop pass after its answer: answered once.
        if (active == m_answered)
            return;
        const Step &step = m_steps.isEmpty() ? m_every : m_steps.first();
        if (!step)
            return;
        // Read before the answer: the answer may change or close the dialog.
        QString text;
        if (auto *box = qobject_cast<QMessageBox *>(active))
            text = box->text();
        else if (auto *input = qobject_cast<QInputDialog *>(active))
            text = input->labelText();
        const QString title = active->windowTitle();
        if (!step(active))
            return;
        m_answered = active;
        if (!qobject_cast<QMenu *>(active)) {
            texts.append(text);
            titles.append(title);
        }
        if (!m_steps.isEmpty())
            m_steps.removeFirst();
    }

    QList<Step> m_steps;
    Step m_every;
    QPointer<QWidget> m_answered;
    QTimer m_poll;
};

/// A step that presses a message box's button (or closes a box that has none such), keeping
/// the box's text.
inline ModalAnswerer::Step pressButton(QMessageBox::StandardButton button, QString *text = nullptr)
{
    return [button, text](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        if (!box)
            return false;
        if (text)
            *text = box->text();
        if (QAbstractButton *answer = box->button(button))
            answer->click();
        else
            box->reject();
        return true;
    };
}

inline ModalAnswerer::ModalAnswerer(QMessageBox::StandardButton button)
    : ModalAnswerer({}, pressButton(button))
{}

/// A step that types a text into an input dialog and accepts it; a null text cancels.
inline ModalAnswerer::Step typeText(const QString &typed)
{
    return [typed](QWidget *w) {
        auto *dialog = qobject_cast<QInputDialog *>(w);
        if (!dialog)
            return false;
        if (typed.isNull()) {
            dialog->reject();
        } else {
            dialog->setTextValue(typed);
            dialog->accept();
        }
        return true;
    };
}

/// A step that chooses files of one folder in a file dialog (no names: cancels), keeping the
/// dialog's name filters.
///
/// The names go straight into the dialog's name field: `QFileDialog::selectFile` leaves that
/// field alone while it has the keyboard focus, which it may or may not have by the first poll,
/// and the dialog would then wait forever or choose a stale name. The dialog is accepted only
/// once it reports exactly the wanted files.
inline ModalAnswerer::Step chooseFiles(const QString &folder, const QStringList &names,
                                       QStringList *filters = nullptr)
{
    return [folder, names, filters](QWidget *w) {
        auto *dialog = qobject_cast<QFileDialog *>(w);
        if (!dialog)
            return false;
        if (filters)
            *filters = dialog->nameFilters();
        if (names.isEmpty()) {
            dialog->reject();
            return true;
        }
        dialog->setDirectory(folder);
        QStringList wanted;
        for (const QString &name : names)
            wanted.append(QFileInfo(QDir(folder), name).absoluteFilePath());
        if (auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            edit->setText(names.size() == 1
                              ? names.first()
                              : QLatin1Char('"') + names.join(QLatin1String("\" \"")) +
                                    QLatin1Char('"'));
        if (dialog->selectedFiles() != wanted)
            return false;
        // Later: accepting may ask about overwriting, in a box of its own event loop.
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        return true;
    };
}

/// A step that chooses one file (an empty path cancels).
inline ModalAnswerer::Step chooseFile(const QString &path, QStringList *filters = nullptr)
{
    const QFileInfo file(path);
    return chooseFiles(file.absolutePath(),
                       path.isEmpty() ? QStringList() : QStringList(file.fileName()), filters);
}

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
