#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

/// Answers every modal message box that opens while it lives with `button`, and keeps the
/// boxes' texts.
class BoxAnswer : public QObject
{
public:
    explicit BoxAnswer(QMessageBox::StandardButton button)
        : m_button(button)
    {
        connect(&m_poll, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            texts.append(box->text());
            if (QAbstractButton *answer = box->button(m_button))
                answer->click();
            else
                box->reject();
        });
        m_poll.start(10);
    }
    QStringList texts;

private:
    QMessageBox::StandardButton m_button;
    QTimer m_poll;
};

/// Answers the next modal file dialog with a file name (empty: cancels), keeping its filters.
///
/// The name goes straight into the dialog's name field: `QFileDialog::selectFile` leaves that
/// field alone while it has the keyboard focus, which it may or may not have by the first poll,
/// and the dialog would then wait forever or save under a stale name. The dialog is accepted
/// only once it reports exactly the wanted file.
class FileDialogAnswer : public QObject
{
public:
    explicit FileDialogAnswer(const QString &path)
        : m_path(path)
    {
        connect(&m_poll, &QTimer::timeout, this, [this] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            if (dialog != m_dialog) {
                m_dialog = dialog;
                filters = dialog->nameFilters();
                ++seen;
            }
            if (m_path.isEmpty()) {
                dialog->reject();
                return;
            }
            const QFileInfo wanted(m_path);
            dialog->setDirectory(wanted.absolutePath());
            if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                name->setText(wanted.fileName());
            if (dialog->selectedFiles().value(0) == wanted.absoluteFilePath())
                static_cast<QDialog *>(dialog)->accept(); // protected in QFileDialog
        });
        m_poll.start(10);
    }
    QStringList filters;
    int seen = 0;

private:
    QString m_path;
    QPointer<QFileDialog> m_dialog;
    QTimer m_poll;
};
