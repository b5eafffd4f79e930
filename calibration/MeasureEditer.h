#pragma once

#include <QColor>
#include <QMainWindow>
#include <QPoint>
#include <QPointer>
#include <QString>

namespace Ui {
class MeasureEditWindow;
}

class CameraScene;
class Config;
class QPrinter;
class QThread;
class ResultsActions;

/// Window for measuring on a stored picture: its own viewer and scene in a scroll area, its
/// own measurement panel on the main window's Config, a zoom box, a coordinate read-out, and
/// saving (in place or under another name) and printing of the picture with its measurements.
///
/// To open a picture: setImage(path), and show() when it returns true; a picture that does not
/// load changes nothing. Measurements live in the scene only and reach a file by saving or
/// printing. Saving renders on the GUI thread and encodes and writes on a worker thread; the
/// file is replaced only by a complete picture, and imageSaved() reports the outcome (a failure
/// is also shown in a box). GUI thread only.
class MeasureEditer : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY(MeasureEditer)

public:
    /// `parent` is the main window; its onBdInfoChanged() slot hears this panel's changes.
    explicit MeasureEditer(QWidget *parent = nullptr);
    ~MeasureEditer() override;

    void setConfig(Config *config) { m_config = config; }
    /// Hands the configuration to the scene and the panel; after setConfig().
    void init();

    /// Shows the picture at `path` in place of the previous one (whose measurements are
    /// dropped). False when it does not load; then nothing changes.
    bool setImage(QString path);
    /// Renders the scene and writes it to `path` in the format of its suffix, in the
    /// background. False when a save is still running or there is no picture.
    bool saveImage(QString path);

    QString imagePath() const { return m_imagePath; }
    CameraScene *scene() const { return m_scene; }
    ResultsActions *results() const { return m_results; }
    bool isSaving() const { return m_saveThread != nullptr; }

signals:
    /// A save started by saveImage() has finished; ok is false when the file was not written.
    void imageSaved(const QString &path, bool ok);

public slots:
    void onBdInfoChanged();
    void onCoorInfo(QPoint point, QColor c);
    void onUpdateCamViewSize();
    void onImageSave();
    void onImageSaveAs();
    void onImagePrint();
    void plotPrintPic(QPrinter *printer);
    void onComboZoomChanged();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void retranslate();
    void centreScrollBars();
    /// One save at a time: the buttons rest while a picture is being written.
    void setSaveButtonsEnabled(bool enabled);

    CameraScene *m_scene = nullptr;
    Config *m_config = nullptr;
    QString m_imagePath;
    Ui::MeasureEditWindow *m_ui = nullptr;
    QPointer<QThread> m_saveThread;
    ResultsActions *m_results = nullptr;
};
