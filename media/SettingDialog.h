#pragma once

#include "config/Config.h"

#include <QDialog>

namespace Ui {
class SettingDialogClass;
}

/// Edits the two root folders of stored pictures and videos on a copy of the settings.
///
/// The caller copies its settings in with setConfig(), runs the dialog and, when it was
/// accepted, takes the two folders back from config() (only those: the rest of the copy may be
/// stale by then). An empty folder entry keeps the folder the dialog was given.
class SettingDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(SettingDialog)

public:
    explicit SettingDialog(QWidget *parent = nullptr);
    ~SettingDialog() override;

    void setConfig(const Config &config) { m_config = config; }
    const Config &config() const { return m_config; }

public slots:
    void accept() override;
    void onBtnOk();
    void onBtnCancel();
    void onBtnImagePath();
    void onBtnMoviePath();

protected:
    void showEvent(QShowEvent *event) override;

private:
    Ui::SettingDialogClass *m_ui = nullptr;
    Config m_config;
};
