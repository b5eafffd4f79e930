#include "app/Specula.h"

#include "ui_Specula.h"

#include "app/AboutDialog.h"
#include "app/FullScreenFrame.h"
#include "app/LanguageMenu.h"
#include "app/LiveCameras.h"
#include "app/LiveView.h"
#include "app/LogCategories.h"
#include "app/MessageBox.h"
#include "app/ProgramResources.h"
#include "app/ResultsActions.h"
#include "app/ScaleBarAction.h"
#include "app/Startup.h"
#include "calibration/BDWidget.h"
#include "calibration/MeasureEditer.h"
#include "calibration/PictureScale.h"
#include "capture/CameraBuffer.h"
#include "capture/CameraParamPanel.h"
#include "capture/CameraProperty.h"
#include "capture/CvCaptureCAM_DShow.h"
#include "capture/QSwitchButton.h"
#include "capture/UsbDeviceIds.h"
#include "config/ConfigFile.h"
#include "media/BrowserFileActions.h"
#include "media/CameraLabel.h"
#include "media/CaptureGeometry.h"
#include "media/FileBrowser.h"
#include "media/FileOps.h"
#include "media/PictureWriter.h"
#include "media/SaveFolders.h"
#include "media/SettingDialog.h"
#include "media/SettingTimeDialog.h"
#include "media/TimedSeriesRunner.h"
#include "scene/CameraScene.h"
#include "scene/CameraViewer.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QSplashScreen>
#include <QThread>
#include <QUrl>

#include <algorithm>

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

    m_viewLabels = {m_ui->labelView1, m_ui->labelView2, m_ui->labelView3, m_ui->labelView4};
    m_ui->labelView1->setCheck(true);
    for (int i = 0; i < m_viewLabels.size(); ++i) {
        CameraLabel *label = m_viewLabels.at(i);
        label->setContextMenuPolicy(Qt::CustomContextMenu);
        label->setIndex(i);
        connect(label, SIGNAL(toggled(bool)), this, SLOT(onCameraViewChecked(bool)));
        connect(label, SIGNAL(sigAddClicked()), this, SLOT(onCameraAddClicked()));
        connect(label, SIGNAL(customContextMenuRequested(QPoint)), this,
                SLOT(onCameraMenu(QPoint)));
    }

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

    connectSignals();

    m_ui->comboZoom->addItems({fitZoomText(), QStringLiteral("0.5x"), QStringLiteral("1.0x"),
                               QStringLiteral("2.0x"), QStringLiteral("2.5x"),
                               QStringLiteral("4.0x"), QStringLiteral("5.0x"),
                               QStringLiteral("10.0x")});
    m_ui->comboZoom->setCurrentIndex(2);

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

    m_ui->labelView2->setCheck(true);
    m_ui->labelView1->setIsCheckedAble(false);

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

    connect(ui->boxCam, SIGNAL(currentIndexChanged(int)), this, SLOT(onCamChanged()));
    connect(ui->boxResolution, SIGNAL(currentIndexChanged(int)), this,
            SLOT(onCamResolutionChanged()));
    connect(ui->boxFormat, SIGNAL(currentIndexChanged(int)), this, SLOT(onCamFormatChanged()));
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
    for (CameraLabel *label : qAsConst(m_viewLabels))
        label->switchLang();

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
    QTimer::singleShot(0, this, &Specula::onUpdateFourCamViewer);
    QTimer::singleShot(0, this, &Specula::onUpdateCamViewSize);
}

// ---- Camera control ------------------------------------------------------------------------

void Specula::initCam()
{
    m_cam->init();
    const QVector<CameraInfo> list = m_cam->cameraInfo();

    // A camera that came or went, running or not, changes the camera box.
    bool changed = false;
    const QStringList gone = m_live.takeList(list, &changed);
    // The service has dropped the device state of a vanished camera already; stopping it also
    // releases its platform camera and clears its tile.
    for (const QString &id : gone)
        stopCam(id);
    if (!m_live.isRunning(m_live.current()))
        setCameraId(QString());

    if (!changed && gone.isEmpty())
        return;
    {
        const QSignalBlocker blockCam(m_ui->boxCam);
        const QSignalBlocker blockResolution(m_ui->boxResolution);
        const QSignalBlocker blockFormat(m_ui->boxFormat);
        m_ui->boxCam->clear();
        m_ui->boxResolution->clear();
        m_ui->boxFormat->clear();
        int selected = list.isEmpty() ? -1 : 0;
        for (int i = 0; i < list.size(); ++i) {
            m_ui->boxCam->addItem(list.at(i).name);
            if (list.at(i).id == m_config.currentCamera)
                selected = i;
        }
        m_ui->boxCam->setCurrentIndex(selected);
    }
    onCamChanged();
}

void Specula::onCamChanged()
{
    m_ui->cameraParamWidget->setEnabled(false);
    m_ui->boxResolution->blockSignals(true);
    m_ui->boxFormat->blockSignals(true);
    m_ui->boxResolution->clear();
    m_ui->boxFormat->clear();

    const int index = m_ui->boxCam->currentIndex();
    const QString id = m_live.listedId(index);
    // A refreshed camera list re-selects the running camera: its measurements stay.
    if (id.isEmpty() || id != m_live.current())
        m_scene->clear();

    if (!id.isEmpty()) {
        const CameraInfo info = m_live.list().at(index);
        if (!m_live.current().isEmpty() && m_live.current() != id)
            stopCam(m_live.current());

        for (const auto &size : info.resolutions)
            m_ui->boxResolution->addItem(resolutionText(size.first, size.second));
        m_ui->boxFormat->addItems({QStringLiteral("YUV"), QStringLiteral("MJPG")});

        const CameraConfig stored = m_config.cameraInfo(id);
        int resolution = -1;
        if (stored.paramsRead) {
            resolution = info.resolutions.indexOf(
                qMakePair(stored.resolution.width(), stored.resolution.height()));
        } else {
            resolution = startResolutionIndex(info.resolutions, info.defaultResolutionIndex,
                                              profileForDevice(id, m_cam->sysfsRoot()));
        }
        m_ui->boxResolution->setCurrentIndex(qMax(resolution, 0));
        // A stored format the box does not know falls back to the default, MJPG.
        const int format = m_ui->boxFormat->findText(stored.format);
        m_ui->boxFormat->setCurrentIndex(format >= 0 ? format : 1);

        if (cameraViewIndex(id) >= 0) {
            readCameraParam(id);
            syncCameraParam(id);
            m_ui->cameraParamWidget->setEnabled(true);
        } else if (startCam(0, id, true)) {
            m_ui->cameraParamWidget->setEnabled(true);
        } else {
            const QSignalBlocker blockCam(m_ui->boxCam);
            m_ui->boxCam->setCurrentIndex(-1);
        }
    }

    m_ui->boxResolution->blockSignals(false);
    m_ui->boxFormat->blockSignals(false);
}

bool Specula::startCam(int viewIndex, const QString &id, bool showError)
{
    if (cameraViewIndex(id) >= 0)
        return true;

    int width = 0;
    int height = 0;
    const QString format = m_ui->boxFormat->currentText();
    if (!parseResolution(m_ui->boxResolution->currentText(), &width, &height) ||
        !m_cam->open(id, width, height, format)) {
        if (showError)
            MessageBox::information(this, QString(), tr("启动设备失败"));
        return false;
    }
    width = m_cam->getProperty(id, CameraProperty::Width);
    height = m_cam->getProperty(id, CameraProperty::Height);
    m_config.setCurrentCamera(id);
    m_live.add(id, viewIndex, QSize(width, height));
    setCameraId(id);

    CameraConfig stored = m_config.cameraInfo(id);
    stored.resolution = QSize(width, height);
    stored.format = format;
    m_config.setCameraInfo(id, stored);
    if (stored.paramsRead)
        writeCameraParam(id);
    else
        readCameraParam(id);
    syncCameraParam(id);

    updateLabelStatus(id);
    onUpdateCamViewSize();
    return true;
}

void Specula::stopCam(QString id) // by value: callers pass the current id, which this clears
{
    if (isRecording() && id == m_record.cameraId())
        stopRecord();
    const int viewIndex = cameraViewIndex(id);
    if (viewIndex >= 0) {
        if (viewIndex < m_viewLabels.size())
            m_viewLabels.at(viewIndex)->setImage(QImage());
        m_cam->close(id);
        if (id == m_live.current())
            setCameraId(QString());
    }
    m_live.remove(id);
}

void Specula::setCameraId(const QString &id)
{
    m_live.setCurrent(id);
    const int index = cameraBoxIndex(id);
    if (m_ui->boxCam->currentIndex() != index) {
        // Only shows the camera; the selection logic runs on user choices.
        const QSignalBlocker block(m_ui->boxCam);
        m_ui->boxCam->setCurrentIndex(index);
    }
    if (!id.isEmpty())
        m_config.setCurrentCamera(id);
    m_scene->setOffline(id.isEmpty());
    m_ui->boxResolution->setEnabled(!id.isEmpty());
    m_ui->boxFormat->setEnabled(!id.isEmpty());
    m_ui->cameraParamWidget->setEnabled(!id.isEmpty());
    if (id.isEmpty()) {
        m_viewHasImage = false;
        m_ui->labelStatus->clear();
        onUpdateCamViewSize();
    } else {
        updateLabelRes();
    }
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
    int width = 0;
    int height = 0;
    const QString id = m_live.current();
    if (id.isEmpty() || !parseResolution(m_ui->boxResolution->currentText(), &width, &height))
        return;
    if (!m_live.isRunning(id))
        return;
    const QSize previous = m_live.size(id);
    if (previous == QSize(width, height))
        return;

    if (!m_scene->isEmpty()) {
        const int answer = MessageBox::question(this, QString(), tr("改变分辨率会清空测量"));
        // The box runs an event loop: the camera may have gone meanwhile.
        if (answer != QMessageBox::Yes || !m_live.isRunning(id) || id != m_live.current()) {
            const QSignalBlocker block(m_ui->boxResolution);
            m_ui->boxResolution->setCurrentText(
                resolutionText(previous.width(), previous.height()));
            return;
        }
    }

    stopRecord();
    m_scene->clear();
    m_cam->setProperty(id, CameraProperty::Width, width);
    m_cam->setProperty(id, CameraProperty::Height, height);
    m_live.setSize(id, QSize(width, height));
    CameraConfig stored = m_config.cameraInfo(id);
    stored.resolution = QSize(width, height);
    m_config.setCameraInfo(id, stored);
    onUpdateCamViewSize();
}

void Specula::onCamFormatChanged()
{
    const QString format = m_ui->boxFormat->currentText();
    const QString id = m_live.current();
    if (format.isEmpty() || id.isEmpty())
        return;
    m_cam->setFormat(id, format);
    // Remembered like the resolution, so the camera starts in it next time.
    CameraConfig stored = m_config.cameraInfo(id);
    stored.format = format;
    m_config.setCameraInfo(id, stored);
}

void Specula::onLocalCamera(QString camId, bool needCapture)
{
    Q_UNUSED(needCapture)
    // The frame itself, not a copy: the grabber keeps off its memory while the picture lives.
    QImage half;
    QImage picture = m_cam->shareFrame(camId, &half);
    if (picture.isNull()) {
        // The grabber is storing the next frame this instant: this one is dropped, never queued.
        qCDebug(lcApp) << "onLocalCamera lost frame";
        return;
    }
    const bool fourView = isFourView();
    const int viewIndex = m_live.viewIndex(camId);
    if ((!fourView && camId != m_live.current()) || viewIndex < 0) {
        m_cam->setHalfWanted(camId, false);
        return;
    }

    const auto stored = m_config.cameras.constFind(camId);
    if (stored != m_config.cameras.cend() && stored->blackWhite) {
        picture = liveFramePicture(picture, true);
        half = QImage(); // in colour
    }
    if (fourView) {
        if (viewIndex < m_viewLabels.size())
            m_viewLabels.at(viewIndex)->setImage(picture);
    } else {
        m_scene->setBaseFrame(picture, half);
        m_viewHasImage = true;
    }
    // The grabber halves the next frames while their rows are in its cache when the view
    // would start by halving them.
    m_cam->setHalfWanted(camId, !fourView && m_scene->wantsHalfFrames());

    m_live.noteFrame(camId, QDateTime::currentMSecsSinceEpoch());
    if (camId == m_live.current())
        updateLabelStatus(camId);
}

void Specula::updateLabelStatus(const QString &id)
{
    const LiveCameras::Readout readout = m_live.readout(id);
    const QPoint point = isFourView() ? QPoint() : m_scene->toDispPoint(m_live.cursorPoint());
    m_ui->labelStatus->setText(statusLineText(isFourView(), readout.rate, point, readout.colour));
}

void Specula::onCoorInfo(QPoint point, QColor color)
{
    if (m_live.noteCursor(point, color))
        updateLabelStatus(m_live.current());
}

void Specula::updateLabelRes()
{
    const QString id = m_live.current();
    if (id.isEmpty() || !m_live.isRunning(id)) {
        m_ui->labelResInfo->setText(QStringLiteral("0 * 0"));
        return;
    }
    const QSize size = m_live.size(id);
    m_ui->labelResInfo->setText(QString::asprintf("%d * %d", size.width(), size.height()));
}

// ---- Zoom and views ------------------------------------------------------------------------

namespace {

// The zoom box's first entry is translated; the table knows it by its source text.
QString zoomKey(const QComboBox *box)
{
    return box->currentIndex() == 0 ? QStringLiteral("Scale") : box->currentText();
}

} // namespace

double Specula::getRenderScale() const
{
    return zoomFactor(zoomKey(m_ui->comboZoom));
}

void Specula::onComboZoomChanged()
{
    onUpdateCamViewSize();
}

void Specula::onUpdateCamViewSize()
{
    const QString id = m_live.current();
    if (id.isEmpty()) {
        // Without a camera the view fills the page, so the no-device notice shows whole
        // instead of being clipped by the size of the last picture (or of no picture at all).
        m_ui->camViewer->setFixedSize(m_ui->mainPageScrollArea->maximumViewportSize());
        updateLabelRes();
        return;
    }
    const QString key = zoomKey(m_ui->comboZoom);
    double factor = zoomFactor(key);
    const QSize picture = m_live.size(id);
    if (m_live.isRunning(id) && picture.width() >= 0 && picture.height() >= 0) {
        QSize viewSize;
        if (isFitZoom(key)) {
            const QSize page = m_ui->mainPage->size();
            viewSize = fitViewSize(picture, page);
            factor = page.width() > 0 ? double(viewSize.width()) / page.width() : 1.0;
        } else {
            viewSize = zoomedViewSize(picture, factor);
        }
        m_ui->camViewer->setFixedSize(viewSize);
        if (!isFourView())
            m_scene->updateCameraViewSize(picture);
        // Let the scroll area take in the new size before centring on the picture.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        for (QScrollBar *bar : {m_ui->mainPageScrollArea->horizontalScrollBar(),
                                m_ui->mainPageScrollArea->verticalScrollBar()})
            bar->setValue(int(bar->maximum() * 0.5));
        m_ui->bdWidget->setScale(factor);
    }
    updateLabelRes();
}

void Specula::onUpdateFourCamViewer()
{
    const QSize page = m_ui->viewPage->size();
    for (int i = 0; i < m_viewLabels.size(); ++i)
        m_viewLabels.at(i)->setGeometry(fourViewRect(page, i));
}

void Specula::onCameraViewChecked(bool checked)
{
    if (!checked)
        return;
    for (CameraLabel *label : qAsConst(m_viewLabels)) {
        if (label != sender())
            label->setCheck(false);
    }
}

int Specula::getCameraViewChecked() const
{
    for (int i = 0; i < m_viewLabels.size(); ++i) {
        if (m_viewLabels.at(i)->isChecked())
            return i;
    }
    return -1;
}

void Specula::setCameraViewChecked(int index)
{
    for (int i = 0; i < m_viewLabels.size(); ++i)
        m_viewLabels.at(i)->setCheck(i == index);
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
    return m_ui->stackMainWidget->currentIndex() == 1;
}

void Specula::onBtnScreenSwitch()
{
    if (!isFourView()) {
        m_ui->stackMainWidget->setCurrentIndex(1);
        m_ui->btnCalib->setEnabled(false);
        m_ui->btnRecord->setEnabled(false);
        // No measuring on the four-view page: the side panel leaves the measurement page.
        if (m_ui->rightStackWidget->currentIndex() == 2)
            m_ui->btnSetting->click();
        for (int i = 1; i < m_viewLabels.size(); ++i)
            m_viewLabels.at(i)->setImage(QImage());
        onUpdateFourCamViewer();
    } else {
        if (m_record.recorder().isRunning())
            onBtnRecord();
        if (!m_live.datas().isEmpty() && m_live.current().isEmpty())
            setCameraId(m_live.datas().firstKey());
        setCameraViewChecked(1);
        m_ui->stackMainWidget->setCurrentIndex(0);
        m_ui->btnCalib->setEnabled(true);
        m_ui->btnRecord->setEnabled(true);
        onUpdateCamViewSize();
    }
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
    if (isFourView()) {
        // The check frame moves on at once, so quick captures fill the tiles in turn.
        tile = fourViewCaptureTile(getCameraViewChecked());
        setCameraViewChecked(fourViewNextTile(tile));
    }
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
    if (tile >= 0 && tile < m_viewLabels.size())
        m_viewLabels.at(tile)->setImageFile(path);
}

QImage Specula::getCamImage()
{
    const int index = cameraViewIndex(m_live.current());
    const double scale = getRenderScale();
    const bool scenePage = !isFourView();
    QImage source;
    if (!scenePage) {
        if (index < 0 || index >= m_viewLabels.size())
            return QImage();
        source = m_viewLabels.at(index)->image();
    } else if (m_scene->frameBufferData()) {
        // Without a frame the render would be a black picture of the last size. A zoomed
        // capture gets its scale bar after the crop, for the pixels it keeps.
        source = m_scene->renderImage(scale == 1.0);
    }
    QImage result = cropToZoom(source, scale);
    const double span = capturePixelSpan(source.size(), scale);
    if (scenePage && scale != 1.0)
        m_scene->paintScaleBar(result, span);
    if (const std::optional<PictureScale> stored =
            PictureScale::fromCalibration(m_scene->bdInfo(), span))
        stored->applyTo(result);
    const QPointF visible = m_ui->camViewer->mapToScene(
        m_ui->camViewer->viewport()->mapFrom(m_ui->mainPageScrollArea->viewport(), QPoint()));
    qCDebug(lcApp) << "image width : " << source.width() / scale
                   << " , height : " << source.height() / scale;
    qCDebug(lcApp) << "visable_scene.left(), visable_scene.top() " << visible.x() << "   "
                   << visible.y();
    qCDebug(lcApp) << "image 1 : size " << source.size() << " scaleRate : " << scale;
    qCDebug(lcApp) << "image2 : size " << zoomCropRect(source.size(), scale).size();
    qCDebug(lcApp) << "image3 : size " << result.size();
    return result;
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
    if (!item)
        return;
    const QString path = item->data(Qt::UserRole).toString();
    const QFileInfo info(path);
    qCDebug(lcApp) << "info :" << info.fileName() << " suffix :" << info.suffix()
                   << "path :" << info.absoluteFilePath();
    if (info.isDir()) {
        // A folder opens in its browser, as a double-click does.
        (item->listWidget() == m_ui->imageBrowser->listWidget() ? m_ui->imageBrowser
                                                                : m_ui->cameraBrowser)
            ->setCurrentPath(path);
    } else if (FileOps::hasSuffix(path, m_imageFormats)) {
        if (m_measureEditer->setImage(path))
            m_measureEditer->show();
        else
            MessageBox::information(this, QString(), tr("打开文件失败"));
    } else {
        // Built from the path, not from text: names with blanks, "#" or "%" open too.
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    }
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
