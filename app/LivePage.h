#pragma once

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QVector>

class BDWidget;
class CameraLabel;
class CameraScene;
class CameraViewer;
class Config;
class CvCaptureCAM_DShow;
class LiveCameras;
class QComboBox;
class QLabel;
class QScrollArea;
class QStackedWidget;
class QWidget;

/// The live page: the single view (its scene sized to the zoom box in its scroll area), the
/// four tiles of the four-view page, and the status and resolution labels under them. Routes
/// each camera frame to the view or tile showing it and builds the picture a capture stores.
/// GUI thread only; the camera service's frames come in through showFrame().
class LivePage final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(LivePage)

public:
    struct Widgets
    {
        QStackedWidget *pages = nullptr; // page 0: the single view, page 1: the four tiles
        QWidget *singlePage = nullptr;
        QScrollArea *scrollArea = nullptr;
        CameraViewer *viewer = nullptr;
        QWidget *tilePage = nullptr;
        QVector<CameraLabel *> tiles;
        QComboBox *zoom = nullptr;
        QLabel *status = nullptr;
        QLabel *resolution = nullptr;
        BDWidget *calibration = nullptr; // told the view's zoom, for its measurements
    };

    /// Fills the zoom box (at 1.0x) and makes tile 1 the first to receive captures.
    LivePage(const Widgets &widgets, CvCaptureCAM_DShow *cam, const LiveCameras *live,
             const Config *config, QObject *parent = nullptr);

    bool isFourView() const;
    /// Switches to the four tiles (the capture tiles emptied) or back to the single view.
    void showPage(bool fourView);
    /// The zoom box's factor; its fit entry counts as 1.
    double renderScale() const;

    /// Shows camera `camId`'s newest frame in the view or tile showing it; false when nothing
    /// does, or the grabber is still storing the frame (it is dropped).
    bool showFrame(const QString &camId);
    void updateStatus(const QString &id);
    void updateResolution();
    /// Sizes the single view to the current camera's picture and the zoom, and centres it.
    void updateViewSize();
    void placeTiles();

    int checkedTile() const;
    void setCheckedTile(int index);
    /// Tile `checked` took the check frame: the others lose it.
    void uncheckOthers(const QObject *checked);
    /// The tile the next capture fills; the check frame moves on to the following one.
    int takeCaptureTile();
    void clearTile(int index);
    void setTileFile(int index, const QString &path);
    void retranslate();

    /// The picture a capture stores: the scene (or the current camera's tile) cropped to the
    /// zoom and scaled back, a zoomed scene with its scale bar for the pixels kept, and the
    /// calibration's scale recorded. Null without a picture.
    QImage capturePicture() const;

private:
    CameraScene *scene() const;

    Widgets m_widgets;
    CvCaptureCAM_DShow *m_cam = nullptr;
    const LiveCameras *m_live = nullptr;
    const Config *m_config = nullptr;
};
