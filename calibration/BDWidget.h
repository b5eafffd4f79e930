#pragma once

#include "calibration/BDInfo.h"

#include <QTimer>
#include <QVector>
#include <QWidget>

#include <optional>

namespace Ui {
class BDWidget;
}

class CameraScene;
class Config;
class QToolButton;

/// The measurement side panel: chooses the scene's tool, switches the crosshair, steps the
/// undo history, clears the measurements, sets the style of new measurements, chooses the
/// calibration in force, and makes, deletes, exports and imports calibrations.
///
/// The panel keeps no measuring state of its own: tool, items, crosshair and the calibration in
/// force live in the scene; style and calibration list live in the Config, which the main
/// window's panel and the editor's panel share. After changing the list the panel emits
/// bdInfoChanged() so the other one calls updateBDInfo(). Each refresh keeps the scene's
/// calibration in force by value (name, ratio, unit); only when it has left the list does the
/// first calibration take its place. GUI thread only; init() before anything else.
class BDWidget : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(BDWidget)

public:
    explicit BDWidget(QWidget *parent = nullptr);
    ~BDWidget() override;

    void init(CameraScene *scene, Config *config);
    /// Rebuilds the style boxes, the calibration box and the table from the configuration.
    void updateBDInfo();
    /// Leaves the calibration page as "返回" does; nothing on the main page.
    void showMainPage();
    /// The scale the shown picture carries (a stored picture in the editor): offered after the
    /// stored calibrations as "<name> (picture)" and put in force; never added to the list, so
    /// the settings do not change. None takes it away again.
    void setPictureCalibration(const std::optional<BDInfo> &calibration);
    /// The view's size or zoom changed; refreshes the panel.
    void setScale(double scale);

    /// Writes the calibration list to a ".bd" file; a failure is reported in a box.
    bool exportBDInfos(const QString &path);
    /// Replaces the calibration list by a ".bd" file's; a file that does not read cleanly
    /// leaves the list as it was and is reported in a box.
    bool importBDInfos(const QString &path);

signals:
    /// The calibration list was changed here (added, deleted or imported).
    void bdInfoChanged();

protected:
    void changeEvent(QEvent *event) override;

protected slots:
    void onToolBtnClicked();
    void onToolBtnGrid();
    void onToolButtonUndo();
    void onToolButtonRedo();
    void onToolBtnClear();
    void onBtnBDEdit();
    void onBtnBDDel();
    void onBtnBDSave();
    void onBtnBDLoad();
    void onBDNewData();
    void onStyleChanged(int index);
    void onBDChanged();
    void onUnitChanged();
    void onMeasureChanged();
    void onCurrentStackChanged();
    void onBDLabelChanged();

private:
    void initToolButton();
    void refillStyleBoxes();
    void refillCalibrations();
    /// The style of the four boxes (pen size at its default) into the configuration.
    void storeStyleFromBoxes();
    void repaintScene();

    CameraScene *m_scene = nullptr;
    Config *m_config = nullptr;
    std::optional<BDInfo> m_pictureCalibration;
    QTimer m_measureTimer;
    QVector<QToolButton *> m_toolButtons;
    Ui::BDWidget *m_ui = nullptr;
};
