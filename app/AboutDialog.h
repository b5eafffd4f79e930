#pragma once

#include <QDialog>

class QLabel;

/// The modal box of the help menu: logo, program title, version and how to get support.
class AboutDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(AboutDialog)

public:
    explicit AboutDialog(QWidget *parent = nullptr);
    ~AboutDialog() override;

    /// The version the program was built as.
    static QString version();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    QLabel *m_logo = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_version = nullptr;
    QLabel *m_contact = nullptr;
};
