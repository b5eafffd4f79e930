#include "capture/CameraParamPanel.h"

#include "capture/CameraParamApply.h"
#include "capture/CameraParamNames.h"
#include "capture/CameraProperty.h"
#include "capture/CvCaptureCAM_DShow.h"
#include "capture/FuncWidget.h"
#include "capture/QSwitchButton.h"
#include "config/Config.h"

#include <QBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <QSlider>
#include <QVariant>

namespace {
const QString kArrowOff = QStringLiteral(":/Specula/image/icon/arrow_off.png");
const QString kArrowOn = QStringLiteral(":/Specula/image/icon/arrow_on.png");
} // namespace

CameraParamPanel::CameraParamPanel(QWidget *page, const QVector<QPushButton *> &buttons,
                                   CvCaptureCAM_DShow *cam, Config *config, QObject *parent)
    : QObject(parent)
    , m_cam(cam)
    , m_config(config)
    , m_buttons(buttons)
{
    QVector<FuncWidget *> groups;
    for (int k = 0; k < 4; ++k)
        groups.append(new FuncWidget(page));
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
            m_switchMap.insert(name, button);
            connect(button, qOverload<bool>(&QSwitchButton::clicked), this,
                    [this, button](bool on) { applySwitch(button, on); });
        } else if (auto *slider = qobject_cast<QSlider *>(control)) {
            m_sliders.append(slider);
            m_sliderMap.insert(name, slider);
            slider->setRange(0, 0);
            slider->setEnabled(false); // "色温" stays so: the camera layer has no such gain
            connect(slider, &QSlider::valueChanged, this, [this, slider] { applySlider(slider); });
        }
    }

    m_groups = groups;
    auto *layout = qobject_cast<QBoxLayout *>(page->layout());
    for (int k = 0; k < m_buttons.size() && k < groups.size(); ++k) {
        if (layout)
            layout->insertWidget(layout->indexOf(m_buttons.at(k)) + 1, groups.at(k));
        m_buttons.at(k)->setIcon(QIcon(kArrowOff));
        groups.at(k)->hide();
        connect(m_buttons.at(k), &QPushButton::clicked, this, [this, k] { showGroup(k); });
    }
    // Exposure and white balance appear once a camera offers them (sync).
    for (int k : {0, 2}) {
        if (k < m_buttons.size())
            m_buttons.at(k)->hide();
    }
}

void CameraParamPanel::readParams(const QString &id)
{
    CameraConfig stored = m_config->cameraInfo(id);
    CameraParamApply::readCameraParams(*m_cam, id, stored);
    m_config->setCameraInfo(id, stored);
}

void CameraParamPanel::writeParams(const QString &id)
{
    CameraParamApply::writeCameraParams(*m_cam, id, m_config->cameraInfo(id));
}

void CameraParamPanel::sync(const QString &id)
{
    using namespace CameraProperty;
    m_syncing = true;
    const CameraConfig stored = m_config->cameraInfo(id);
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
    if (m_cam->isSupport(id, WhiteBalance)) {
        autoWhiteBalance->SetEnabel(true);
        autoWhiteBalance->SetSelected(stored.autoWhiteBalance);
    }
    if (m_cam->isSupport(id, Exposure)) {
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
    const bool exposureOffered = m_cam->isSupport(id, Exposure) || m_cam->isSupport(id, Gain);
    const bool balanceOffered = m_cam->isSupport(id, WhiteBalance) || m_cam->isSupport(id, RedGain);
    for (const auto &group : {qMakePair(0, exposureOffered), qMakePair(2, balanceOffered)}) {
        m_buttons.at(group.first)->setVisible(group.second);
        if (!group.second && !m_groups.at(group.first)->isHidden())
            showGroup(group.first); // folds it in
    }
    m_syncing = false;
}

void CameraParamPanel::reset()
{
    const QString id = m_target ? m_target() : QString();
    if (id.isEmpty())
        return;
    readParams(id);
    m_config->resetCameraInfo(id);
    CameraConfig stored = m_config->cameraInfo(id);
    CameraParamApply::resetCameraDefaults(*m_cam, id, stored);
    m_config->setCameraInfo(id, stored);
    writeParams(id);
    sync(id);
}

void CameraParamPanel::showGroup(int k)
{
    if (k < 0 || k >= m_groups.size() || k >= m_buttons.size())
        return;
    if (!m_groups.at(k)->isHidden()) {
        m_groups.at(k)->hide();
        m_buttons.at(k)->setIcon(QIcon(kArrowOff));
        return;
    }
    for (int i = 0; i < m_groups.size() && i < m_buttons.size(); ++i) {
        m_groups.at(i)->hide();
        m_buttons.at(i)->setIcon(QIcon(kArrowOff));
    }
    m_groups.at(k)->show();
    m_buttons.at(k)->setIcon(QIcon(kArrowOn));
}

void CameraParamPanel::applySwitch(QSwitchButton *button, bool on)
{
    if (m_syncing || !button)
        return;
    const QString id = m_target ? m_target() : QString();
    if (id.isEmpty()) {
        button->SetSelected(!on); // nothing took the change: show the state in force
        return;
    }
    const QString name = button->property("name").toString();
    CameraConfig stored = m_config->cameraInfo(id);
    CameraParamApply::applySwitch(*m_cam, id, stored, name, on);
    m_config->setCameraInfo(id, stored);
    if (name == QStringLiteral("自动曝光") || name == QStringLiteral("自动白平衡"))
        sync(id); // the sliders that depend on the mode follow it
}

void CameraParamPanel::applySlider(QSlider *slider)
{
    if (m_syncing || !slider)
        return;
    const QString id = m_target ? m_target() : QString();
    if (id.isEmpty())
        return;
    CameraConfig stored = m_config->cameraInfo(id);
    CameraParamApply::applySlider(*m_cam, id, stored, slider->property("name").toString(),
                                  slider->value());
    m_config->setCameraInfo(id, stored);
}

void CameraParamPanel::retranslate(const std::function<QString(const QString &)> &translate)
{
    // The keys stay the source texts; a key a group has no control for changes nothing.
    const QVector<QStringList> keys = CameraParamNames::groupKeys();
    for (int k = 0; k < m_groups.size() && k < keys.size(); ++k) {
        for (const QString &key : keys.at(k))
            m_groups.at(k)->setLabelText(key, translate(key));
    }
}
