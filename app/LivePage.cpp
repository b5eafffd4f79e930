#include "app/LivePage.h"

#include "app/LiveCameras.h"
#include "app/LiveView.h"
#include "app/LogCategories.h"
#include "calibration/BDWidget.h"
#include "calibration/PictureScale.h"
#include "capture/CvCaptureCAM_DShow.h"
#include "config/Config.h"
#include "media/CameraLabel.h"
#include "media/CaptureGeometry.h"
#include "scene/CameraScene.h"
#include "scene/CameraViewer.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDebug>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>

namespace {

// The zoom box's first entry is translated; the table knows it by its source text.
QString zoomKey(const QComboBox *box)
{
    return box->currentIndex() == 0 ? QStringLiteral("Scale") : box->currentText();
}

} // namespace

LivePage::LivePage(const Widgets &widgets, CvCaptureCAM_DShow *cam, const LiveCameras *live,
                   const Config *config, QObject *parent)
    : QObject(parent)
    , m_widgets(widgets)
    , m_cam(cam)
    , m_live(live)
    , m_config(config)
{
    for (int i = 0; i < m_widgets.tiles.size(); ++i) {
        m_widgets.tiles.at(i)->setContextMenuPolicy(Qt::CustomContextMenu);
        m_widgets.tiles.at(i)->setIndex(i);
    }
    // Tile 0 shows the live picture; captures start filling tile 1. Checking tile 0 first gives
    // it the unchecked frame style when it hands the check on.
    if (!m_widgets.tiles.isEmpty()) {
        m_widgets.tiles.first()->setCheck(true);
        setCheckedTile(1);
        m_widgets.tiles.first()->setIsCheckedAble(false);
    }
    m_widgets.zoom->addItems({fitZoomText(), QStringLiteral("0.5x"), QStringLiteral("1.0x"),
                              QStringLiteral("2.0x"), QStringLiteral("2.5x"),
                              QStringLiteral("4.0x"), QStringLiteral("5.0x"),
                              QStringLiteral("10.0x")});
    m_widgets.zoom->setCurrentIndex(2);
}

void LivePage::showPage(bool fourView)
{
    if (fourView) {
        m_widgets.pages->setCurrentIndex(1);
        // The other tiles wait for new captures; tile 0 gets the next frame.
        for (int i = 1; i < m_widgets.tiles.size(); ++i)
            clearTile(i);
        placeTiles();
    } else {
        setCheckedTile(1);
        m_widgets.pages->setCurrentIndex(0);
    }
}

CameraScene *LivePage::scene() const
{
    return m_widgets.viewer->scene();
}

bool LivePage::isFourView() const
{
    return m_widgets.pages->currentIndex() == 1;
}

double LivePage::renderScale() const
{
    return zoomFactor(zoomKey(m_widgets.zoom));
}

bool LivePage::showFrame(const QString &camId)
{
    // The frame itself, not a copy: the grabber keeps off its memory while the picture lives.
    QImage view;
    QImage picture = m_cam->shareFrame(camId, &view);
    if (picture.isNull()) {
        // The grabber is storing the next frame this instant: this one is dropped, never queued.
        qCDebug(lcApp) << "onLocalCamera lost frame";
        return false;
    }
    const bool fourView = isFourView();
    const int viewIndex = m_live->viewIndex(camId);
    if ((!fourView && camId != m_live->current()) || viewIndex < 0) {
        m_cam->setViewWanted(camId, QSize());
        return false;
    }

    const auto stored = m_config->cameras.constFind(camId);
    if (stored != m_config->cameras.cend() && stored->blackWhite) {
        picture = liveFramePicture(picture, true);
        view = QImage(); // in colour
    }
    if (fourView) {
        if (viewIndex < m_widgets.tiles.size())
            m_widgets.tiles.at(viewIndex)->setImage(picture);
    } else {
        scene()->setBaseFrame(picture, view);
    }
    // The grabber scales the next frames for the view while their rows are in its cache.
    m_cam->setViewWanted(camId, fourView ? QSize() : scene()->preparedViewSize());
    return true;
}

void LivePage::updateStatus(const QString &id)
{
    const LiveCameras::Readout readout = m_live->readout(id);
    const QPoint point = isFourView() ? QPoint() : scene()->toDispPoint(m_live->cursorPoint());
    m_widgets.status->setText(statusLineText(isFourView(), readout.rate, point, readout.colour));
}

void LivePage::updateResolution()
{
    const QString id = m_live->current();
    const QSize size = m_live->isRunning(id) ? m_live->size(id) : QSize(0, 0);
    m_widgets.resolution->setText(QString::asprintf("%d * %d", size.width(), size.height()));
}

void LivePage::updateViewSize()
{
    const QString id = m_live->current();
    if (id.isEmpty()) {
        // Without a camera the view fills the page, so the no-device notice shows whole
        // instead of being clipped by the size of the last picture (or of no picture at all).
        m_widgets.viewer->setFixedSize(m_widgets.scrollArea->maximumViewportSize());
        updateResolution();
        return;
    }
    const QString key = zoomKey(m_widgets.zoom);
    double factor = zoomFactor(key);
    const QSize picture = m_live->size(id);
    if (m_live->isRunning(id) && picture.width() >= 0 && picture.height() >= 0) {
        QSize viewSize;
        if (isFitZoom(key)) {
            const QSize page = m_widgets.singlePage->size();
            viewSize = fitViewSize(picture, page);
            factor = page.width() > 0 ? double(viewSize.width()) / page.width() : 1.0;
        } else {
            viewSize = zoomedViewSize(picture, factor);
        }
        m_widgets.viewer->setFixedSize(viewSize);
        if (!isFourView())
            scene()->updateCameraViewSize(picture);
        // Let the scroll area take in the new size before centring on the picture.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        for (QScrollBar *bar : {m_widgets.scrollArea->horizontalScrollBar(),
                                m_widgets.scrollArea->verticalScrollBar()})
            bar->setValue(int(bar->maximum() * 0.5));
        m_widgets.calibration->setScale(factor);
    }
    updateResolution();
}

void LivePage::placeTiles()
{
    const QSize page = m_widgets.tilePage->size();
    for (int i = 0; i < m_widgets.tiles.size(); ++i)
        m_widgets.tiles.at(i)->setGeometry(fourViewRect(page, i));
}

int LivePage::checkedTile() const
{
    for (int i = 0; i < m_widgets.tiles.size(); ++i) {
        if (m_widgets.tiles.at(i)->isChecked())
            return i;
    }
    return -1;
}

void LivePage::setCheckedTile(int index)
{
    for (int i = 0; i < m_widgets.tiles.size(); ++i)
        m_widgets.tiles.at(i)->setCheck(i == index);
}

void LivePage::uncheckOthers(const QObject *checked)
{
    for (CameraLabel *tile : qAsConst(m_widgets.tiles)) {
        if (tile != checked)
            tile->setCheck(false);
    }
}

int LivePage::takeCaptureTile()
{
    // The check frame moves on at once, so quick captures fill the tiles in turn.
    const int tile = fourViewCaptureTile(checkedTile());
    setCheckedTile(fourViewNextTile(tile));
    return tile;
}

void LivePage::clearTile(int index)
{
    if (index >= 0 && index < m_widgets.tiles.size())
        m_widgets.tiles.at(index)->setImage(QImage());
}

void LivePage::setTileFile(int index, const QString &path)
{
    if (index >= 0 && index < m_widgets.tiles.size())
        m_widgets.tiles.at(index)->setImageFile(path);
}

void LivePage::retranslate()
{
    for (CameraLabel *tile : qAsConst(m_widgets.tiles))
        tile->switchLang();
}

QImage LivePage::capturePicture() const
{
    const int index = m_live->viewIndex(m_live->current());
    const double scale = renderScale();
    const bool scenePage = !isFourView();
    QImage source;
    if (!scenePage) {
        if (index < 0 || index >= m_widgets.tiles.size())
            return QImage();
        source = m_widgets.tiles.at(index)->image();
    } else if (scene()->frameBufferData()) {
        // Without a frame the render would be a black picture of the last size. A zoomed
        // capture gets its scale bar after the crop, for the pixels it keeps.
        source = scene()->renderImage(scale == 1.0);
    }
    QImage result = cropToZoom(source, scale);
    const double span = capturePixelSpan(source.size(), scale);
    if (scenePage && scale != 1.0)
        scene()->paintScaleBar(result, span);
    if (const std::optional<PictureScale> stored =
            PictureScale::fromCalibration(scene()->bdInfo(), span))
        stored->applyTo(result);
    qCDebug(lcApp) << "image 1 : size " << source.size() << " scaleRate : " << scale;
    qCDebug(lcApp) << "image3 : size " << result.size();
    return result;
}
