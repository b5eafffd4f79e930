#include "app/MessageBox.h"

#include <QAbstractButton>
#include <QMessageBox>

int MessageBox::question(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(tr("是"));
    box.button(QMessageBox::No)->setText(tr("否"));
    box.setEscapeButton(QMessageBox::No);
    return box.exec();
}

void MessageBox::information(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText(tr("确定"));
    box.exec();
}
