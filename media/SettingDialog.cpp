#include "media/SettingDialog.h"

#include "ui_SettingDialog.h"

#include <QFileDialog>

SettingDialog::SettingDialog(QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::SettingDialogClass)
{
    m_ui->setupUi(this);
    if (parent)
        setWindowTitle(parent->windowTitle());
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    connect(m_ui->btnOk, SIGNAL(clicked()), this, SLOT(onBtnOk()));
    connect(m_ui->btnCancel, SIGNAL(clicked()), this, SLOT(onBtnCancel()));
    connect(m_ui->btnImagePath, SIGNAL(clicked()), this, SLOT(onBtnImagePath()));
    connect(m_ui->btnMoviePath, SIGNAL(clicked()), this, SLOT(onBtnMoviePath()));
}

SettingDialog::~SettingDialog()
{
    delete m_ui;
}

void SettingDialog::showEvent(QShowEvent *event)
{
    m_ui->lineImagePath->setText(m_config.imageDir);
    m_ui->lineMoviePath->setText(m_config.movieDir);
    QDialog::showEvent(event);
}

void SettingDialog::onBtnImagePath()
{
    const QString folder =
        QFileDialog::getExistingDirectory(nullptr, QString(), QString(), QFileDialog::ShowDirsOnly);
    if (!folder.isEmpty())
        m_ui->lineImagePath->setText(folder);
}

void SettingDialog::onBtnMoviePath()
{
    const QString folder =
        QFileDialog::getExistingDirectory(nullptr, QString(), QString(), QFileDialog::ShowDirsOnly);
    if (!folder.isEmpty())
        m_ui->lineMoviePath->setText(folder);
}

void SettingDialog::onBtnOk()
{
    accept();
}

void SettingDialog::onBtnCancel()
{
    reject();
}

void SettingDialog::accept()
{
    // A cleared entry would leave no folder to store into: it keeps the current one.
    const QString image = m_ui->lineImagePath->text().trimmed();
    const QString movie = m_ui->lineMoviePath->text().trimmed();
    if (!image.isEmpty())
        m_config.imageDir = image;
    if (!movie.isEmpty())
        m_config.movieDir = movie;
    QDialog::accept();
}
