#include "app/Specula.h"

#include "ui_Specula.h"

#include "app/AboutDialog.h"
#include "app/CameraChooser.h"
#include "app/FullScreenFrame.h"
#include "app/LanguageMenu.h"
#include "app/LiveCameras.h"
#include "app/LivePage.h"
#include "app/LiveView.h"
#include "app/MessageBox.h"
#include "app/ProgramResources.h"
#include "app/ResultsActions.h"
#include "app/ScaleBarAction.h"
#include "app/Startup.h"
#include "calibration/BDWidget.h"
#include "calibration/MeasureEditer.h"
#include "capture/CameraParamPanel.h"
#include "capture/CvCaptureCAM_DShow.h"
#include "capture/QSwitchButton.h"
#include "config/ConfigFile.h"
#include "media/BrowserFileActions.h"
#include "media/CaptureGeometry.h"
#include "media/CameraLabel.h"
#include "media/FileBrowser.h"
#include "media/PictureWriter.h"
#include "media/SaveFolders.h"
#include "media/SettingDialog.h"
#include "media/SettingTimeDialog.h"
#include "media/TimedSeriesRunner.h"
#include "scene/CameraScene.h"
#include "scene/CameraViewer.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QKeyEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSlider>
#include <QSplashScreen>
#include <QThread>

namespace {

constexpr int kCameraRefreshMs = 10000;
constexpr int kFullScreenCheckMs = 100;

} // namespace

Specula::Specula(QWidget *parent, int minSplashMs)
    : QMainWindow(parent)
{
    initProgramResources();
    m_ui = new Ui::SpeculaClass;
    // Building the form sets every text through the translation layer and leaves the pages
    // where the form has them: single view, camera settings, picture tab.
    m_ui->setupUi(this);

    setWindowTitle(g_progmaName);
    m_ui->stackMainWidget->setCurrentIndex(0);
    m_ui->rightStackWidget->setCurrentIndex(1);
    m_ui->tabWidget->setCurrentIndex(0);

    m_ui->imageBrowser->setMode(0);
    m_ui->cameraBrowser->setMode(1);
    for (FileBrowser *browser : {m_ui->imageBrowser, m_ui->cameraBrowser}) {
        browser->listWidget()->setIconSize(QSize(160, 120));
        browser->listWidget()->setContextMenuPolicy(Qt::CustomContextMenu);
    }
    m_ui->imageBrowser->listWidget()->setDragEnabled(true);
    m_ui->imageBrowser->listWidget()->setDragDropMode(QAbstractItemView::DragOnly);

    m_timedSeries = new TimedSeriesRunner(&m_config, &m_record, this);
    m_timedSeries->setActions([this] { onBtnCapture(); }, [this] { onBtnRecord(); });
    connect(m_timedSeries, &TimedSeriesRunner::stepFinished, this, &Specula::autoRecordFinish);

    m_fileActions = new BrowserFileActions(this);
    m_fileActions->setBusyCheck([this](const QString &path) { return isRecordingPath(path); });

    m_measureEditer = new MeasureEditer(this);
    m_measureEditer->setConfig(&m_config);
    m_measureEditer->init();

    m_recordPlayingIcon = QIcon(QStringLiteral(":/Specula/image/icon/btnRecord_Playing.png"));
    m_recordIcon = QIcon(QStringLiteral(":/Specula/image/icon/btnRecord.png"));

    m_startTimer.start();
    QSplashScreen splash;
    const QPixmap splashPicture(QStringLiteral(":/Specula/image/splash.png"));
    if (!splashPicture.isNull()) {
        splash.setPixmap(splashPicture);
        splash.show();
        QCoreApplication::processEvents();
    }

    m_cam = CvCaptureCAM_DShow::instance();
    m_ui->actionSetting->setVisible(false);

    m_imageFormats =
        QStringList{QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("bmp")};
    m_movieFormats = QStringList{QStringLiteral("mp4")};
    m_ui->boxFormatImage->addItems(m_imageFormats);
    m_ui->boxFormatRecord->addItems(m_movieFormats);
    m_pictureWriter = new PictureWriter(this);
    m_saveFolders.reset(new SaveFolders(&m_config, m_ui->imageBrowser, m_ui->cameraBrowser,
                                        m_pictureWriter, m_imageFormats, m_movieFormats));

    m_scene = m_ui->camViewer->scene();
    m_viewLabels = {m_ui->labelView1, m_ui->labelView2, m_ui->labelView3, m_ui->labelView4};
    m_livePage = new LivePage({m_ui->stackMainWidget, m_ui->mainPage, m_ui->mainPageScrollArea,
                               m_ui->camViewer, m_ui->viewPage, m_viewLabels, m_ui->comboZoom,
                               m_ui->labelStatus, m_ui->labelResInfo, m_ui->bdWidget},
                              m_cam, &m_live, &m_config, this);
    for (CameraLabel *label : qAsConst(m_viewLabels)) {
        connect(label, SIGNAL(toggled(bool)), this, SLOT(onCameraViewChecked(bool)));
        connect(label, SIGNAL(sigAddClicked()), this, SLOT(onCameraAddClicked()));
        connect(label, SIGNAL(customContextMenuRequested(QPoint)), this,
                SLOT(onCameraMenu(QPoint)));
    }
    m_scene->setGraphicType(0x10002);
    m_scene->setConfig(&m_config);
    // The live scene's results table: its Options entries, and its CSV beside captures.
    m_results = new ResultsActions(this, m_scene);
    m_results->addTo(m_ui->menu_2);
    m_results->watch(m_pictureWriter);
    auto *scaleBar = new ScaleBarAction(m_ui->menu_2);
    scaleBar->addScene(m_scene);
    scaleBar->addScene(m_measureEditer->scene());

    m_fullScreen =
        new FullScreenFrame(this, {m_ui->headFrame, m_ui->mainMenuBar, m_ui->rightStackWidget});

    m_ui->bdWidget->init(m_scene, &m_config);

    initCameraParam();
    initCameraChooser();

    connectSignals();

    buildLanguageMenu();

    const QList<QAbstractButton *> ownIconButtons{
        m_ui->btnCapture,      m_ui->btnRecord,  m_ui->btnTimeSetting, m_ui->btnFullScreen,
        m_ui->btnScreenSwitch, m_ui->btnOpenDir, m_ui->btnCalib};
    for (QAbstractButton *button : ownIconButtons)
        m_iconHelp.setButtonIcon(button, button->objectName());
    m_iconHelp.setButtonIcon(m_ui->btnSetting, QStringLiteral("btnSetting_Select"),
                             QStringLiteral("btnSetting"));

    loadConfig();

    m_ui->actionAbout->setMenuRole(QAction::NoRole);

    initCam();

    m_cameraTimer.start(kCameraRefreshMs);
    m_fullScreenTimer.start(kFullScreenCheckMs);

    // Events keep flowing while the splash is up, frames of an opened camera included.
    while (m_startTimer.elapsed() < minSplashMs) {
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
    splash.close();
}

Specula::~Specula()
{
    m_cameraTimer.stop();
    m_fullScreenTimer.stop();
    // A recording in progress is finished and listed before the history is saved.
    stopAutoRecord();
    stopRecord();
    while (!m_live.datas().isEmpty())
        stopCam(m_live.datas().firstKey());
    // Pictures still being written enter the history before it is saved.
    m_pictureWriter->finish();
    saveConfig();
    delete m_ui;
}

void Specula::connectSignals()
{
    Ui::SpeculaClass *ui = m_ui;

    connect(m_cam, SIGNAL(sigFrameReady(QString, bool)), this, SLOT(onLocalCamera(QString, bool)));
    connect(m_scene, SIGNAL(coorInfo(QPoint, QColor)), this, SLOT(onCoorInfo(QPoint, QColor)));

    for (FileBrowser *browser : {ui->imageBrowser, ui->cameraBrowser}) {
        connect(browser->listWidget(), SIGNAL(customContextMenuRequested(QPoint)), this,
                SLOT(onListItemMenu(QPoint)));
        connect(browser, &FileBrowser::sigItemOpen, this, &Specula::onListItemOpen);
    }
    m_record.setFrameSource([this] { return m_scene->rendefBuffer(); });
    connect(&m_record, &RecordSession::started, this, [this] { setRecordingUi(true); });
    connect(&m_record, &RecordSession::stopped, this, &Specula::finishRecordFile);
    connect(&m_record, &RecordSession::failed, this,
            [this] { MessageBox::information(this, QString(), tr("录像出错1")); });
    connect(&m_record, &RecordSession::cameraLost, this, [this] {
        onCameraTimer(); // the camera leaves the list now, not at the next refresh
        MessageBox::information(this, QString(), tr("设备已断开，录像已停止。"));
    });
    connect(m_pictureWriter, &PictureWriter::written, this, &Specula::onPictureWritten);

    connect(ui->btnCapture, SIGNAL(clicked()), this, SLOT(onBtnCapture()));
    connect(ui->btnRecord, SIGNAL(clicked()), this, SLOT(onBtnRecord()));
    connect(ui->btnFullScreen, SIGNAL(clicked()), this, SLOT(onBtnFullScreen()));
    connect(ui->btnTimeSetting, SIGNAL(clicked()), this, SLOT(onBtnTimeSetting()));
    connect(ui->btnScreenSwitch, SIGNAL(clicked()), this, SLOT(onBtnScreenSwitch()));
    connect(ui->btnCamParamReset, SIGNAL(clicked()), this, SLOT(onBtnCamParamReset()));
    connect(ui->comboZoom, SIGNAL(currentIndexChanged(int)), this, SLOT(onComboZoomChanged()));
    connect(ui->btnOpenDir, SIGNAL(clicked()), this, SLOT(onBtnOpenDir()));
    connect(ui->btnSetting, SIGNAL(clicked()), this, SLOT(onBtnSetting()));
    connect(ui->btnCalib, SIGNAL(clicked()), this, SLOT(onBtnCalib()));

    connect(ui->actionExit, SIGNAL(triggered()), this, SLOT(close()));
    connect(ui->actionCapture, SIGNAL(triggered()), ui->btnCapture, SIGNAL(clicked()));
    connect(ui->actionRecord, SIGNAL(triggered()), ui->btnRecord, SIGNAL(clicked()));
    connect(ui->actionSetTime, SIGNAL(triggered()), ui->btnTimeSetting, SIGNAL(clicked()));
    connect(ui->actionImport, SIGNAL(triggered()), this, SLOT(onActionImport()));
    connect(ui->actionSetting, SIGNAL(triggered()), this, SLOT(onActionSetting()));
    connect(ui->actionImagePath, SIGNAL(triggered()), this, SLOT(onActionImagePath()));
    connect(ui->actionRecordPath, SIGNAL(triggered()), this, SLOT(onActionRecordPath()));
    connect(ui->actionPrint, SIGNAL(triggered()), this, SLOT(onActionPrint()));
    connect(ui->actionTimeOn, SIGNAL(triggered()), this, SLOT(onActionTimeOn()));
    connect(ui->actionTimeOff, SIGNAL(triggered()), this, SLOT(onActionTimeOff()));
    connect(ui->actionCrossOn, SIGNAL(triggered()), this, SLOT(onActionCrossOn()));
    connect(ui->actionCrossOff, SIGNAL(triggered()), this, SLOT(onActionCrossOff()));
    connect(ui->actionAbout, SIGNAL(triggered()), this, SLOT(onActionAbout()));

    connect(ui->bdWidget, SIGNAL(bdInfoChanged()), this, SLOT(onBdInfoChanged()));
    connect(ui->bdWidget, SIGNAL(bdInfoChanged()), m_measureEditer, SLOT(onBdInfoChanged()));

    connect(&m_cameraTimer, SIGNAL(timeout()), this, SLOT(onCameraTimer()));
    connect(&m_recordTimer, SIGNAL(timeout()), this, SLOT(onRecordTimer()));
    connect(&m_fullScreenTimer, SIGNAL(timeout()), this, SLOT(onFullScreenTimer()));

    connect(ui->boxFormatImage, SIGNAL(currentIndexChanged(int)), this,
            SLOT(onFormatImageChanged()));
    connect(ui->boxFormatRecord, SIGNAL(currentIndexChanged(int)), this,
            SLOT(onFormatRecordChanged()));
}

// ---- Language ------------------------------------------------------------------------------

void Specula::buildLanguageMenu()
{
    m_languageMenu = new LanguageMenu(m_ui->menuLang, this);
    for (QAction *action : m_languageMenu->actions())
        connect(action, SIGNAL(triggered()), this, SLOT(onActionLang()));
}

void Specula::onActionLang()
{
    const int index = m_languageMenu->actions().indexOf(qobject_cast<QAction *>(sender()));
    if (index >= 0)
        switchLang(index);
}

void Specula::switchLang(int index)
{
    index = m_languageMenu->select(index);
    m_config.language = index;

    m_paramPanel->retranslate([](const QString &key) { return tr(key.toUtf8().constData()); });

    m_fullScreen->retranslate();
    m_scene->update();

    m_languageMenu->relabel(index);
    m_livePage->retranslate();

    m_ui->retranslateUi(this);
    // The form carries a placeholder title; the zoom box's first entry is filled in code.
    setWindowTitle(g_progmaName);
    if (m_ui->comboZoom->count() > 0)
        m_ui->comboZoom->setItemText(0, fitZoomText());
    // The form's text is the idle one; a running recording keeps its state on the button.
    if (isRecording())
        m_ui->btnRecord->setText(tr("停止录像"));
    updateLabelRes();
}

// ---- Settings file -------------------------------------------------------------------------

void Specula::loadConfig()
{
    ConfigFile::load(ConfigFile::defaultPath(), m_config);

    // Creates the save folders, prunes the history and points the browsers at their folders.
    initPath();
    m_ui->bdWidget->updateBDInfo();

    m_scene->showTime(m_config.showTime);
    m_ui->actionTimeOn->setChecked(m_config.showTime);
    m_ui->actionTimeOff->setChecked(!m_config.showTime);
    // The crosshair always starts off; its state is not stored.
    m_scene->showGrid(false);
    m_ui->actionCrossOn->setChecked(false);
    m_ui->actionCrossOff->setChecked(true);

    // A format index outside the lists would leave the boxes without a selection.
    if (m_config.imageFormat < 0 || m_config.imageFormat >= m_imageFormats.size())
        m_config.imageFormat = Config().imageFormat;
    if (m_config.movieFormat < 0 || m_config.movieFormat >= m_movieFormats.size())
        m_config.movieFormat = Config().movieFormat;
    m_ui->boxFormatImage->setCurrentIndex(m_config.imageFormat);
    m_ui->boxFormatRecord->setCurrentIndex(m_config.movieFormat);

    switchLang(m_config.language);
}

void Specula::saveConfig()
{
    m_saveFolders->storeBrowsedFolders();

    ConfigFile::save(ConfigFile::defaultPath(), m_config);
}

// ---- Frame ---------------------------------------------------------------------------------

void Specula::onBtnFullScreen()
{
    m_fullScreen->toggle();
}

void Specula::onFullScreenTimer()
{
    m_fullScreen->follow();
}

void Specula::onCameraTimer()
{
    if (!isRecording())
        initCam();
}

void Specula::registerSidePanelIcons(QAbstractButton *selected)
{
    const QList<QAbstractButton *> sideButtons{m_ui->btnOpenDir, m_ui->btnSetting, m_ui->btnCalib};
    for (QAbstractButton *button : sideButtons) {
        const QString name = button->objectName();
        const QString select = name + QStringLiteral("_Select");
        if (button == selected)
            m_iconHelp.setButtonIcon(button, select, name);
        else
            m_iconHelp.setButtonIcon(button, name, select);
    }
}

void Specula::showSidePage(int page, QAbstractButton *selected, bool editable)
{
    registerSidePanelIcons(selected);
    m_ui->rightStackWidget->setCurrentIndex(page);
    m_ui->bdWidget->showMainPage();
    // Measuring on the live picture only while the measurement page is shown.
    m_scene->setEditable(editable);
}

void Specula::onBtnOpenDir()
{
    showSidePage(0, m_ui->btnOpenDir, false);
}

void Specula::onBtnSetting()
{
    showSidePage(1, m_ui->btnSetting, false);
}

void Specula::onBtnCalib()
{
    showSidePage(2, m_ui->btnCalib, true);
}

void Specula::setShowTime(bool on)
{
    m_config.showTime = on;
    m_scene->showTime(on);
    m_ui->actionTimeOn->setChecked(on);
    m_ui->actionTimeOff->setChecked(!on);
}

void Specula::setCrossOn(bool on)
{
    m_scene->showGrid(on);
    m_ui->actionCrossOn->setChecked(on);
    m_ui->actionCrossOff->setChecked(!on);
}

void Specula::onActionTimeOn()
{
    setShowTime(true);
}

void Specula::onActionTimeOff()
{
    setShowTime(false);
}

void Specula::onActionCrossOn()
{
    setCrossOn(true);
}

void Specula::onActionCrossOff()
{
    setCrossOn(false);
}

void Specula::onActionAbout()
{
    AboutDialog dialog(this);
    dialog.exec();
}

void Specula::onBdInfoChanged()
{
    // The editor window's panel changed the calibrations: reload ours.
    if (sender() != m_ui->bdWidget)
        m_ui->bdWidget->updateBDInfo();
}

void Specula::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && isFullScreen()) {
        onBtnFullScreen();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void Specula::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton && isFullScreen())
        onBtnFullScreen();
    QMainWindow::mouseDoubleClickEvent(event);
}

void Specula::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (m_fullScreen)
        m_fullScreen->placeTip();
    if (!m_livePage)
        return; // still being built: the cameras size the views once they start
    QTimer::singleShot(0, this, &Specula::onUpdateFourCamViewer);
    QTimer::singleShot(0, this, &Specula::onUpdateCamViewSize);
}

// ---- Camera control ------------------------------------------------------------------------

void Specula::initCam()
{
    m_chooser->refresh();
}

void Specula::onCamChanged()
{
    m_chooser->chooseCamera();
}

bool Specula::startCam(int viewIndex, const QString &id, bool showError)
{
    return m_chooser->start(viewIndex, id, showError);
}

void Specula::stopCam(QString id)
{
    m_chooser->stop(id);
}

void Specula::setCameraId(const QString &id)
{
    m_chooser->setCurrent(id);
}

int Specula::cameraViewIndex(const QString &id) const
{
    return m_live.viewIndex(id);
}

int Specula::cameraBoxIndex(const QString &id) const
{
    return m_live.boxIndex(id);
}

bool Specula::checkCam()
{
    if (isCapture(m_live.current()))
        return true;
    MessageBox::information(this, QString(), tr("设备未启动"));
    return false;
}

void Specula::onCamResolutionChanged()
{
    m_chooser->chooseResolution();
}

void Specula::onCamFormatChanged()
{
    m_chooser->chooseFormat();
}

void Specula::onLocalCamera(QString camId, bool needCapture)
{
    Q_UNUSED(needCapture)
    if (!m_livePage->showFrame(camId))
        return;
    if (!isFourView())
        m_viewHasImage = true;
    m_live.noteFrame(camId, QDateTime::currentMSecsSinceEpoch());
    if (camId == m_live.current())
        updateLabelStatus(camId);
}

void Specula::updateLabelStatus(const QString &id)
{
    m_livePage->updateStatus(id);
}

void Specula::onCoorInfo(QPoint point, QColor color)
{
    if (m_live.noteCursor(point, color))
        updateLabelStatus(m_live.current());
}

void Specula::updateLabelRes()
{
    m_livePage->updateResolution();
}

// ---- Zoom and views ------------------------------------------------------------------------

double Specula::getRenderScale() const
{
    return m_livePage->renderScale();
}

void Specula::onComboZoomChanged()
{
    onUpdateCamViewSize();
}

void Specula::onUpdateCamViewSize()
{
    m_livePage->updateViewSize();
}

void Specula::onUpdateFourCamViewer()
{
    m_livePage->placeTiles();
}

void Specula::onCameraViewChecked(bool checked)
{
    if (checked)
        m_livePage->uncheckOthers(sender());
}

int Specula::getCameraViewChecked() const
{
    return m_livePage->checkedTile();
}

void Specula::setCameraViewChecked(int index)
{
    m_livePage->setCheckedTile(index);
}

void Specula::onCameraAddClicked()
{
    auto *label = qobject_cast<CameraLabel *>(sender());
    if (!label)
        return;
    const QString file = QFileDialog::getOpenFileName(this, QString(), getSavePath(SavePicture),
                                                      QStringLiteral("*.png;*.jpg;*.bmp"));
    if (!file.isEmpty())
        label->setImageFile(file);
}

void Specula::onCameraMenu(QPoint) {}

bool Specula::isFourView() const
{
    return m_livePage->isFourView();
}

void Specula::onBtnScreenSwitch()
{
    const bool fourView = !isFourView();
    if (!fourView && m_record.recorder().isRunning())
        onBtnRecord();
    if (!fourView && !m_live.datas().isEmpty() && m_live.current().isEmpty())
        setCameraId(m_live.datas().firstKey());
    m_livePage->showPage(fourView);
    // Calibrating and recording work on the single view only.
    m_ui->btnCalib->setEnabled(!fourView);
    m_ui->btnRecord->setEnabled(!fourView);
    // No measuring on the four-view page: the side panel leaves the measurement page.
    if (fourView && m_ui->rightStackWidget->currentIndex() == 2)
        m_ui->btnSetting->click();
    if (!fourView)
        onUpdateCamViewSize();
    if (!m_live.current().isEmpty())
        updateLabelStatus(m_live.current());
}

// ---- Camera parameters ---------------------------------------------------------------------

void Specula::readCameraParam(const QString &id)
{
    m_paramPanel->readParams(id);
}

void Specula::writeCameraParam(const QString &id)
{
    m_paramPanel->writeParams(id);
}

void Specula::syncCameraParam(const QString &id)
{
    m_paramPanel->sync(id);
}

// ---- Capture and recording, as far as the camera control needs them ------------------------

// A camera counts as capturing while it runs in a view.
bool Specula::isCapture(const QString &id) const
{
    return cameraViewIndex(id) >= 0;
}

// The next file's path: the browser's folder, or the configured folder while it shows none.
QString Specula::getSavePath(int type) const
{
    return m_saveFolders->nextPath(type == SavePicture ? SavePicture : SaveVideo);
}

bool Specula::checkPath(int type)
{
    if (type != SavePicture && type != SaveVideo)
        return true;
    if (!m_saveFolders->isAtRoot(SaveKind(type)))
        return true;
    QMessageBox::information(
        this, QString(),
        tr("请先选择并打开需要保存的路径文件夹 - "
           "软件右上角“浏览文件”→“拍照”→“image”或者“浏览文件”→“录像”→“movie”"));
    return false;
}

void Specula::initPath()
{
    m_saveFolders->ensureRoots();
}

void Specula::updateHistoryList()
{
    m_saveFolders->showFolders();
}

void Specula::appendHistoryFile(const QString &path, bool isImage)
{
    m_saveFolders->list(path, isImage ? SavePicture : SaveVideo);
}

void Specula::stopRecord()
{
    m_record.stop();
}

// ---- Filled in by the parameter panel, capture, recording and history --------------------

void Specula::initCameraParam()
{
    m_paramPanel =
        new CameraParamPanel(m_ui->cameraParamWidget,
                             {m_ui->btnBaoGuang, m_ui->btnColor, m_ui->btnBlance, m_ui->btnResever},
                             m_cam, &m_config, this);
    // The camera chosen in the box, as long as it runs.
    m_paramPanel->setTarget([this] {
        const QString id = m_live.listedId(m_ui->boxCam->currentIndex());
        return isCapture(id) ? id : QString();
    });
}

// The camera boxes and the start/stop sequence; what they show of it is the window's.
void Specula::initCameraChooser()
{
    m_chooser = new CameraChooser(
        {m_ui->boxCam, m_ui->boxResolution, m_ui->boxFormat, m_ui->cameraParamWidget}, m_cam,
        &m_live, &m_config, m_scene, m_paramPanel, this);
    m_chooser->setConfirmClear([this] {
        return MessageBox::question(this, QString(), tr("改变分辨率会清空测量")) ==
               QMessageBox::Yes;
    });
    connect(m_chooser, &CameraChooser::stopping, this, [this](const QString &id) {
        if (isRecording() && id == m_record.cameraId())
            stopRecord();
        m_livePage->clearTile(cameraViewIndex(id));
    });
    connect(m_chooser, &CameraChooser::startFailed, this,
            [this] { MessageBox::information(this, QString(), tr("启动设备失败")); });
    connect(m_chooser, &CameraChooser::started, this, [this](const QString &id) {
        updateLabelStatus(id);
        onUpdateCamViewSize();
    });
    connect(m_chooser, &CameraChooser::currentChanged, this, [this](const QString &id) {
        if (!id.isEmpty())
            return updateLabelRes();
        m_viewHasImage = false;
        m_ui->labelStatus->clear();
        onUpdateCamViewSize();
    });
    connect(m_chooser, &CameraChooser::resolutionChanging, this, &Specula::stopRecord);
    connect(m_chooser, &CameraChooser::sizeChanged, this, &Specula::onUpdateCamViewSize);
}

void Specula::onFuncBtnClicked()
{
    const QVector<QPushButton *> buttons{m_ui->btnBaoGuang, m_ui->btnColor, m_ui->btnBlance,
                                         m_ui->btnResever};
    showFuncWidget(buttons.indexOf(qobject_cast<QPushButton *>(sender())));
}

void Specula::showFuncWidget(int k)
{
    m_paramPanel->showGroup(k);
}

void Specula::onSwitchChanged(bool on)
{
    m_paramPanel->applySwitch(qobject_cast<QSwitchButton *>(sender()), on);
}

void Specula::onSliderChanged()
{
    m_paramPanel->applySlider(qobject_cast<QSlider *>(sender()));
}

void Specula::onBtnCamParamReset()
{
    m_paramPanel->reset();
}

void Specula::onBtnCapture()
{
    if (!checkCam() || !checkPath(SavePicture) || m_ui->labelView1->isDongjie())
        return;
    const QImage picture = getCamImage();
    if (picture.isNull()) {
        MessageBox::information(this, QString(), tr("保存图片失败"));
        return;
    }
    const QString path = getSavePath(SavePicture);
    int tile = -1;
    if (isFourView())
        tile = m_livePage->takeCaptureTile();
    // Rendered here; encoded and written on the writer's thread, listed when written.
    // A tile of the four-camera page shows no measurements.
    m_pictureWriter->write(picture, path, tile,
                           tile < 0 ? m_results->captureResults() : QByteArray());
}

void Specula::onPictureWritten(const QString &path, bool ok, int tile)
{
    if (!ok) {
        MessageBox::information(this, QString(), tr("保存图片失败"));
        return;
    }
    m_config.imageFiles.append(path);
    appendHistoryFile(path, true);
    m_livePage->setTileFile(tile, path);
}

QImage Specula::getCamImage()
{
    return m_livePage->capturePicture();
}

void Specula::chooseSaveRoot(SaveKind kind)
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, QString(), kind == SavePicture ? m_config.imageDir : m_config.movieDir,
        QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return;
    m_saveFolders->setRoot(kind, folder);
    initPath();
}

void Specula::onActionImagePath()
{
    chooseSaveRoot(SavePicture);
}

void Specula::onActionRecordPath()
{
    chooseSaveRoot(SaveVideo);
}

void Specula::onActionSetting()
{
    SettingDialog dialog(this);
    dialog.setConfig(m_config);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // Only the two folders come back; unchanged roots leave the browsers where the user took
    // them.
    if (m_saveFolders->takeRoots(dialog.config()))
        initPath();
}

void Specula::onActionPrint()
{
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintPreviewDialog preview(&printer, this);
    preview.resize(800, 600);
    connect(&preview, SIGNAL(paintRequested(QPrinter *)), this, SLOT(plotPrintPic(QPrinter *)));
    preview.exec();
}

void Specula::plotPrintPic(QPrinter *printer)
{
    const QImage picture = m_scene->renderImage().convertToFormat(QImage::Format_RGB888);
    QPainter painter(printer);
    if (picture.isNull())
        return;
    painter.drawImage(printTargetRect(picture.size(), painter.viewport()), picture);
}

void Specula::onFormatImageChanged()
{
    m_config.imageFormat = m_ui->boxFormatImage->currentIndex();
}

void Specula::onFormatRecordChanged()
{
    m_config.movieFormat = m_ui->boxFormatRecord->currentIndex();
}

// ---- Recording -----------------------------------------------------------------------------

void Specula::onBtnRecord()
{
    // Also after the worker gave up on its own: the window still shows a recording then.
    if (isRecording()) {
        stopRecord();
        return;
    }
    if (!checkCam() || !checkPath(SaveVideo) || m_ui->labelView1->isDongjie())
        return;
    startRecord(m_live.current());
}

bool Specula::startRecord(const QString &camId)
{
    // Only the single view is recorded, at the size of the picture it shows.
    const QSize size = m_scene->sceneRect().size().toSize();
    if (isFourView() || !m_viewHasImage || !m_scene->frameBufferData() || size.isEmpty())
        return false;
    m_scene->initRendefBuffer();
    m_record.start(getSavePath(SaveVideo), size, camId);
    return true;
}

bool Specula::isRecording() const
{
    return m_record.isRecording();
}

const RtmpThread &Specula::recorder() const
{
    return m_record.recorder();
}

void Specula::setRecordingUi(bool on)
{
    m_scene->setRecord(on);
    m_ui->btnRecord->setText(on ? tr("停止录像") : tr("录像"));
    m_ui->btnRecord->setIcon(m_recordIcon);
    m_ui->cameraWidget->setEnabled(!on);
    m_recordBlink = false;
    if (on)
        m_recordTimer.start(500);
    else
        m_recordTimer.stop();
}

// The recording has ended: count a timed video, list the file if it holds a picture.
void Specula::finishRecordFile(const QString &file)
{
    setRecordingUi(false);
    if (file.isEmpty())
        return;
    m_config.movieFiles.append(file);
    appendHistoryFile(file, false);
}

void Specula::onRtmpFinished()
{
    m_record.onRecorderFinished();
}

void Specula::onRecordTimer()
{
    m_ui->btnRecord->setIcon(m_recordBlink ? m_recordPlayingIcon : m_recordIcon);
    m_recordBlink = !m_recordBlink;
}

void Specula::onRecordImageTimer()
{
    m_record.takeFrame();
}

// ---- Timed series --------------------------------------------------------------------------

void Specula::onBtnTimeSetting()
{
    onActionSetTime();
}

void Specula::onActionSetTime()
{
    SettingTimeDialog dialog(this);
    dialog.setConfig(m_config);
    dialog.setRunner(m_timedSeries);
    dialog.exec();
    // The series lives only while its dialog is open; a timed video in progress is finished.
    stopAutoRecord();
}

void Specula::startAutoRecord(const Config &series)
{
    m_timedSeries->start(series);
}

void Specula::stopAutoRecord()
{
    m_timedSeries->stop();
}

void Specula::onAutoRecordTimer()
{
    m_timedSeries->tick();
}

void Specula::onListItemMenu(QPoint pos)
{
    auto *list = qobject_cast<QListWidget *>(sender());
    const bool pictures = list == m_ui->imageBrowser->listWidget();
    if (!list || (!pictures && list != m_ui->cameraBrowser->listWidget()))
        return;
    m_fileActions->showEntryMenu(pictures ? m_ui->imageBrowser : m_ui->cameraBrowser,
                                 pictures ? m_config.imageFiles : m_config.movieFiles, pos,
                                 [this](QListWidgetItem *item) { onListItemOpen(item); });
}

void Specula::onListItemOpen(QListWidgetItem *item)
{
    m_fileActions->openEntry(item, m_ui->imageBrowser, m_ui->cameraBrowser, m_imageFormats,
                             [this](const QString &path) {
                                 if (m_measureEditer->setImage(path))
                                     m_measureEditer->show();
                                 else
                                     MessageBox::information(this, QString(), tr("打开文件失败"));
                             });
}

bool Specula::isRecordingPath(const QString &path) const
{
    return m_record.isRecordingPath(path);
}

void Specula::onActionImport()
{
    BrowserFileActions::ImportTargets targets;
    targets.pictureSuffixes = m_imageFormats;
    targets.pictures = m_ui->imageBrowser;
    targets.videos = m_ui->cameraBrowser;
    targets.pictureHistory = &m_config.imageFiles;
    targets.videoHistory = &m_config.movieFiles;
    targets.checkPath = [this](int type) { return checkPath(type); };
    m_fileActions->askAndImport(targets, m_movieFormats + QStringList{QStringLiteral("avi")});
}
