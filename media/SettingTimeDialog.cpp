#include "media/SettingTimeDialog.h"

#include "ui_SettingTimeDialog.h"

#include "app/MessageBox.h"
#include "media/TimedSeriesRunner.h"

SettingTimeDialog::SettingTimeDialog(QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::SettingTimeDialogClass)
{
    m_ui->setupUi(this);
    if (parent)
        setWindowTitle(parent->windowTitle());
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    m_ui->lineLength->setEnabled(m_ui->btnRecord->isChecked());

    connect(m_ui->btnCapture, SIGNAL(clicked()), this, SLOT(onTypeChanged()));
    connect(m_ui->btnRecord, SIGNAL(clicked()), this, SLOT(onTypeChanged()));
    connect(m_ui->btnOk, SIGNAL(clicked()), this, SLOT(onBtnOk()));
    connect(m_ui->btnCancel, SIGNAL(clicked()), this, SLOT(onBtnCancel()));
    connect(m_ui->btnExit, SIGNAL(clicked()), this, SLOT(onBtnExit()));
}

SettingTimeDialog::~SettingTimeDialog()
{
    delete m_ui;
}

void SettingTimeDialog::setRunner(TimedSeriesRunner *runner)
{
    m_runner = runner;
    // Made once: connecting on every show would count each finished step several times.
    if (runner)
        connect(runner, &TimedSeriesRunner::stepFinished, this, &SettingTimeDialog::onRecordFinish,
                Qt::UniqueConnection);
}

void SettingTimeDialog::showEvent(QShowEvent *event)
{
    // A stored series never resumes by itself: the dialog always opens stopped.
    m_config.autoRecordOn = false;
    paramToUi();
    QDialog::showEvent(event);
}

void SettingTimeDialog::paramToUi()
{
    Ui::SettingTimeDialogClass *ui = m_ui;
    (m_config.autoRecordType == 0 ? ui->btnCapture : ui->btnRecord)->setChecked(true);
    if (m_config.autoRecordStart.isNull())
        m_config.autoRecordStart = QDateTime::currentDateTime();
    ui->timeStart->setDateTime(m_config.autoRecordStart);
    ui->lineGap->setValue(m_config.autoRecordInterval);
    ui->lineLength->setValue(m_config.autoRecordLength);
    ui->lineNum->setValue(m_config.autoRecordTotal);
    ui->lineNumCapture->display(m_config.autoRecordCount);

    const bool idle = !m_config.autoRecordOn;
    for (QWidget *w : {static_cast<QWidget *>(ui->btnOk), static_cast<QWidget *>(ui->btnCapture),
                       static_cast<QWidget *>(ui->btnRecord), static_cast<QWidget *>(ui->timeStart),
                       static_cast<QWidget *>(ui->lineGap), static_cast<QWidget *>(ui->lineNum),
                       static_cast<QWidget *>(ui->lineNumCapture)})
        w->setEnabled(idle);
    ui->lineLength->setEnabled(idle && ui->btnRecord->isChecked());
    ui->btnCancel->setEnabled(!idle);
    ui->btnExit->setEnabled(true);
}

void SettingTimeDialog::uiToParam()
{
    m_config.autoRecordType = m_ui->btnCapture->isChecked() ? 0 : 1;
    m_config.autoRecordStart = m_ui->timeStart->dateTime();
    m_config.autoRecordInterval = m_ui->lineGap->value();
    m_config.autoRecordLength = m_ui->lineLength->value();
    m_config.autoRecordTotal = m_ui->lineNum->value();
}

void SettingTimeDialog::onBtnOk()
{
    const QDateTime start = m_ui->timeStart->dateTime();
    if (start.secsTo(QDateTime::currentDateTime()) >= 0) {
        MessageBox::information(this, QString(), tr("启动时间需大于当前时间"));
        return;
    }
    uiToParam();
    m_config.autoRecordStart = start;
    m_config.autoRecordNext = start;
    m_config.autoRecordOn = true;
    m_config.autoRecordCount = 0;
    if (m_runner)
        m_runner->start(m_config);
    paramToUi();
}

void SettingTimeDialog::onBtnCancel()
{
    m_config.autoRecordOn = false;
    uiToParam();
    if (m_runner)
        m_runner->stop();
    paramToUi();
}

void SettingTimeDialog::onBtnExit()
{
    reject();
}

void SettingTimeDialog::onTypeChanged()
{
    m_ui->lineLength->setEnabled(m_ui->btnRecord->isChecked());
}

void SettingTimeDialog::onRecordFinish()
{
    m_config.autoRecordCount += 1;
    if (m_config.autoRecordCount >= m_config.autoRecordTotal)
        m_config.autoRecordOn = false;
    paramToUi();
}

void SettingTimeDialog::accept()
{
    QDialog::accept();
}
