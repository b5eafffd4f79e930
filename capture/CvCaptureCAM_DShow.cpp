#include "capture/CvCaptureCAM_DShow.h"

#include "app/LogCategories.h"

#include "app/DeviceProfile.h"
#include "capture/CameraBuffer.h"
#include "capture/CameraFrameGrabber.h"
#include "capture/CameraProperty.h"
#include "capture/CameraRegistry.h"
#include "capture/DeviceState.h"
#include "capture/FrameEvent.h"
#include "capture/UsbDeviceIds.h"

#include <QCamera>
#include <QCameraImageProcessing>
#include <QCameraInfo>
#include <QCameraViewfinderSettings>
#include <QCoreApplication>
#include <QDebug>
#include <QEventLoop>
#include <QMutex>
#include <QThread>
#include <QTimer>

#include <algorithm>

namespace {

CameraRegistry &registry()
{
    static CameraRegistry r;
    return r;
}

QMutex g_instanceMutex;
CvCaptureCAM_DShow *g_instance = nullptr;

void destroyInstance()
{
    QMutexLocker lock(&g_instanceMutex);
    delete g_instance;
    g_instance = nullptr;
}

using namespace CameraProperty;

/// Some backends report a loaded camera later, from their pipeline's messages; the sizes and
/// formats are only known then. Waits (without user input) until loading has finished.
void waitUntilLoaded(QCamera &camera)
{
    if (camera.status() != QCamera::LoadingStatus)
        return;
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&camera, &QCamera::statusChanged, &loop, [&loop](QCamera::Status status) {
        if (status != QCamera::LoadingStatus)
            loop.quit();
    });
    QObject::connect(&camera, &QCamera::errorOccurred, &loop, &QEventLoop::quit);
    timeout.start(3000);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

CvCaptureCAM_DShow *CvCaptureCAM_DShow::instance()
{
    QMutexLocker lock(&g_instanceMutex);
    if (!g_instance) {
        g_instance = new CvCaptureCAM_DShow;
        // Cameras must be released while the toolkit still runs, not at static destruction.
        qAddPostRoutine(destroyInstance);
    }
    return g_instance;
}

CvCaptureCAM_DShow::CvCaptureCAM_DShow()
{
    FrameEvent::frameEventType();
}

CvCaptureCAM_DShow::~CvCaptureCAM_DShow()
{
    while (!m_devices.isEmpty())
        close(m_devices.firstKey());
    registry().clear();
    m_retired.clear();
}

void CvCaptureCAM_DShow::init()
{
    // Loading a camera may spin an event loop; a timer must not start a second listing.
    if (m_listing)
        return;
    m_listing = true;
    const QList<QCameraInfo> cameras = QCameraInfo::availableCameras();
    QStringList ids;
    for (const QCameraInfo &info : cameras)
        ids.append(info.deviceName());
    // The list is taken every 10 s; the log only needs to hear when it changes.
    if (ids != m_lastDeviceIds) {
        qCDebug(lcCapture) << "devices" << ids;
        m_lastDeviceIds = ids;
    }

    QVector<CameraInfo> list;
    for (const QCameraInfo &info : cameras) {
        const QString id = info.deviceName();
        const DeviceProfile *profile = profileForDevice(id, m_sysfsRoot);
        if (!profile)
            continue;
        QList<QSize> offered;
        if (const QSharedPointer<QCamera> running = registry().camera(id)) {
            if (running->status() == QCamera::LoadingStatus) {
                // open() is still waiting for it to load, so its sizes are not known yet: it
                // keeps the entry of the last listing instead of being taken for gone.
                const auto last = std::find_if(m_cameraList.cbegin(), m_cameraList.cend(),
                                               [&id](const CameraInfo &c) { return c.id == id; });
                if (last != m_cameraList.cend()) {
                    list.append(*last);
                    continue;
                }
            }
            // Do not open a device a second time while it streams.
            offered = running->supportedViewfinderResolutions();
        } else {
            QCamera probe(info);
            probe.load();
            waitUntilLoaded(probe);
            offered = probe.supportedViewfinderResolutions();
            probe.unload();
        }
        const QVector<QPair<int, int>> resolutions = usableResolutions(offered, *profile);
        if (resolutions.isEmpty())
            continue;
        list.append({profile->description, id, resolutions, profile->defaultResolutionIndex});
    }
    m_cameraList = list;
    m_listing = false;

    const QStringList open = m_devices.keys();
    for (const QString &id : open) {
        const bool listed = std::any_of(list.cbegin(), list.cend(),
                                        [&id](const CameraInfo &c) { return c.id == id; });
        if (!listed)
            removeDevice(id);
    }
}

QSharedPointer<QCamera> CvCaptureCAM_DShow::createCamera(const QString &id, const Carry &carry)
{
    const QByteArray name = id.toUtf8();
    const QCameraInfo info(name);
    QSharedPointer<QCamera> camera(info.isNull() ? new QCamera(name) : new QCamera(info));
    auto *grabber = new CameraFrameGrabber(camera.data(), id, carry.brightness, carry.gamma);
    grabber->setFrameReceiver(this);
    camera->setCaptureMode(QCamera::CaptureStillImage);
    camera->setViewfinder(grabber);
    GrabberEntry entry;
    entry.brightness = carry.brightness;
    entry.gamma = carry.gamma;
    entry.grabber = grabber;
    registry().add(id, camera, entry);
    return camera;
}

void CvCaptureCAM_DShow::startCamera(const QString &id, int width, int height, int format,
                                     DeviceState *state, const Carry &carry)
{
    QSharedPointer<QCamera> camera = registry().camera(id);
    if (!camera)
        camera = createCamera(id, carry);
    GrabberEntry *entry = registry().entry(id);

    camera->load();
    waitUntilLoaded(*camera);
    // The wait may have run other operations, a close of this very camera included.
    entry = registry().entry(id);
    if (!entry || m_devices.value(id) != state)
        return;
    entry->width = width;
    entry->height = height;
    entry->format = format;

    QCameraViewfinderSettings settings = camera->viewfinderSettings();
    settings.setResolution(width, height);
    const QList<QVideoFrame::PixelFormat> formats = camera->supportedViewfinderPixelFormats();
    if (format == 1 && formats.contains(QVideoFrame::Format_Jpeg))
        settings.setPixelFormat(QVideoFrame::Format_Jpeg);
    else if (formats.contains(QVideoFrame::Format_RGB32))
        settings.setPixelFormat(QVideoFrame::Format_RGB32);
    else if (formats.contains(QVideoFrame::Format_ARGB32))
        settings.setPixelFormat(QVideoFrame::Format_ARGB32);

    if (state->bufferHolder == QThread::currentThread())
        qCWarning(lcCapture) << "camera buffer of" << id
                             << "held during a restart: keeping its size";
    else
        state->buffer->init(width, height, QImage::Format_RGB32);
    entry->grabber->setResver(state->horizontalFlip, state->verticalFlip);
    entry->grabber->setBuffer(state->buffer);

    if (!m_platformDefaults.contains(id)) {
        QHash<int, int> defaults;
        for (int prop : {Gain, Exposure, WhiteBalance}) {
            const CameraParam param = CameraControls::param(*camera, prop);
            if (param.valid)
                defaults.insert(prop, param.value);
        }
        m_platformDefaults.insert(id, defaults);
    }

    camera->setViewfinderSettings(settings);
    CameraControls::apply(*camera, carry.platform);
    camera->start();
}

bool CvCaptureCAM_DShow::open(const QString &id, int width, int height, const QString &format)
{
    // Opening an open camera again starts it afresh instead of leaking its state.
    if (m_devices.contains(id))
        close(id);

    const int wanted = format == QLatin1String("YUV") ? 0 : 1;
    auto *state = new DeviceState(id);
    m_devices.insert(id, state);
    Carry carry;
    if (const GrabberEntry *entry = registry().entry(id)) {
        carry.brightness = entry->brightness;
        carry.gamma = entry->gamma;
    }
    startCamera(id, width, height, wanted, state, carry);
    if (m_devices.value(id) != state)
        return false; // closed while it was loading

    const QSharedPointer<QCamera> camera = registry().camera(id);
    if (camera && camera->isAvailable()) {
        state->currentWidth = width;
        state->currentHeight = height;
        state->currentFormat = wanted;
        return true;
    }
    removeDevice(id);
    return false;
}

void CvCaptureCAM_DShow::close(const QString &id)
{
    if (!m_devices.contains(id)) {
        // A camera dropped by init() while open keeps its QCamera until it is closed.
        if (registry().contains(id))
            registry().remove(id);
        return;
    }
    registry().remove(id);
    removeDevice(id);
}

void CvCaptureCAM_DShow::removeDevice(const QString &id)
{
    DeviceState *state = m_devices.take(id);
    if (!state)
        return;
    if (GrabberEntry *entry = registry().entry(id))
        entry->grabber->setBuffer(nullptr); // no new frame will start writing into it

    std::shared_ptr<CameraBuffer> buffer = state->buffer;
    if (state->bufferHolder == QThread::currentThread()) {
        // Our own caller still uses the pixels: spinning here would never end. Keep the
        // buffer until that caller's releaseBuffer().
        m_retired.insert(id, buffer);
    } else {
        // A grabber may be finishing a frame; it never holds the lock for longer than that.
        while (buffer->isLocked())
            QThread::yieldCurrentThread();
    }
    delete state;
}

bool CvCaptureCAM_DShow::setFormat(const QString &id, const QString &format)
{
    return setProperty(id, Format, format == QLatin1String("YUV") ? 0 : 1);
}

bool CvCaptureCAM_DShow::restartStream(const QString &id, DeviceState *state)
{
    const int width = state->requestedWidth > 0 ? state->requestedWidth : state->currentWidth;
    const int height = state->requestedHeight > 0 ? state->requestedHeight : state->currentHeight;
    const int format = state->requestedFormat >= 0 ? state->requestedFormat : state->currentFormat;

    const GrabberEntry *entry = registry().entry(id);
    // A camera left unavailable by a failed restart is restarted even for the same settings,
    // or a retry could never bring the stream back. (No reference is kept: the old QCamera
    // must be gone before the new one opens the device.)
    const bool available = registry().contains(id) && registry().camera(id)->isAvailable();
    const bool change = !entry || !available || width != entry->width || height != entry->height ||
                        format != entry->format;
    if (change) {
        // A restart is a new QCamera: carry the adjustments over so the picture does not
        // silently fall back to the defaults while the panel still shows the old values.
        Carry carry;
        if (entry) {
            carry.brightness = entry->brightness;
            carry.gamma = entry->gamma;
        }
        if (const QSharedPointer<QCamera> old = registry().camera(id))
            carry.platform = CameraControls::snapshot(*old);
        registry().remove(id);
        startCamera(id, width, height, format, state, carry);
        if (m_devices.value(id) != state)
            return false; // closed while it was loading
    }

    const QSharedPointer<QCamera> camera = registry().camera(id);
    if (!camera || !camera->isAvailable())
        return false;
    state->currentWidth = width;
    state->currentHeight = height;
    state->currentFormat = format;
    state->requestedWidth = state->requestedHeight = state->requestedFormat = -1;
    return true;
}

bool CvCaptureCAM_DShow::setProperty(const QString &id, int prop, int value)
{
    switch (prop) {
    case Width:
    case Height:
    case Format: {
        DeviceState *state = m_devices.value(id);
        if (!state)
            return false;
        if (prop == Width)
            state->requestedWidth = value;
        else if (prop == Height)
            state->requestedHeight = value;
        else
            state->requestedFormat = value == 0 ? 0 : 1;
        const bool sizeComplete = state->requestedWidth > 0 && state->requestedHeight > 0;
        if (!sizeComplete && state->requestedFormat < 0)
            return true; // wait for the other half of the size
        return restartStream(id, state);
    }
    case Brightness:
    case Gamma: {
        const QSharedPointer<QCamera> camera = registry().camera(id);
        if (!camera || !camera->imageProcessing()->isAvailable())
            return false;
        GrabberEntry *entry = registry().entry(id);
        const int v = std::clamp(value, 0, 100);
        if (prop == Brightness) {
            entry->brightness = v;
            entry->grabber->setBrightness(v);
        } else {
            entry->gamma = v;
            entry->grabber->setGamma(v);
        }
        return true;
    }
    default: {
        // Everything else the platform camera offers, or nothing.
        const QSharedPointer<QCamera> camera = registry().camera(id);
        return camera && CameraControls::handles(prop) && CameraControls::set(*camera, prop, value);
    }
    }
}

int CvCaptureCAM_DShow::getProperty(const QString &id, int prop)
{
    const GrabberEntry *entry = registry().entry(id);
    switch (prop) {
    case Width: return entry ? entry->width : 0;
    case Height: return entry ? entry->height : 0;
    case Format: return entry ? entry->format : 0;
    case RedGain:
    case GreenGain:
    case BlueGain: {
        const CameraParam param = getParam(id, prop);
        return param.valid ? param.value : -1;
    }
    default: return -1;
    }
}

CameraParam CvCaptureCAM_DShow::getParam(const QString &id, int prop)
{
    CameraParam param;
    const QSharedPointer<QCamera> camera = registry().camera(id);
    if (!camera)
        return param;
    const GrabberEntry *entry = registry().entry(id);
    QCameraImageProcessing *processing = camera->imageProcessing();

    switch (prop) {
    case Brightness:
    case Gamma:
        if (!processing->isAvailable())
            return param;
        param.valid = true;
        param.minValue = 0;
        param.maxValue = 100;
        param.defaultValue = 50;
        param.step = 1;
        param.value = prop == Brightness ? entry->brightness : entry->gamma;
        return param;
    default:
        if (CameraControls::handles(prop))
            param = CameraControls::param(*camera, prop, m_platformDefaults.value(id));
        return param;
    }
}

bool CvCaptureCAM_DShow::isSupport(const QString &id, int prop)
{
    return getParam(id, prop).valid;
}

void CvCaptureCAM_DShow::setResver(const QString &id, bool horizontal, bool vertical)
{
    DeviceState *state = m_devices.value(id);
    if (!state)
        return;
    state->horizontalFlip = horizontal;
    state->verticalFlip = vertical;
    if (GrabberEntry *entry = registry().entry(id))
        entry->grabber->setResver(horizontal, vertical);
}

void CvCaptureCAM_DShow::resverFlag(const QString &id, bool &horizontal, bool &vertical) const
{
    const DeviceState *state = m_devices.value(id);
    horizontal = state && state->horizontalFlip;
    vertical = state && state->verticalFlip;
}

void CvCaptureCAM_DShow::initBuffer(const QString &id, int width, int height)
{
    DeviceState *state = m_devices.value(id);
    if (!state)
        return;
    if (state->bufferHolder == QThread::currentThread()) {
        // Reallocating waits for the lock, which this very caller holds.
        qCWarning(lcCapture) << "initBuffer while holding the buffer of" << id;
        return;
    }
    state->buffer->init(width, height, QImage::Format_RGB32);
}

uchar *CvCaptureCAM_DShow::getBuffer(const QString &id)
{
    DeviceState *state = m_devices.value(id);
    if (!state)
        return nullptr;
    uchar *pixels = state->buffer->getBuffer();
    if (pixels)
        state->bufferHolder = QThread::currentThread();
    return pixels;
}

void CvCaptureCAM_DShow::releaseBuffer(const QString &id)
{
    // A buffer retired while its holder used it is the one that holder releases.
    if (const std::shared_ptr<CameraBuffer> retired = m_retired.take(id)) {
        retired->releaseBuffer();
        return;
    }
    DeviceState *state = m_devices.value(id);
    if (!state)
        return;
    state->bufferHolder = nullptr;
    state->buffer->releaseBuffer();
}

QImage CvCaptureCAM_DShow::shareFrame(const QString &id, QImage *view)
{
    DeviceState *state = m_devices.value(id);
    return state ? state->buffer->shareFrame(view) : QImage();
}

void CvCaptureCAM_DShow::setViewWanted(const QString &id, QSize size)
{
    if (DeviceState *state = m_devices.value(id))
        state->buffer->setViewWanted(size);
}

QSize CvCaptureCAM_DShow::getBufferSize(const QString &id) const
{
    const DeviceState *state = m_devices.value(id);
    return state ? state->buffer->getBufferSize() : QSize(-1, -1);
}

bool CvCaptureCAM_DShow::event(QEvent *event)
{
    if (event->type() == FrameEvent::frameEventType()) {
        const QString id = static_cast<FrameEvent *>(event)->cameraId();
        if (DeviceState *state = m_devices.value(id)) {
            state->buffer->notificationReceived();
            // An event posted before a restart may find the buffer reallocated and unwritten.
            if (state->buffer->hasFrame())
                emit sigFrameReady(id, false);
        }
        return true;
    }
    return QObject::event(event);
}
