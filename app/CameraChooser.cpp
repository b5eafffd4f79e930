#include "app/CameraChooser.h"

#include "app/LiveCameras.h"
#include "app/LiveView.h"
#include "capture/CameraParamPanel.h"
#include "capture/CameraProperty.h"
#include "capture/CvCaptureCAM_DShow.h"
#include "capture/UsbDeviceIds.h"
#include "config/Config.h"
#include "scene/CameraScene.h"

#include <QComboBox>
#include <QSignalBlocker>

CameraChooser::CameraChooser(const Widgets &widgets, CvCaptureCAM_DShow *cam, LiveCameras *live,
                             Config *config, CameraScene *scene, CameraParamPanel *params,
                             QObject *parent)
    : QObject(parent)
    , m_widgets(widgets)
    , m_cam(cam)
    , m_live(live)
    , m_config(config)
    , m_scene(scene)
    , m_params(params)
{
    connect(m_widgets.camera, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CameraChooser::chooseCamera);
    connect(m_widgets.resolution, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CameraChooser::chooseResolution);
    connect(m_widgets.format, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CameraChooser::chooseFormat);
}

void CameraChooser::refresh()
{
    m_cam->init();
    const QVector<CameraInfo> list = m_cam->cameraInfo();

    // A camera that came or went, running or not, changes the camera box.
    bool changed = false;
    const QStringList gone = m_live->takeList(list, &changed);
    // The service has dropped the device state of a vanished camera already; stopping it also
    // releases its platform camera and clears its tile.
    for (const QString &id : gone)
        stop(id);
    if (!m_live->isRunning(m_live->current()))
        setCurrent(QString());

    if (!changed && gone.isEmpty())
        return;
    {
        const QSignalBlocker blockCam(m_widgets.camera);
        const QSignalBlocker blockResolution(m_widgets.resolution);
        const QSignalBlocker blockFormat(m_widgets.format);
        m_widgets.camera->clear();
        m_widgets.resolution->clear();
        m_widgets.format->clear();
        int selected = list.isEmpty() ? -1 : 0;
        for (int i = 0; i < list.size(); ++i) {
            m_widgets.camera->addItem(list.at(i).name);
            if (list.at(i).id == m_config->currentCamera)
                selected = i;
        }
        m_widgets.camera->setCurrentIndex(selected);
    }
    chooseCamera();
}

void CameraChooser::chooseCamera()
{
    m_widgets.params->setEnabled(false);
    const QSignalBlocker blockResolution(m_widgets.resolution);
    const QSignalBlocker blockFormat(m_widgets.format);
    m_widgets.resolution->clear();
    m_widgets.format->clear();

    const int index = m_widgets.camera->currentIndex();
    const QString id = m_live->listedId(index);
    // A refreshed camera list re-selects the running camera: its measurements stay.
    if (id.isEmpty() || id != m_live->current())
        m_scene->clear();
    if (id.isEmpty())
        return;

    const CameraInfo info = m_live->list().at(index);
    if (!m_live->current().isEmpty() && m_live->current() != id)
        stop(m_live->current());

    for (const auto &size : info.resolutions)
        m_widgets.resolution->addItem(resolutionText(size.first, size.second));
    m_widgets.format->addItems({QStringLiteral("YUV"), QStringLiteral("MJPG")});

    const CameraConfig stored = m_config->cameraInfo(id);
    int resolution = -1;
    if (stored.paramsRead) {
        resolution = info.resolutions.indexOf(
            qMakePair(stored.resolution.width(), stored.resolution.height()));
    } else {
        resolution = startResolutionIndex(info.resolutions, info.defaultResolutionIndex,
                                          profileForDevice(id, m_cam->sysfsRoot()));
    }
    m_widgets.resolution->setCurrentIndex(qMax(resolution, 0));
    // A stored format the box does not know falls back to the default, MJPG.
    const int format = m_widgets.format->findText(stored.format);
    m_widgets.format->setCurrentIndex(format >= 0 ? format : 1);

    if (m_live->viewIndex(id) >= 0) {
        m_params->readParams(id);
        m_params->sync(id);
        m_widgets.params->setEnabled(true);
    } else if (start(0, id, true)) {
        m_widgets.params->setEnabled(true);
    } else {
        const QSignalBlocker blockCam(m_widgets.camera);
        m_widgets.camera->setCurrentIndex(-1);
    }
}

bool CameraChooser::start(int viewIndex, const QString &id, bool showError)
{
    if (m_live->viewIndex(id) >= 0)
        return true;

    int width = 0;
    int height = 0;
    const QString format = m_widgets.format->currentText();
    if (!parseResolution(m_widgets.resolution->currentText(), &width, &height) ||
        !m_cam->open(id, width, height, format)) {
        if (showError)
            emit startFailed();
        return false;
    }
    width = m_cam->getProperty(id, CameraProperty::Width);
    height = m_cam->getProperty(id, CameraProperty::Height);
    m_config->setCurrentCamera(id);
    m_live->add(id, viewIndex, QSize(width, height));
    setCurrent(id);

    CameraConfig stored = m_config->cameraInfo(id);
    stored.resolution = QSize(width, height);
    stored.format = format;
    m_config->setCameraInfo(id, stored);
    if (stored.paramsRead)
        m_params->writeParams(id);
    else
        m_params->readParams(id);
    m_params->sync(id);

    emit started(id);
    return true;
}

void CameraChooser::stop(QString id) // by value: callers pass the current id, which this clears
{
    emit stopping(id);
    if (m_live->viewIndex(id) >= 0) {
        m_cam->close(id);
        if (id == m_live->current())
            setCurrent(QString());
    }
    m_live->remove(id);
}

void CameraChooser::setCurrent(const QString &id)
{
    m_live->setCurrent(id);
    const int index = m_live->boxIndex(id);
    if (m_widgets.camera->currentIndex() != index) {
        // Only shows the camera; the selection logic runs on user choices.
        const QSignalBlocker block(m_widgets.camera);
        m_widgets.camera->setCurrentIndex(index);
    }
    if (!id.isEmpty())
        m_config->setCurrentCamera(id);
    m_scene->setOffline(id.isEmpty());
    for (QWidget *widget : {static_cast<QWidget *>(m_widgets.resolution),
                            static_cast<QWidget *>(m_widgets.format), m_widgets.params})
        widget->setEnabled(!id.isEmpty());
    emit currentChanged(id);
}

void CameraChooser::chooseResolution()
{
    int width = 0;
    int height = 0;
    const QString id = m_live->current();
    if (id.isEmpty() || !parseResolution(m_widgets.resolution->currentText(), &width, &height))
        return;
    if (!m_live->isRunning(id))
        return;
    const QSize previous = m_live->size(id);
    if (previous == QSize(width, height))
        return;

    if (!m_scene->isEmpty() && m_confirmClear) {
        const bool yes = m_confirmClear();
        // The question runs an event loop: the camera may have gone meanwhile.
        if (!yes || !m_live->isRunning(id) || id != m_live->current()) {
            const QSignalBlocker block(m_widgets.resolution);
            m_widgets.resolution->setCurrentText(
                resolutionText(previous.width(), previous.height()));
            return;
        }
    }

    emit resolutionChanging();
    m_scene->clear();
    m_cam->setProperty(id, CameraProperty::Width, width);
    m_cam->setProperty(id, CameraProperty::Height, height);
    m_live->setSize(id, QSize(width, height));
    CameraConfig stored = m_config->cameraInfo(id);
    stored.resolution = QSize(width, height);
    m_config->setCameraInfo(id, stored);
    emit sizeChanged();
}

void CameraChooser::chooseFormat()
{
    const QString format = m_widgets.format->currentText();
    const QString id = m_live->current();
    if (format.isEmpty() || id.isEmpty())
        return;
    m_cam->setFormat(id, format);
    // Remembered like the resolution, so the camera starts in it next time.
    CameraConfig stored = m_config->cameraInfo(id);
    stored.format = format;
    m_config->setCameraInfo(id, stored);
}
