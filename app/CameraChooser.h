#pragma once

#include <QObject>
#include <QString>

#include <functional>

class CameraParamPanel;
class CameraScene;
class CvCaptureCAM_DShow;
class LiveCameras;
class QComboBox;
class QWidget;
class Config;

/// The camera page's three boxes (camera, resolution, format) and the sequence that starts and
/// stops cameras behind them: the camera list from the service, the running cameras in
/// LiveCameras, each camera's stored resolution and format in the settings, the live scene
/// cleared when the picture changes. GUI thread only.
///
/// Shows nothing itself: the owner connects the signals to its labels, views and message boxes,
/// and answers setConfirmClear() before a resolution change clears the measurements. Signals
/// are emitted synchronously, in the order the steps happen.
class CameraChooser final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(CameraChooser)

public:
    struct Widgets
    {
        QComboBox *camera = nullptr;
        QComboBox *resolution = nullptr;
        QComboBox *format = nullptr;
        QWidget *params = nullptr; // enabled while the chosen camera runs
    };

    CameraChooser(const Widgets &widgets, CvCaptureCAM_DShow *cam, LiveCameras *live,
                  Config *config, CameraScene *scene, CameraParamPanel *params,
                  QObject *parent = nullptr);

    /// Asked before a resolution change clears measurements on the scene; false keeps the old
    /// resolution. Without it the change goes ahead.
    void setConfirmClear(std::function<bool()> confirm) { m_confirmClear = std::move(confirm); }

    /// Takes a new camera list from the service: vanished cameras stop, and a changed list
    /// refills the boxes and chooses the stored camera (or the first).
    void refresh();
    /// The camera box's choice: stops the previous camera, fills the other boxes with the
    /// stored or the device's starting resolution and format, starts the camera.
    void chooseCamera();
    void chooseResolution();
    void chooseFormat();

    /// Opens camera `id` for view `viewIndex` in the boxes' resolution and format; true when
    /// it runs (or ran already). A failure emits startFailed() when `showError`.
    bool start(int viewIndex, const QString &id, bool showError);
    void stop(QString id);
    /// Makes `id` the current camera (empty: none) and shows it in the boxes.
    void setCurrent(const QString &id);

signals:
    /// Camera `id` is about to close: a recording of it ends and its tile is cleared.
    void stopping(const QString &id);
    void startFailed();
    /// Camera `id` runs, its parameters read or written.
    void started(const QString &id);
    void currentChanged(const QString &id);
    /// The user's new resolution is about to be set: a recording ends first.
    void resolutionChanging();
    /// The current camera's picture size changed.
    void sizeChanged();

private:
    Widgets m_widgets;
    CvCaptureCAM_DShow *m_cam = nullptr;
    LiveCameras *m_live = nullptr;
    Config *m_config = nullptr;
    CameraScene *m_scene = nullptr;
    CameraParamPanel *m_params = nullptr;
    std::function<bool()> m_confirmClear;
};
