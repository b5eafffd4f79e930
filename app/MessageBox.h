#pragma once

#include <QObject>

class QWidget;

/// The program's modal question and information boxes, with Chinese button captions that go
/// through the translation layer.
class MessageBox final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(MessageBox)

public:
    /// Buttons "是" and "否"; returns the code of the button pressed (QMessageBox::Yes or
    /// QMessageBox::No; closing the box counts as No).
    static int question(QWidget *parent, const QString &title, const QString &text);
    /// One button "确定".
    static void information(QWidget *parent, const QString &title, const QString &text);

private:
    MessageBox() = default;
};
