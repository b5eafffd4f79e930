#include "app/Specula.h"

#include "ui_Specula.h"

#include "app/AboutDialog.h"
#include "app/LanguageNames.h"
#include "app/LiveView.h"
#include "app/LogCategories.h"
#include "app/MessageBox.h"
#include "app/ProgramResources.h"
#include "app/ScaleBarAction.h"
#include "app/Startup.h"
#include "calibration/BDWidget.h"
#include "calibration/MeasureEditer.h"
#include "calibration/PictureScale.h"
#include "capture/CameraBuffer.h"
#include "capture/CameraParamApply.h"
#include "capture/CameraParamNames.h"
#include "capture/CvCaptureCAM_DShow.h"
#include "capture/FuncWidget.h"
#include "capture/QSwitchButton.h"
#include "capture/UsbDeviceIds.h"
#include "config/ConfigFile.h"
#include "media/BrowserFileActions.h"
#include "media/CameraLabel.h"
#include "media/CaptureGeometry.h"
#include "media/FileBrowser.h"
#include "media/FileOps.h"
#include "media/PictureWriter.h"
#include "media/RecordPolicy.h"
#include "media/SavePath.h"
#include "media/SettingDialog.h"
#include "media/SettingTimeDialog.h"
#include "media/TimedSeries.h"
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

// The splash picture stays up at least this long, however fast the start is.
constexpr qint64 kMinSplashMs = 3000;
constexpr int kCameraRefreshMs = 10000;
constexpr int kFullScreenCheckMs = 100;
// The frame rate is taken over this window; the cursor colour over this many samples.
constexpr qint64 kFrameWindowMs = 3000;
constexpr int kMaxColors = 10;
// Language selected when the stored index is not in the table.
constexpr int kDefaultLanguage = 1;

} // namespace

Specula::Specula(QWidget *parent)
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
    m_recordFps = 15;
    m_ui->actionSetting->setVisible(false);

    m_imageFormats =
        QStringList{QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("bmp")};
    m_movieFormats = QStringList{QStringLiteral("mp4")};
    m_ui->boxFormatImage->addItems(m_imageFormats);
    m_ui->boxFormatRecord->addItems(m_movieFormats);
    m_pictureWriter = new PictureWriter(this);
    m_isRecording = false;
    m_isAutoRecording = false;
    m_syncingParam = false;

    m_scene = m_ui->camViewer->scene();
    m_scene->setGraphicType(0x10002);
    m_scene->setConfig(&m_config);
    auto *scaleBar = new ScaleBarAction(m_ui->menu_2);
    scaleBar->addScene(m_scene);
    scaleBar->addScene(m_measureEditer->scene());

    m_fullScreenTip = new QLabel(this);
    m_fullScreenTip->setObjectName(QStringLiteral("labelFullScreenTip"));
    m_fullScreenTip->setStyleSheet(QStringLiteral("color:rgb(255,0,0); font-size:32px;"));
    m_fullScreenTip->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    m_fullScreenTip->setText(tr("按ESC退出全屏"));
    m_fullScreenTip->hide();

    m_ui->bdWidget->init(m_scene, &m_config);

    initCameraParam();

    connectSignals();

    m_ui->comboZoom->addItems({tr("Scale"), QStringLiteral("0.5x"), QStringLiteral("1.0x"),
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
    while (m_startTimer.elapsed() < kMinSplashMs) {
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
    while (!m_cameraDatas.isEmpty())
        stopCam(m_cameraDatas.firstKey());
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
    connect(&m_rtmpThread, SIGNAL(finished()), this, SLOT(onRtmpFinished()));
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
    connect(&m_autoRecordTimer, SIGNAL(timeout()), this, SLOT(onAutoRecordTimer()));
    connect(&m_recordTimer, SIGNAL(timeout()), this, SLOT(onRecordTimer()));
    connect(&m_fullScreenTimer, SIGNAL(timeout()), this, SLOT(onFullScreenTimer()));
    connect(&m_recordImageTimer, SIGNAL(timeout()), this, SLOT(onRecordImageTimer()));

    connect(ui->boxFormatImage, SIGNAL(currentIndexChanged(int)), this,
            SLOT(onFormatImageChanged()));
    connect(ui->boxFormatRecord, SIGNAL(currentIndexChanged(int)), this,
            SLOT(onFormatRecordChanged()));
}

// ---- Language ------------------------------------------------------------------------------

void Specula::buildLanguageMenu()
{
    m_langs = {
        {QString(), QT_TR_NOOP("中文")},
        {QStringLiteral("en"), QT_TR_NOOP("英语")},
        {QStringLiteral("zh"), QT_TR_NOOP("繁体中文")},
        {QStringLiteral("fr"), QT_TR_NOOP("法国")},
        {QStringLiteral("it"), QT_TR_NOOP("意大")},
        {QStringLiteral("ja"), QT_TR_NOOP("日语")},
        {QStringLiteral("ko"), QT_TR_NOOP("韩语")},
        {QStringLiteral("ru"), QT_TR_NOOP("俄语")},
        {QStringLiteral("de"), QT_TR_NOOP("德语")},
        {QStringLiteral("es"), QT_TR_NOOP("西班牙")},
        {QStringLiteral("pt"), QT_TR_NOOP("葡萄牙")},
        {QStringLiteral("nl"), QT_TR_NOOP("荷兰")},
        {QStringLiteral("pl"), QT_TR_NOOP("波兰")},
        {QStringLiteral("uk"), QT_TR_NOOP("乌克兰")},
        {QStringLiteral("lt"), QT_TR_NOOP("立陶宛")},
        {QStringLiteral("hu"), QT_TR_NOOP("匈牙利")},
    };
    for (const auto &lang : qAsConst(m_langs)) {
        QAction *action = m_ui->menuLang->addAction(
            languageMenuText(nativeLanguageName(lang.first), tr(lang.second), false));
        connect(action, SIGNAL(triggered()), this, SLOT(onActionLang()));
        action->setCheckable(true);
        m_langActions.append(action);
    }
}

void Specula::onActionLang()
{
    const int index = m_langActions.indexOf(qobject_cast<QAction *>(sender()));
    if (index >= 0)
        switchLang(index);
}

void Specula::switchLang(int index)
{
    if (index < 0 || index >= m_langs.size())
        index = kDefaultLanguage;
    m_config.language = index;

    // Installing does not check for an earlier install of the same translator; take it out
    // first so that switching back and forth never piles up entries.
    QCoreApplication::removeTranslator(&m_translator);
    if (index != 0) {
        // A missing file leaves the translator empty: texts then show in the source language.
        m_translator.load(
            translationFilePath(QCoreApplication::applicationDirPath(), m_langs.at(index).first));
        QCoreApplication::installTranslator(&m_translator);
    }

    // The keys stay the source texts; a key a group has no control for changes nothing.
    const QVector<QStringList> keys = CameraParamNames::groupKeys();
    for (int k = 0; k < m_funcWidgets.size() && k < keys.size(); ++k) {
        for (const QString &key : keys.at(k))
            m_funcWidgets.at(k)->setLabelText(key, tr(key.toUtf8().constData()));
    }

    m_fullScreenTip->setText(tr("按ESC退出全屏"));
    m_scene->update();

    // Each language under its own name, so that it can be found from any other language.
    QStringList menuTexts;
    for (int i = 0; i < m_langs.size(); ++i)
        menuTexts.append(languageMenuText(nativeLanguageName(m_langs.at(i).first),
                                          tr(m_langs.at(i).second), i == index));

    for (CameraLabel *label : qAsConst(m_viewLabels))
        label->switchLang();

    for (int i = 0; i < m_langActions.size(); ++i) {
        m_langActions.at(i)->setChecked(false);
        m_langActions.at(i)->setText(menuTexts.at(i));
    }
    m_langActions.at(index)->setChecked(true);

    m_ui->retranslateUi(this);
    // The form carries a placeholder title; the zoom box's first entry is filled in code.
    setWindowTitle(g_progmaName);
    if (m_ui->comboZoom->count() > 0)
        m_ui->comboZoom->setItemText(0, tr("Scale"));
    // The form's text is the idle one; a running recording keeps its state on the button.
    if (m_isRecording)
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
    // The browsers' folders are kept relative to their roots. A browser that was never
    // pointed at a folder leaves the stored one alone.
    const QString imagePath = m_ui->imageBrowser->currentPath();
    if (!imagePath.isEmpty())
        m_config.imageSubDir = QDir(m_config.imageDir).relativeFilePath(imagePath);
    const QString moviePath = m_ui->cameraBrowser->currentPath();
    if (!moviePath.isEmpty())
        m_config.movieSubDir = QDir(m_config.movieDir).relativeFilePath(moviePath);

    ConfigFile::save(ConfigFile::defaultPath(), m_config);
}

// ---- Frame ---------------------------------------------------------------------------------

void Specula::setFrameVisible(bool visible)
{
    m_ui->mainMenuBar->setVisible(visible);
    m_ui->headFrame->setVisible(visible);
    m_ui->rightStackWidget->setVisible(visible);
}

void Specula::placeFullScreenTip()
{
    m_fullScreenTip->setGeometry(10, height() - 240, 480, 200);
}

void Specula::onBtnFullScreen()
{
    if (isFullScreen()) {
        showNormal();
        setFrameVisible(true);
        m_fullScreenTip->hide();
    } else {
        setFrameVisible(false);
        showFullScreen();
        placeFullScreenTip();
        m_fullScreenTip->show();
        m_fullScreenTip->raise();
    }
}

void Specula::onFullScreenTimer()
{
    // The window manager may change the state on its own; keep the frame in step with it.
    if (isFullScreen() && m_ui->headFrame->isVisible()) {
        setFrameVisible(false);
        placeFullScreenTip();
        m_fullScreenTip->show();
        m_fullScreenTip->raise();
    } else if (!isFullScreen() && m_ui->headFrame->isHidden()) {
        setFrameVisible(true);
        m_fullScreenTip->hide();
    }
}

void Specula::onCameraTimer()
{
    if (!m_isRecording)
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
    if (m_fullScreenTip && m_fullScreenTip->isVisible())
        placeFullScreenTip();
    QTimer::singleShot(0, this, &Specula::onUpdateFourCamViewer);
    QTimer::singleShot(0, this, &Specula::onUpdateCamViewSize);
}

// ---- Camera control ------------------------------------------------------------------------

namespace {

bool listHas(const QVector<CameraInfo> &list, const QString &id)
{
    return std::any_of(list.cbegin(), list.cend(),
                       [&id](const CameraInfo &info) { return info.id == id; });
}

} // namespace

void Specula::initCam()
{
    m_cam->init();
    const QVector<CameraInfo> list = m_cam->cameraInfo();

    // A camera that came or went, running or not, changes the camera box.
    bool changed = false;
    for (const CameraInfo &info : list)
        changed = changed || !listHas(m_cameraList, info.id);
    for (const CameraInfo &info : qAsConst(m_cameraList))
        changed = changed || !listHas(list, info.id);
    QStringList gone;
    for (auto it = m_cameraDatas.cbegin(); it != m_cameraDatas.cend(); ++it) {
        if (!listHas(list, it.key()))
            gone.append(it.key());
    }

    m_cameraList = list;
    // The service has dropped the device state of a vanished camera already; stopping it also
    // releases its platform camera and clears its tile.
    for (const QString &id : qAsConst(gone))
        stopCam(id);
    if (!m_cameraDatas.contains(m_cameraId))
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
    const QString id =
        index >= 0 && index < m_cameraList.size() ? m_cameraList.at(index).id : QString();
    // A refreshed camera list re-selects the running camera: its measurements stay.
    if (id.isEmpty() || id != m_cameraId)
        m_scene->clear();

    if (!id.isEmpty()) {
        const CameraInfo info = m_cameraList.at(index);
        if (!m_cameraId.isEmpty() && m_cameraId != id)
            stopCam(m_cameraId);

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
    width = m_cam->getProperty(id, 3);
    height = m_cam->getProperty(id, 4);
    m_config.setCurrentCamera(id);
    CameraData data;
    data.viewIndex = viewIndex;
    data.size = QSize(width, height);
    m_cameraDatas.insert(id, data);
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

void Specula::stopCam(QString id) // by value: callers pass m_cameraId, which this clears
{
    if (m_isRecording && id == m_recordCameraId)
        stopRecord();
    const int viewIndex = cameraViewIndex(id);
    if (viewIndex >= 0) {
        if (viewIndex < m_viewLabels.size())
            m_viewLabels.at(viewIndex)->setImage(QImage());
        m_cam->close(id);
        if (id == m_cameraId)
            setCameraId(QString());
    }
    m_cameraDatas.remove(id);
}

void Specula::setCameraId(const QString &id)
{
    m_cameraId = id;
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
    const auto it = m_cameraDatas.constFind(id);
    return it == m_cameraDatas.cend() ? -1 : it->viewIndex;
}

int Specula::cameraBoxIndex(const QString &id) const
{
    for (int i = 0; i < m_cameraList.size(); ++i) {
        if (m_cameraList.at(i).id == id)
            return i;
    }
    return -1;
}

bool Specula::checkCam()
{
    if (isCapture(m_cameraId))
        return true;
    MessageBox::information(this, QString(), tr("设备未启动"));
    return false;
}

void Specula::onCamResolutionChanged()
{
    int width = 0;
    int height = 0;
    if (m_cameraId.isEmpty() ||
        !parseResolution(m_ui->boxResolution->currentText(), &width, &height))
        return;
    const QString id = m_cameraId;
    if (!m_cameraDatas.contains(id))
        return;
    const QSize previous = m_cameraDatas.value(id).size;
    if (previous == QSize(width, height))
        return;

    if (!m_scene->isEmpty()) {
        const int answer = MessageBox::question(this, QString(), tr("改变分辨率会清空测量"));
        // The box runs an event loop: the camera may have gone meanwhile.
        if (answer != QMessageBox::Yes || !m_cameraDatas.contains(id) || id != m_cameraId) {
            const QSignalBlocker block(m_ui->boxResolution);
            m_ui->boxResolution->setCurrentText(
                resolutionText(previous.width(), previous.height()));
            return;
        }
    }

    stopRecord();
    m_scene->clear();
    m_cam->setProperty(id, 3, width);
    m_cam->setProperty(id, 4, height);
    m_cameraDatas[id].size = QSize(width, height);
    CameraConfig stored = m_config.cameraInfo(id);
    stored.resolution = QSize(width, height);
    m_config.setCameraInfo(id, stored);
    onUpdateCamViewSize();
}

void Specula::onCamFormatChanged()
{
    const QString format = m_ui->boxFormat->currentText();
    if (format.isEmpty() || m_cameraId.isEmpty())
        return;
    m_cam->setFormat(m_cameraId, format);
    // Remembered like the resolution, so the camera starts in it next time.
    CameraConfig stored = m_config.cameraInfo(m_cameraId);
    stored.format = format;
    m_config.setCameraInfo(m_cameraId, stored);
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
    const bool fourView = m_ui->stackMainWidget->currentIndex() == 1;
    const auto data = m_cameraDatas.find(camId);
    if ((!fourView && camId != m_cameraId) || data == m_cameraDatas.end()) {
        m_cam->setHalfWanted(camId, false);
        return;
    }

    const auto stored = m_config.cameras.constFind(camId);
    if (stored != m_config.cameras.cend() && stored->blackWhite) {
        picture = liveFramePicture(picture, true);
        half = QImage(); // in colour
    }
    if (fourView) {
        if (data->viewIndex >= 0 && data->viewIndex < m_viewLabels.size())
            m_viewLabels.at(data->viewIndex)->setImage(picture);
    } else {
        m_scene->setBaseFrame(picture, half);
        m_viewHasImage = true;
    }
    // The grabber halves the next frames while their rows are in its cache when the view
    // would start by halving them.
    m_cam->setHalfWanted(camId, !fourView && m_scene->wantsHalfFrames());

    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    QVector<qint64> &times = data->frameTimes;
    times.append(now);
    const auto fresh = std::find_if(times.begin(), times.end(),
                                    [now](qint64 t) { return now - t <= kFrameWindowMs; });
    times.erase(times.begin(), fresh);

    if (camId == m_cameraId)
        updateLabelStatus(camId);
}

void Specula::updateLabelStatus(const QString &id)
{
    int red = 0;
    int green = 0;
    int blue = 0;
    double rate = 0.0;
    const auto data = m_cameraDatas.constFind(id);
    if (data != m_cameraDatas.cend()) {
        const int count = data->colors.size();
        for (const QColor &color : data->colors) {
            red += color.red();
            green += color.green();
            blue += color.blue();
        }
        if (count > 0) {
            red /= count;
            green /= count;
            blue /= count;
        }
        rate = frameRate(data->frameTimes);
    }

    QString text;
    if (m_ui->stackMainWidget->currentIndex() == 1) {
        text = tr("帧率") + QString::asprintf(":%0.1ffps", rate);
    } else {
        const QPoint p = m_scene->toDispPoint(m_coorPoint);
        text = tr("帧率") + QString::asprintf(":%0.1ffps ", rate) + tr("坐标") +
               QString::asprintf(":%d,%d (R:%3d G:%3d B:%3d)", p.x(), p.y(), red, green, blue);
    }
    m_ui->labelStatus->setText(text);
}

void Specula::onCoorInfo(QPoint point, QColor color)
{
    const auto data = m_cameraDatas.find(m_cameraId);
    if (data == m_cameraDatas.end())
        return;
    m_coorPoint = point;
    data->colors.append(color);
    while (data->colors.size() > kMaxColors)
        data->colors.removeFirst();
    updateLabelStatus(m_cameraId);
}

void Specula::updateLabelRes()
{
    const auto data = m_cameraDatas.constFind(m_cameraId);
    if (m_cameraId.isEmpty() || data == m_cameraDatas.cend()) {
        m_ui->labelResInfo->setText(QStringLiteral("0 * 0"));
        return;
    }
    m_ui->labelResInfo->setText(
        QString::asprintf("%d * %d", data->size.width(), data->size.height()));
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
    if (m_cameraId.isEmpty()) {
        // Without a camera the view fills the page, so the no-device notice shows whole
        // instead of being clipped by the size of the last picture (or of no picture at all).
        m_ui->camViewer->setFixedSize(m_ui->mainPageScrollArea->maximumViewportSize());
        updateLabelRes();
        return;
    }
    const QString key = zoomKey(m_ui->comboZoom);
    double factor = zoomFactor(key);
    const auto data = m_cameraDatas.constFind(m_cameraId);
    if (data != m_cameraDatas.cend() && data->size.width() >= 0 && data->size.height() >= 0) {
        const QSize picture = data->size;
        QSize viewSize;
        if (isFitZoom(key)) {
            const QSize page = m_ui->mainPage->size();
            viewSize = fitViewSize(picture, page);
            factor = page.width() > 0 ? double(viewSize.width()) / page.width() : 1.0;
        } else {
            viewSize = zoomedViewSize(picture, factor);
        }
        m_ui->camViewer->setFixedSize(viewSize);
        if (m_ui->stackMainWidget->currentIndex() == 0)
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
    const QString file = QFileDialog::getOpenFileName(this, QString(), getSavePath(0),
                                                      QStringLiteral("*.png;*.jpg;*.bmp"));
    if (!file.isEmpty())
        label->setImageFile(file);
}

void Specula::onCameraMenu(QPoint) {}

void Specula::onBtnScreenSwitch()
{
    if (m_ui->stackMainWidget->currentIndex() == 0) {
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
        if (m_rtmpThread.isRunning())
            onBtnRecord();
        if (!m_cameraDatas.isEmpty() && m_cameraId.isEmpty())
            setCameraId(m_cameraDatas.firstKey());
        setCameraViewChecked(1);
        m_ui->stackMainWidget->setCurrentIndex(0);
        m_ui->btnCalib->setEnabled(true);
        m_ui->btnRecord->setEnabled(true);
        onUpdateCamViewSize();
    }
    if (!m_cameraId.isEmpty())
        updateLabelStatus(m_cameraId);
}

// ---- Camera parameters ---------------------------------------------------------------------

void Specula::readCameraParam(const QString &id)
{
    CameraConfig stored = m_config.cameraInfo(id);
    stored.paramsRead = true;
    stored.resolution = QSize(m_cam->getProperty(id, 3), m_cam->getProperty(id, 4));
    stored.exposure = m_cam->getParam(id, 15);
    stored.gain = m_cam->getParam(id, 14);
    stored.brightness = m_cam->getParam(id, 10);
    stored.contrast = m_cam->getParam(id, 11);
    stored.hue = m_cam->getParam(id, 13);
    stored.saturation = m_cam->getParam(id, 12);
    stored.sharpness = m_cam->getParam(id, 20);
    stored.gamma = m_cam->getParam(id, 22);
    stored.redGain = double(m_cam->getProperty(id, 39));
    stored.greenGain = double(m_cam->getProperty(id, 40));
    stored.blueGain = double(m_cam->getProperty(id, 41));
    // The switch must show the mode the camera is really in, or the gains would look active
    // while the camera ignores them.
    const CameraParam whiteBalance = m_cam->getParam(id, 17);
    if (whiteBalance.valid)
        stored.autoWhiteBalance = whiteBalance.value != 0;
    m_config.setCameraInfo(id, stored);
}

void Specula::writeCameraParam(const QString &id)
{
    const CameraConfig stored = m_config.cameraInfo(id);
    m_cam->setResver(id, stored.flipHorizontal, stored.flipVertical);
    // Same size as running: no restart.
    m_cam->setProperty(id, 3, stored.resolution.width());
    m_cam->setProperty(id, 4, stored.resolution.height());

    // A parameter the camera did not report when it was read holds no value worth pushing
    // (a zero brightness would black out the picture).
    const auto push = [this, &id](int prop, const CameraParam &param) {
        if (param.valid)
            m_cam->setProperty(id, prop, param.value);
    };
    push(15, stored.exposure);
    m_cam->setProperty(id, 39, int(stored.redGain));
    m_cam->setProperty(id, 40, int(stored.greenGain));
    m_cam->setProperty(id, 41, int(stored.blueGain));
    m_cam->setProperty(id, 17, stored.autoWhiteBalance ? 1 : 0);
    push(10, stored.brightness);
    push(11, stored.contrast);
    push(13, stored.hue);
    push(12, stored.saturation);
    push(20, stored.sharpness);
    push(22, stored.gamma);
    m_cam->setProperty(id, 21, stored.exposure.isAuto() ? 1 : 2);
    if (!stored.exposure.isAuto())
        push(14, stored.gain);
}

void Specula::syncCameraParam(const QString &id)
{
    // Refreshes the controls from the stored settings without writing anything back; the
    // slots ignore the signals this causes.
    m_syncingParam = true;
    const CameraConfig stored = m_config.cameraInfo(id);
    for (QSlider *slider : qAsConst(m_sliders)) {
        slider->setEnabled(false);
        slider->setRange(0, 0);
        slider->setValue(0);
    }
    QSwitchButton *autoExposure = m_switchMap.value(QStringLiteral("自动曝光"));
    QSwitchButton *autoWhiteBalance = m_switchMap.value(QStringLiteral("自动白平衡"));
    for (QSwitchButton *button : {autoExposure, autoWhiteBalance}) {
        button->SetEnabel(false);
        button->SetSelected(false);
    }
    m_switchMap.value(QStringLiteral("垂直翻转"))->SetSelected(stored.flipVertical);
    m_switchMap.value(QStringLiteral("水平翻转"))->SetSelected(stored.flipHorizontal);
    m_switchMap.value(QStringLiteral("黑白"))->SetSelected(stored.blackWhite);
    if (m_cam->isSupport(id, 17)) {
        autoWhiteBalance->SetEnabel(true);
        autoWhiteBalance->SetSelected(stored.autoWhiteBalance);
    }
    if (m_cam->isSupport(id, 15)) {
        autoExposure->SetEnabel(stored.exposure.isAutoSupport());
        autoExposure->SetSelected(stored.exposure.isAuto());
    }
    for (const CameraParamNames::Slider &entry : CameraParamNames::sliders()) {
        QSlider *slider = m_sliderMap.value(QString::fromUtf8(entry.name));
        if (!slider)
            continue;
        const bool supported = m_cam->isSupport(id, entry.prop);
        const auto view = CameraParamNames::sliderView(
            stored, entry, supported, entry.gain ? m_cam->getParam(id, entry.prop) : CameraParam());
        slider->setRange(view.minimum, view.maximum);
        slider->setSingleStep(view.step);
        slider->setValue(view.value);
        slider->setEnabled(view.enabled);
    }
    // A group is offered when the camera has something to adjust in it.
    const bool exposureOffered = m_cam->isSupport(id, 15) || m_cam->isSupport(id, 14);
    const bool balanceOffered = m_cam->isSupport(id, 17) || m_cam->isSupport(id, 39);
    for (const auto &group : {qMakePair(0, exposureOffered), qMakePair(2, balanceOffered)}) {
        m_funcButtons.at(group.first)->setVisible(group.second);
        if (!group.second && !m_funcWidgets.at(group.first)->isHidden())
            showFuncWidget(group.first); // folds it in
    }
    m_syncingParam = false;
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
    const bool picture = type == 0;
    QString folder = (picture ? m_ui->imageBrowser : m_ui->cameraBrowser)->currentPath();
    if (folder.isEmpty()) {
        folder = picture ? QDir(m_config.imageDir).filePath(m_config.imageSubDir)
                         : QDir(m_config.movieDir).filePath(m_config.movieSubDir);
    }
    const QString suffix = picture ? m_imageFormats.value(m_config.imageFormat)
                                   : m_movieFormats.value(m_config.movieFormat);
    // A capture of the same second may still be on its way to the disk.
    const PictureWriter *writer = m_pictureWriter;
    return uniqueSavePath(folder, saveStamp(QDateTime::currentDateTime()), suffix,
                          [writer](const QString &path) { return writer->isPending(path); });
}

bool Specula::checkPath(int type)
{
    if (type != 0 && type != 1)
        return true;
    const QString folder = QFileInfo(getSavePath(type)).path();
    if (!isSameFolder(folder, type == 0 ? m_config.imageDir : m_config.movieDir))
        return true;
    QMessageBox::information(
        this, QString(),
        tr("请先选择并打开需要保存的路径文件夹 - "
           "软件右上角“浏览文件”→“拍照”→“image”或者“浏览文件”→“录像”→“movie”"));
    return false;
}

void Specula::initPath()
{
    // The sub-folder is made together with a missing root only: an existing root keeps the
    // folders its user made.
    if (!QFileInfo::exists(m_config.imageDir))
        ensureSaveFolders(m_config.imageDir, m_config.imageSubDir);
    if (!QFileInfo::exists(m_config.movieDir))
        ensureSaveFolders(m_config.movieDir, m_config.movieSubDir);
    updateHistoryList();
}

void Specula::updateHistoryList()
{
    pruneMissingFiles(m_config.imageFiles);
    pruneMissingFiles(m_config.movieFiles);
    m_ui->imageBrowser->setBasePath(m_config.imageDir);
    m_ui->cameraBrowser->setBasePath(m_config.movieDir);
    m_ui->imageBrowser->setCurrentPath(QDir(m_config.imageDir).filePath(m_config.imageSubDir));
    m_ui->cameraBrowser->setCurrentPath(QDir(m_config.movieDir).filePath(m_config.movieSubDir));
}

void Specula::appendHistoryFile(const QString &path, bool isImage)
{
    FileBrowser *browser = isImage ? m_ui->imageBrowser : m_ui->cameraBrowser;
    // The user may have moved to another folder while the file was written: it is listed
    // only where it lies.
    if (isSameFolder(QFileInfo(path).absolutePath(), browser->currentPath()))
        browser->addItem(path);
}

void Specula::stopRecord()
{
    if (!m_isRecording)
        return;
    setRecordingUi(false);
    m_rtmpThread.waitFinish(5000);
    finishRecordFile();
}

// ---- Filled in by the parameter panel, capture, recording and history --------------------

void Specula::initCameraParam()
{
    QVector<FuncWidget *> groups;
    for (int k = 0; k < 4; ++k)
        groups.append(new FuncWidget(m_ui->cameraParamWidget));
    QVector<QWidget *> controls{groups[0]->addSwicth(QStringLiteral("自动曝光"), false),
                                groups[0]->addSlider(QStringLiteral("曝光时间")),
                                groups[0]->addSlider(QStringLiteral("增益"))};
    // The colour group also offers the levels the camera service reads and restores, so
    // that they can be adjusted and not only carried along.
    for (const char *name : {"亮度", "对比度", "饱和度", "色相", "伽马值", "锐度"})
        controls.append(groups[1]->addSlider(QString::fromUtf8(name)));
    controls.append(groups[1]->addSwicth(QStringLiteral("黑白"), false));
    controls.append(groups[2]->addSwicth(QStringLiteral("自动白平衡"), false));
    for (const char *name : {"色温", "红增益", "绿增益", "蓝增益"})
        controls.append(groups[2]->addSlider(QString::fromUtf8(name)));
    controls.append(groups[3]->addSwicth(QStringLiteral("水平翻转"), false));
    controls.append(groups[3]->addSwicth(QStringLiteral("垂直翻转"), false));

    for (QWidget *control : qAsConst(controls)) {
        const QString name = control->property("name").toString();
        if (auto *button = qobject_cast<QSwitchButton *>(control)) {
            m_switches.append(button);
            m_switchMap.insert(name, button);
            connect(button, SIGNAL(clicked(bool)), this, SLOT(onSwitchChanged(bool)));
        } else if (auto *slider = qobject_cast<QSlider *>(control)) {
            m_sliders.append(slider);
            m_sliderMap.insert(name, slider);
            slider->setRange(0, 0);
            slider->setEnabled(false); // "色温" stays so: the camera layer has no such gain
            connect(slider, SIGNAL(valueChanged(int)), this, SLOT(onSliderChanged()));
        }
    }

    m_funcWidgets = groups;
    m_funcButtons = {m_ui->btnBaoGuang, m_ui->btnColor, m_ui->btnBlance, m_ui->btnResever};
    auto *layout = qobject_cast<QBoxLayout *>(m_ui->cameraParamWidget->layout());
    for (int k = 0; k < m_funcButtons.size(); ++k) {
        layout->insertWidget(layout->indexOf(m_funcButtons.at(k)) + 1, groups.at(k));
        m_funcButtons.at(k)->setIcon(QIcon(QStringLiteral(":/Specula/image/icon/arrow_off.png")));
        groups.at(k)->hide();
        connect(m_funcButtons.at(k), SIGNAL(clicked()), this, SLOT(onFuncBtnClicked()));
    }
    // Exposure and white balance appear once a camera offers them (syncCameraParam).
    m_ui->btnBaoGuang->hide();
    m_ui->btnBlance->hide();
}

void Specula::onFuncBtnClicked()
{
    const int k = m_funcButtons.indexOf(qobject_cast<QPushButton *>(sender()));
    if (k >= 0)
        showFuncWidget(k);
}

void Specula::showFuncWidget(int k)
{
    const QIcon off(QStringLiteral(":/Specula/image/icon/arrow_off.png"));
    if (!m_funcWidgets.at(k)->isHidden()) {
        m_funcWidgets.at(k)->hide();
        m_funcButtons.at(k)->setIcon(off);
        return;
    }
    for (int i = 0; i < m_funcWidgets.size(); ++i) {
        m_funcWidgets.at(i)->hide();
        m_funcButtons.at(i)->setIcon(off);
    }
    m_funcWidgets.at(k)->show();
    m_funcButtons.at(k)->setIcon(QIcon(QStringLiteral(":/Specula/image/icon/arrow_on.png")));
}

void Specula::onSwitchChanged(bool on)
{
    auto *button = qobject_cast<QSwitchButton *>(sender());
    if (m_syncingParam || !button)
        return;
    const QString id = m_cameraList.value(m_ui->boxCam->currentIndex()).id;
    if (!isCapture(id)) {
        button->SetSelected(!on); // nothing took the change: show the state in force
        return;
    }
    const QString name = button->property("name").toString();
    CameraConfig stored = m_config.cameraInfo(id);
    CameraParamApply::applySwitch(*m_cam, id, stored, name, on);
    m_config.setCameraInfo(id, stored);
    if (name == QStringLiteral("自动曝光") || name == QStringLiteral("自动白平衡"))
        syncCameraParam(id); // the sliders that depend on the mode follow it
}

void Specula::onSliderChanged()
{
    auto *slider = qobject_cast<QSlider *>(sender());
    if (m_syncingParam || !slider)
        return;
    const QString id = m_cameraList.value(m_ui->boxCam->currentIndex()).id;
    if (!isCapture(id))
        return;
    CameraConfig stored = m_config.cameraInfo(id);
    CameraParamApply::applySlider(*m_cam, id, stored, slider->property("name").toString(),
                                  slider->value());
    m_config.setCameraInfo(id, stored);
}

void Specula::onBtnCamParamReset()
{
    const QString id = m_cameraList.value(m_ui->boxCam->currentIndex()).id;
    if (!isCapture(id))
        return;
    readCameraParam(id);
    m_config.resetCameraInfo(id);
    CameraConfig stored = m_config.cameraInfo(id);
    CameraParamApply::resetCameraDefaults(*m_cam, id, stored);
    m_config.setCameraInfo(id, stored);
    writeCameraParam(id);
    syncCameraParam(id);
}

void Specula::onBtnCapture()
{
    if (!checkCam() || !checkPath(0) || m_ui->labelView1->isDongjie())
        return;
    const QImage picture = getCamImage();
    if (picture.isNull()) {
        MessageBox::information(this, QString(), tr("保存图片失败"));
        return;
    }
    const QString path = getSavePath(0);
    int tile = -1;
    if (m_ui->stackMainWidget->currentIndex() == 1) {
        // The check frame moves on at once, so quick captures fill the tiles in turn.
        tile = fourViewCaptureTile(getCameraViewChecked());
        setCameraViewChecked(fourViewNextTile(tile));
    }
    // Rendered here; encoded and written on the writer's thread, listed when written.
    m_pictureWriter->write(picture, path, tile);
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
    const int index = cameraViewIndex(m_cameraId);
    const double scale = getRenderScale();
    const bool scenePage = m_ui->stackMainWidget->currentIndex() != 1;
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

void Specula::setSaveRoot(int type, const QString &folder)
{
    // A new root starts in its default sub-folder, made when missing: captures are refused in
    // the root itself.
    const Config defaults;
    QString &root = type == 0 ? m_config.imageDir : m_config.movieDir;
    QString &sub = type == 0 ? m_config.imageSubDir : m_config.movieSubDir;
    root = folder;
    sub = type == 0 ? defaults.imageSubDir : defaults.movieSubDir;
    ensureSaveFolders(root, sub);
}

void Specula::onActionImagePath()
{
    const QString folder = QFileDialog::getExistingDirectory(this, QString(), m_config.imageDir,
                                                             QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return;
    setSaveRoot(0, folder);
    initPath();
}

void Specula::onActionRecordPath()
{
    const QString folder = QFileDialog::getExistingDirectory(this, QString(), m_config.movieDir,
                                                             QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return;
    setSaveRoot(1, folder);
    initPath();
}

void Specula::onActionSetting()
{
    SettingDialog dialog(this);
    dialog.setConfig(m_config);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // Only the two folders come back: the rest of the copy is as old as the dialog, and
    // history entries or camera settings made meanwhile must stay.
    const Config &edited = dialog.config();
    const bool newImageRoot = !isSameFolder(edited.imageDir, m_config.imageDir);
    const bool newMovieRoot = !isSameFolder(edited.movieDir, m_config.movieDir);
    if (newImageRoot)
        setSaveRoot(0, edited.imageDir);
    if (newMovieRoot)
        setSaveRoot(1, edited.movieDir);
    // Unchanged roots leave the browsers where the user took them.
    if (newImageRoot || newMovieRoot)
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
    if (m_isRecording) {
        stopRecord();
        return;
    }
    if (!checkCam() || !checkPath(1) || m_ui->labelView1->isDongjie())
        return;
    startRecord(m_cameraId);
}

bool Specula::startRecord(const QString &camId)
{
    // Only the single view is recorded, at the size of the picture it shows.
    const QSize size = m_scene->sceneRect().size().toSize();
    if (m_ui->stackMainWidget->currentIndex() != 0 || !m_viewHasImage ||
        !m_scene->frameBufferData() || size.isEmpty())
        return false;
    m_rtmpThread.setOutputPath(getSavePath(1));
    m_rtmpThread.setSize(size.width(), size.height());
    m_recordFps = recordFrameRate(size.width(), size.height());
    m_rtmpThread.setFrameRate(m_recordFps);
    m_recordCameraId = camId;
    m_scene->initRendefBuffer();
    m_recordErrorShown = false;
    qCDebug(lcApp) << "=======================开始录像 1";
    m_rtmpThread.startRecord();
    qCDebug(lcApp) << "=======================开始录像 2";
    setRecordingUi(true);
    // The picture on screen at the press is the first frame, so even a recording stopped at
    // once holds one.
    onRecordImageTimer();
    return true;
}

void Specula::setRecordingUi(bool on)
{
    m_isRecording = on;
    m_scene->setRecord(on);
    m_ui->btnRecord->setText(on ? tr("停止录像") : tr("录像"));
    m_ui->btnRecord->setIcon(m_recordIcon);
    m_ui->cameraWidget->setEnabled(!on);
    m_recordBlink = false;
    m_lastFrameSlot = -1;
    if (on) {
        m_recordClock.start();
        m_recordImageTimer.start(10);
        m_recordTimer.start(500);
    } else {
        m_recordClock.invalidate();
        m_recordImageTimer.stop();
        m_recordTimer.stop();
        m_recordCameraId.clear();
    }
}

// The recorder has ended: count a timed video, list the file if it holds a picture.
void Specula::finishRecordFile()
{
    if (m_isAutoRecording) {
        m_isAutoRecording = false;
        advanceAfterVideo(m_config, QDateTime::currentDateTime());
        emit autoRecordFinish();
    }
    if (!m_rtmpThread.hasVideo())
        return;
    m_config.movieFiles.append(m_rtmpThread.outputPath());
    appendHistoryFile(m_rtmpThread.outputPath(), false);
}

void Specula::onRtmpFinished()
{
    if (m_rtmpThread.isRunning()) // a newer recording runs already
        return;
    // The worker ends by itself only on a failure: the window goes back to idle first. A
    // late signal of an earlier run finds the failure reported already.
    stopRecord();
    if (m_rtmpThread.failed() && !m_recordErrorShown) {
        m_recordErrorShown = true;
        MessageBox::information(this, QString(), tr("录像出错1"));
    }
}

void Specula::onRecordTimer()
{
    m_ui->btnRecord->setIcon(m_recordBlink ? m_recordPlayingIcon : m_recordIcon);
    m_recordBlink = !m_recordBlink;
}

void Specula::onRecordImageTimer()
{
    const qint64 ms = m_recordClock.isValid() ? m_recordClock.elapsed() : -1;
    if (!m_isRecording || ms < 0 || !isRecordFrameDue(ms, m_lastFrameSlot, m_recordFps))
        return;
    // All five buffers in flight: the next tick tries again.
    if (CameraBuffer *frame = m_scene->rendefBuffer()) {
        m_rtmpThread.writeVideo(int(ms), frame);
        m_lastFrameSlot = recordFrameSlot(ms, m_recordFps);
    }
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
    dialog.setMainWindow(this);
    dialog.exec();
    // The series lives only while its dialog is open; a timed video in progress is finished.
    stopAutoRecord();
}

void Specula::startAutoRecord(const Config &series)
{
    copyTimedSeries(series, m_config);
    m_autoRecordTimer.start(1000);
}

void Specula::stopAutoRecord()
{
    if (m_isAutoRecording && m_isRecording)
        onBtnRecord();
    m_isAutoRecording = false;
    m_autoRecordTimer.stop();
    m_config.autoRecordOn = false;
}

void Specula::onAutoRecordTimer()
{
    // A step that shows a box runs an event loop: the ticks meanwhile are ignored.
    if (m_autoStepRunning)
        return;
    m_autoStepRunning = true;
    runTimedStep(QDateTime::currentDateTime());
    m_autoStepRunning = false;
    if (timedSeriesDone(m_config)) {
        m_config.autoRecordOn = false;
        m_autoRecordTimer.stop();
    }
}

// The schedule advances before the step acts, so a refused step still counts.
void Specula::runTimedStep(const QDateTime &now)
{
    const bool video = m_isAutoRecording && m_isRecording;
    switch (timedSeriesStep(m_config, now, video, m_rtmpThread.recordTime())) {
    case TimedStep::Capture:
        advanceAfterPicture(m_config, now);
        onBtnCapture();
        emit autoRecordFinish();
        break;
    case TimedStep::StartVideo:
        advanceBeforeVideo(m_config, now);
        m_isAutoRecording = true;
        onBtnRecord();
        if (!m_isRecording) { // refused: counts like a refused picture
            m_isAutoRecording = false;
            advanceAfterVideo(m_config, now);
            emit autoRecordFinish();
        }
        break;
    case TimedStep::StopVideo: onBtnRecord(); break;
    case TimedStep::Wait: break;
    }
}

// Every entry of a browser list, in list order.
static QList<QListWidgetItem *> listEntries(const QListWidget *list)
{
    QList<QListWidgetItem *> entries;
    for (int i = 0; i < list->count(); ++i)
        entries.append(list->item(i));
    return entries;
}

void Specula::onListItemMenu(QPoint pos)
{
    auto *list = qobject_cast<QListWidget *>(sender());
    const QListWidgetItem *clicked = list ? list->itemAt(pos) : nullptr;
    if (!clicked)
        return;
    const QString path = clicked->data(Qt::UserRole).toString();
    const bool pictures = list == m_ui->imageBrowser->listWidget();
    FileBrowser *browser = pictures ? m_ui->imageBrowser : m_ui->cameraBrowser;
    QStringList &history = pictures ? m_config.imageFiles : m_config.movieFiles;

    QMenu menu(this);
    QAction *open = menu.addAction(tr("打开"));
    QAction *remove = menu.addAction(tr("删除"));
    QAction *removeAll = menu.addAction(tr("全部删除"));
    QAction *rename = menu.addAction(tr("重命名"));
    QAction *saveAs = menu.addAction(tr("另存为"));
    QAction *saveAll = menu.addAction(tr("全部另存为"));
    saveAs->setVisible(!QFileInfo(path).isDir());
    saveAll->setVisible(saveAs->isVisible());
    QAction *chosen = menu.exec(list->viewport()->mapToGlobal(pos));

    // The list may have changed while the menu was open (a capture, a thumbnail): look the
    // entry up again by its path.
    const QList<QListWidgetItem *> all = listEntries(list);
    const auto found = std::find_if(all.cbegin(), all.cend(), [&path](QListWidgetItem *item) {
        return item->data(Qt::UserRole).toString() == path;
    });
    QListWidgetItem *item = found == all.cend() ? nullptr : *found;
    if (!chosen || !item)
        return;
    if (chosen == open)
        onListItemOpen(item);
    else if (chosen == remove)
        m_fileActions->removeEntries(browser, history, {item});
    else if (chosen == removeAll)
        m_fileActions->removeEntries(browser, history, all);
    else if (chosen == rename)
        m_fileActions->renameEntry(browser, item);
    else if (chosen == saveAs)
        m_fileActions->saveEntryAs(item);
    else if (chosen == saveAll)
        m_fileActions->saveEntriesTo(all);
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
    const QString recording = m_rtmpThread.outputPath();
    return m_isRecording && !recording.isEmpty() && isInsideFolder(recording, path);
}

void Specula::onActionImport()
{
    const QStringList files = QFileDialog::getOpenFileNames(
        this, QString(), QString(),
        tr("图片和视频") + QStringLiteral(" (%1)").arg(FileOps::importFilter(
                               m_imageFormats + m_movieFormats + QStringList{"avi"})));
    if (files.isEmpty())
        return;
    BrowserFileActions::ImportTargets targets;
    targets.pictureSuffixes = m_imageFormats;
    targets.pictures = m_ui->imageBrowser;
    targets.videos = m_ui->cameraBrowser;
    targets.pictureHistory = &m_config.imageFiles;
    targets.videoHistory = &m_config.movieFiles;
    targets.checkPath = [this](int type) { return checkPath(type); };
    m_fileActions->importFiles(files, targets);
}
