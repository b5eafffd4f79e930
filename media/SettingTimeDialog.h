#pragma once

#include "config/Config.h"

#include <QDialog>

namespace Ui {
class SettingTimeDialogClass;
}

class TimedSeriesRunner;

/// Sets up and watches a timed series of pictures or videos. Works on its own copy of the
/// settings; "开始" hands the series fields to the runner, which runs the series from its
/// one-second timer while this dialog is open, and counts each finished step here through
/// TimedSeriesRunner::stepFinished(). Closing the dialog ends the series (the caller does that).
class SettingTimeDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(SettingTimeDialog)

public:
    explicit SettingTimeDialog(QWidget *parent = nullptr);
    ~SettingTimeDialog() override;

    void setConfig(const Config &config) { m_config = config; }
    const Config &config() const { return m_config; }
    /// What runs the series; its progress signal is connected once, here.
    void setRunner(TimedSeriesRunner *runner);

    void paramToUi();
    void uiToParam();

public slots:
    void onBtnOk();
    void onBtnCancel();
    void onBtnExit();
    void onTypeChanged();
    void onRecordFinish();
    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    Ui::SettingTimeDialogClass *m_ui = nullptr;
    Config m_config;
    TimedSeriesRunner *m_runner = nullptr;
};
