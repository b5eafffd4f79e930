#include "app/Specula.h"

#include "ui_Specula.h"

#include "app/AboutDialog.h"
#include "app/Startup.h"
#include "calibration/BDWidget.h"
#include "calibration/MeasureEditer.h"
#include "config/ConfigFile.h"
#include "media/CameraLabel.h"
#include "media/FileBrowser.h"
#include "scene/CameraScene.h"
#include "scene/CameraViewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPixmap>
#include <QSplashScreen>
#include <QThread>

namespace {

// The splash picture stays up at least this long, however fast the start is.
constexpr qint64 kMinSplashMs = 3000;
constexpr int kCameraRefreshMs = 10000;
constexpr int kFullScreenCheckMs = 100;
// Language selected when the stored index is not in the table.
constexpr int kDefaultLanguage = 1;

} // namespace

// Outside the anonymous namespace: Q_INIT_RESOURCE declares the resource initialiser at block
// scope, and it must keep external linkage.
static void initResources()
{
#ifdef LUMIVEX_HAVE_RESOURCES
    // The core is a static library: without this reference the linker drops the compiled
    // icons, logo and splash picture.
    static const bool done = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    Q_UNUSED(done)
#endif
}

Specula::Specula(QWidget *parent)
    : QMainWindow(parent)
{
    initResources();
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

    // Camera service: the instance is taken here once the capture service exists.
    m_recordFps = 15;
    m_ui->actionSetting->setVisible(false);

    m_imageFormats =
        QStringList{QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("bmp")};
    m_movieFormats = QStringList{QStringLiteral("mp4")};
    m_ui->boxFormatImage->addItems(m_imageFormats);
    m_ui->boxFormatRecord->addItems(m_movieFormats);
    m_isRecording = false;
    m_isAutoRecording = false;
    m_syncingParam = false;

    m_scene = m_ui->camViewer->scene();
    m_scene->setGraphicType(0x10002);
    m_scene->setConfig(&m_config);

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
    // Stop every running camera here, first to last, once the camera control exists:
    // while the running-camera map is not empty, stopCam() its first id.
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
    // Camera service: sigFrameReady(QString,bool) -> onLocalCamera(QString,bool) is connected
    // here once the capture service exists.
    connect(m_scene, SIGNAL(coorInfo(QPoint, QColor)), this, SLOT(onCoorInfo(QPoint, QColor)));

    for (FileBrowser *browser : {ui->imageBrowser, ui->cameraBrowser}) {
        connect(browser->listWidget(), SIGNAL(customContextMenuRequested(QPoint)), this,
                SLOT(onListItemMenu(QPoint)));
        connect(browser, &FileBrowser::sigItemOpen, this, &Specula::onListItemOpen);
    }
    connect(&m_rtmpThread, SIGNAL(finished()), this, SLOT(onRtmpFinished()));

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
    connect(ui->actionSetTime, SIGNAL(triggered()), this, SLOT(onActionSetTime()));
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
        QAction *action = m_ui->menuLang->addAction(tr(lang.second));
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
        m_translator.load(QCoreApplication::applicationDirPath() +
                          QStringLiteral("/lang/specula_") + m_langs.at(index).first +
                          QStringLiteral(".qm"));
        QCoreApplication::installTranslator(&m_translator);
    }

    // Camera-parameter groups: setLabelText(key, tr(key)) for every control key, once the
    // parameter panel exists.

    m_fullScreenTip->setText(tr("按ESC退出全屏"));
    m_scene->update();

    QStringList menuTexts;
    for (const auto &lang : qAsConst(m_langs))
        menuTexts.append(tr(lang.second));

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
    updateLabelRes();
}

// ---- Settings file -------------------------------------------------------------------------

void Specula::loadConfig()
{
    ConfigFile::load(ConfigFile::defaultPath(), m_config);

    // Save folders and browsers: initPath() goes here once the capture paths exist.
    m_ui->bdWidget->updateBDInfo();
    // History lists: updateHistoryList() goes here once the history exists.

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

// ---- Filled in by the camera control, parameter panel, capture, recording and history ------

void Specula::initCam() {}         // re-enumerates cameras and refreshes boxCam
void Specula::initCameraParam() {} // builds the four parameter groups
void Specula::updateLabelRes() {}  // writes the resolution into labelResInfo

void Specula::onCamChanged() {}               // switch to the camera chosen in boxCam
void Specula::onCamResolutionChanged() {}     // apply the resolution chosen in boxResolution
void Specula::onCamFormatChanged() {}         // apply the format chosen in boxFormat
void Specula::onLocalCamera(QString, bool) {} // route a new frame to its view
void Specula::onUpdateFourCamViewer() {}      // lay out the four-view page
void Specula::onUpdateCamViewSize() {}        // size camViewer for the zoom choice
void Specula::onCameraViewChecked(bool) {}    // a view tile was checked or unchecked
void Specula::onCameraAddClicked() {}         // a view tile asks for a camera
void Specula::onCameraMenu(QPoint) {}         // context menu of a view tile
void Specula::onCoorInfo(QPoint, QColor) {}   // cursor position and colour in the status line
void Specula::onComboZoomChanged() {}         // zoom choice changed
void Specula::onBtnScreenSwitch() {}          // single view <-> four views

void Specula::onFuncBtnClicked() {}    // fold a parameter group in or out
void Specula::onSwitchChanged(bool) {} // a parameter switch changed
void Specula::onSliderChanged() {}     // a parameter slider moved
void Specula::onBtnCamParamReset() {}  // back to the camera's default parameters

void Specula::onBtnCapture() {}           // take a picture of the view
void Specula::onActionSetting() {}        // save-folder dialog
void Specula::onActionImagePath() {}      // choose the picture folder
void Specula::onActionRecordPath() {}     // choose the video folder
void Specula::onActionPrint() {}          // print preview of the view
void Specula::plotPrintPic(QPrinter *) {} // paint the view onto the printer's page
void Specula::onFormatImageChanged() {}   // picture format chosen
void Specula::onFormatRecordChanged() {}  // video format chosen

void Specula::onBtnRecord() {}        // start or stop a recording
void Specula::onRtmpFinished() {}     // the recorder thread ended
void Specula::onRecordTimer() {}      // record-button blink
void Specula::onRecordImageTimer() {} // frame pacing while recording

void Specula::onBtnTimeSetting() {}  // timed-series dialog
void Specula::onActionSetTime() {}   // timed-series dialog from the menu
void Specula::onAutoRecordTimer() {} // one tick of a timed series

void Specula::onListItemMenu(QPoint) {}            // context menu of a browser entry
void Specula::onListItemOpen(QListWidgetItem *) {} // open a browser entry
void Specula::onActionImport() {}                  // import pictures into the browser
