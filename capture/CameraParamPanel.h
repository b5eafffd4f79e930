#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QVector>

#include <functional>

class Config;
class CvCaptureCAM_DShow;
class FuncWidget;
class QPushButton;
class QSlider;
class QSwitchButton;
class QWidget;

/// The camera parameter panel: the four fold-out groups of switches and sliders below their
/// buttons on the camera page, kept in step with the stored settings of the camera they act on
/// and with the camera service. Every change is stored in the camera's record and pushed to the
/// camera; refreshing the controls (sync) writes nothing back. GUI thread only.
///
/// The controls are filed under their names (the Chinese source texts), which never change
/// with the language; retranslate() gives the labels their shown texts.
class CameraParamPanel final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(CameraParamPanel)

public:
    /// Builds the groups into `page`, whose box layout holds the four group buttons (exposure,
    /// colour, white balance, flip, in that order); each group goes right below its button.
    CameraParamPanel(QWidget *page, const QVector<QPushButton *> &buttons, CvCaptureCAM_DShow *cam,
                     Config *config, QObject *parent = nullptr);

    /// The camera the controls act on: the id of a running camera, or empty for none (the
    /// controls then change nothing, a switch flips back).
    void setTarget(std::function<QString()> target) { m_target = std::move(target); }

    /// The camera's values into its record.
    void readParams(const QString &id);
    /// The record's values into the camera.
    void writeParams(const QString &id);
    /// The controls from the record; the signals this causes change nothing.
    void sync(const QString &id);
    /// Back to the camera's defaults: record reset, pushed, controls refreshed.
    void reset();

    /// Accordion: folds group k out (all others in), or in when it is out.
    void showGroup(int k);
    /// A switch or slider of the panel was changed by the user.
    void applySwitch(QSwitchButton *button, bool on);
    void applySlider(QSlider *slider);

    /// The group labels from their names, e.g. through the window's translations.
    void retranslate(const std::function<QString(const QString &)> &translate);

    bool isSyncing() const { return m_syncing; }
    QSwitchButton *switchNamed(const QString &name) const { return m_switchMap.value(name); }
    QSlider *sliderNamed(const QString &name) const { return m_sliderMap.value(name); }
    const QVector<FuncWidget *> &groups() const { return m_groups; }

private:
    CvCaptureCAM_DShow *m_cam;
    Config *m_config;
    std::function<QString()> m_target;

    QVector<QSlider *> m_sliders;
    QMap<QString, QSwitchButton *> m_switchMap;
    QMap<QString, QSlider *> m_sliderMap;
    QVector<FuncWidget *> m_groups;   // the four fold-out groups
    QVector<QPushButton *> m_buttons; // their buttons, in the same order
    bool m_syncing = false;           // the controls are being refreshed
};
