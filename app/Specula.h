#pragma once

#include "app/CameraData.h"
#include "app/IconHelp.h"
#include "app/LiveCameras.h"
#include "capture/CameraInfo.h"
#include "config/Config.h"
#include "media/RecordSession.h"
#include "media/SaveFolders.h"

#include <QElapsedTimer>
#include <QIcon>
#include <QMainWindow>
#include <QMap>
#include <QPair>
#include <QPoint>
#include <QStringList>
#include <QTimer>
#include <QVector>

#include <memory>

namespace Ui {
class SpeculaClass;
}

class BrowserFileActions;
class CameraChooser;
class CameraLabel;
class CameraParamPanel;
class CameraScene;
class CvCaptureCAM_DShow;
class FullScreenFrame;
class LanguageMenu;
class LivePage;
class MeasureEditer;
class ResultsActions;
class PictureWriter;
class QAbstractButton;
class QAction;
class QColor;
class QKeyEvent;
class QLabel;
class QListWidgetItem;
class QMouseEvent;
class QPrinter;
class QResizeEvent;
class TimedSeriesRunner;

/// The program's main window, a frame: it owns the settings record and the widget tree, switches
/// pages and forwards its slots to the objects that do the work (LiveCameras, CameraChooser,
/// LivePage, CameraParamPanel, RecordSession, TimedSeriesRunner, SaveFolders, BrowserFileActions),
/// and shows what they report.
class Specula final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY(Specula)

public:
    /// The splash picture stays up at least `minSplashMs`, however fast the start is; tests
    /// that build many windows pass 0.
    explicit Specula(QWidget *parent = nullptr, int minSplashMs = 3000);
    ~Specula() override;

    /// The settings record the window works on.
    const Config &config() const { return m_config; }

    void setShowTime(bool on);
    void setCrossOn(bool on);

    /// Switches to entry `index` of the language table; an index outside the table selects
    /// the default language.
    void switchLang(int index);

    void loadConfig();
    void saveConfig();

    // Camera control and views.
    bool startCam(int viewIndex, const QString &id, bool showError);
    void stopCam(QString id);
    void setCameraId(const QString &id);
    QString cameraId() const { return m_live.current(); }
    int cameraViewIndex(const QString &id) const;
    int cameraBoxIndex(const QString &id) const;
    bool checkCam();
    void updateLabelStatus(const QString &id);
    void updateLabelRes();
    double getRenderScale() const;
    int getCameraViewChecked() const;
    void setCameraViewChecked(int index);
    /// The running cameras by id.
    const QMap<QString, CameraData> &cameraDatas() const { return m_live.datas(); }

    // Camera parameters: configuration and camera kept in step.
    void readCameraParam(const QString &id);
    void writeCameraParam(const QString &id);
    void syncCameraParam(const QString &id);

    /// True for the file being recorded, or a folder holding it: file operations leave it
    /// where it is.
    bool isRecordingPath(const QString &path) const;

    // Capture and recording (the parts the camera control needs).
    bool isCapture(const QString &id) const;
    /// The next file of type 0 (picture) or 1 (video) in its browser's folder, named by the
    /// time of day; "_1", "_2", … before the suffix when the name is taken.
    QString getSavePath(int type) const;
    /// False, after telling the user, while the browser of that type shows its root folder.
    bool checkPath(int type);
    /// Creates missing root folders (with their sub-folders), then updateHistoryList().
    void initPath();
    /// Lists a new file in the picture (isImage) or video browser.
    void appendHistoryFile(const QString &path, bool isImage);
    /// The picture a capture stores: the view, cropped to the zoom factor and scaled back.
    QImage getCamImage();
    /// Drops history entries whose files are gone and points both browsers at their folders.
    void updateHistoryList();
    void stopRecord();

signals:
    /// One shot of a timed series or one timed video is complete.
    void autoRecordFinish();

public:
    // Recording and timed series.
    /// Records the single view of camera camId; false (nothing started, no file) unless the
    /// single view is shown with a picture.
    bool startRecord(const QString &camId);
    bool isRecording() const;
    /// The recorder, for its state and figures.
    const RtmpThread &recorder() const;
    /// Runs the series described by the timed-series fields of `series` (the rest is ignored).
    void startAutoRecord(const Config &series);
    void stopAutoRecord();

public slots:
    // Frame: full screen, timers, side panel, overlays, about.
    void onBtnFullScreen();
    void onFullScreenTimer();
    void onCameraTimer();
    void onBtnOpenDir();
    void onBtnSetting();
    void onBtnCalib();
    void onActionTimeOn();
    void onActionTimeOff();
    void onActionCrossOn();
    void onActionCrossOff();
    void onActionAbout();
    void onBdInfoChanged();
    void onActionLang();

    // Camera control and views.
    void onCamChanged();
    void onCamResolutionChanged();
    void onCamFormatChanged();
    void onLocalCamera(QString camId, bool needCapture);
    void onUpdateFourCamViewer();
    void onUpdateCamViewSize();
    void onCameraViewChecked(bool checked);
    void onCameraAddClicked();
    void onCameraMenu(QPoint pos);
    void onCoorInfo(QPoint point, QColor color);
    void onComboZoomChanged();
    void onBtnScreenSwitch();

    // Camera parameter panel.
    void onFuncBtnClicked();
    void onSwitchChanged(bool on);
    void onSliderChanged();
    void onBtnCamParamReset();

    // Photo capture, save folders, formats and printing.
    void onBtnCapture();
    void onActionSetting();
    void onActionImagePath();
    void onActionRecordPath();
    void onActionPrint();
    void plotPrintPic(QPrinter *printer);
    void onFormatImageChanged();
    void onFormatRecordChanged();

    // Recording.
    void onBtnRecord();
    void onRtmpFinished();
    void onRecordTimer();
    void onRecordImageTimer();

    // Timed series.
    void onBtnTimeSetting();
    void onActionSetTime();
    void onAutoRecordTimer();

    // History lists and file operations.
    void onListItemMenu(QPoint pos);
    void onListItemOpen(QListWidgetItem *item);
    void onActionImport();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void setRecordingUi(bool on);
    bool isFourView() const;
    void finishRecordFile(const QString &file);
    void buildLanguageMenu();
    void connectSignals();
    void registerSidePanelIcons(QAbstractButton *selected);
    void showSidePage(int page, QAbstractButton *selected, bool editable);
    void initCam();
    void initCameraParam();
    void initCameraChooser();
    void showFuncWidget(int k);
    void chooseSaveRoot(SaveKind kind);
    void onPictureWritten(const QString &path, bool ok, int tile);

    Ui::SpeculaClass *m_ui = nullptr;

    // Members constructed in this order before the widget tree exists.
    Config m_config;
    QTimer m_cameraTimer;
    QTimer m_recordTimer; // blinks the record button
    QTimer m_fullScreenTimer;
    RecordSession m_record;
    IconHelp m_iconHelp;

    QElapsedTimer m_startTimer;
    CvCaptureCAM_DShow *m_cam = nullptr;
    CameraScene *m_scene = nullptr;
    MeasureEditer *m_measureEditer = nullptr;
    FullScreenFrame *m_fullScreen = nullptr; // hides the frame in full screen, shows the tip
    QVector<CameraLabel *> m_viewLabels;
    QStringList m_imageFormats;
    QStringList m_movieFormats;
    PictureWriter *m_pictureWriter = nullptr; // writes captures off the GUI thread
    ResultsActions *m_results = nullptr;      // the live scene's results table
    QIcon m_recordPlayingIcon;
    QIcon m_recordIcon;
    BrowserFileActions *m_fileActions = nullptr;
    std::unique_ptr<SaveFolders> m_saveFolders; // where captures and recordings go
    TimedSeriesRunner *m_timedSeries = nullptr; // the timed series of the time dialog

    bool m_recordBlink = false;               // which record icon the next blink shows
    CameraParamPanel *m_paramPanel = nullptr; // the camera page's switches and sliders

    LiveCameras m_live;                 // the camera list, the running cameras and the current one
    CameraChooser *m_chooser = nullptr; // the camera boxes, starting and stopping cameras
    LivePage *m_livePage = nullptr;     // the single view, the four tiles and their labels
    bool m_viewHasImage = false;        // the single view shows a live picture

    LanguageMenu *m_languageMenu = nullptr; // the language menu and the installed translation
};
