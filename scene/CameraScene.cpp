#include "scene/CameraScene.h"

#include "app/LogCategories.h"

#include "calibration/StyleInfo.h"
#include "capture/StripScaler.h"
#include "config/Config.h"
#include "scene/GraphicsItem.h"
#include "scene/GraphicsMeasureItem.h"
#include "scene/GraphicsTextItem.h"
#include "scene/MakeGraphicsItem.h"
#include "scene/ScaleBar.h"

#include <QCursor>
#include <QDateTime>
#include <QDebug>
#include <QFontMetrics>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSceneWheelEvent>
#include <QGraphicsView>
#include <QInputDialog>
#include <QPainter>
#include <QTextOption>
#include <QtMath>

#include <algorithm>
#include <cstring>

namespace {

// Side of the no-device notice square and the text margin inside it.
constexpr int NoticeSide = 170;
constexpr int NoticeMargin = 8;

// Dark, translucent backing behind overlay texts, so they stay readable on any picture.
const QColor TextBacking(0, 0, 0, 160);

// Tools that build an item (every other number selects, deletes or does nothing).
bool isDrawingTool(int type)
{
    return (type >= GraphicsType::Point && type <= GraphicsType::CircleLine) ||
           type == GraphicsType::Text;
}

// Formats whose pixels a plain byte copy cannot carry (colour tables, sub-byte pixels).
bool needsConversion(const QImage &image)
{
    return image.depth() < 8 || image.format() == QImage::Format_Indexed8;
}

} // namespace

QPoint pictureToDisplay(QPoint p, QSize picture)
{
    return QPoint(p.x() - picture.width() / 2, picture.height() / 2 - p.y());
}

QPoint clampToPicture(QPointF scenePos, QSize picture)
{
    int x = qRound(scenePos.x());
    int y = qRound(scenePos.y());
    if (picture.width() > 0)
        x = std::clamp(x, 0, picture.width() - 1);
    if (picture.height() > 0)
        y = std::clamp(y, 0, picture.height() - 1);
    return QPoint(x, y);
}

QString elapsedText(qint64 ms)
{
    const qint64 seconds = std::max<qint64>(ms, 0) / 1000;
    return QString::asprintf("%02lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60,
                             seconds % 60);
}

CameraScene::CameraScene(QObject *parent)
    : QGraphicsScene(parent)
{
    setItemIndexMethod(QGraphicsScene::NoIndex);
}

CameraScene::~CameraScene()
{
    // Items go before the picture buffer that the pixmap may still reference.
    clear();
}

QString CameraScene::offlineText()
{
    return tr("没有侦测到正确的视频设备，请将显微镜直接连接电脑的USB端口");
}

void CameraScene::setGraphicType(int type)
{
    clearNew();
    clearSelect();
    // A highlight left from the select or delete tool would stay lit under a drawing tool,
    // which never updates it.
    clearHover();
    m_graphicType = type;
    update();
}

void CameraScene::setEditable(bool editable)
{
    clearNew();
    clearSelect();
    clearHover();
    m_editable = editable;
    // The drawing cross means "click to measure"; without editing it would promise too much.
    if (!editable && firstView())
        setCursor(Qt::ArrowCursor);
    update();
}

void CameraScene::setBaseImage(const QImage &image)
{
    showPicture(image, false);
}

void CameraScene::setBaseFrame(const QImage &frame, const QImage &view)
{
    showPicture(frame, true, view);
}

QSize CameraScene::preparedViewSize() const
{
    const QSize size = viewSize();
    return DisplayPicture::wanted(m_baseImage, size) &&
                   StripScaler::handles(m_baseImage.size(), size)
               ? size
               : QSize();
}

void CameraScene::showPicture(const QImage &image, bool share, const QImage &view)
{
    if (image.isNull()) {
        if (m_frameBufferSize != 0)
            clear();
        update();
        return;
    }

    const bool convert = needsConversion(image);
    const QImage source = convert ? image.convertToFormat(image.hasAlphaChannel()
                                                              ? QImage::Format_ARGB32_Premultiplied
                                                              : QImage::Format_RGB32)
                                  : image;
    const qsizetype bytes = source.sizeInBytes();

    // Another byte size (resolution or format) starts a new, empty measurement. So does the
    // same byte size in another shape: the items were measured on a different picture.
    const bool sameLayout = bytes == m_frameBufferSize && m_baseImage.size() == source.size() &&
                            m_baseImage.format() == source.format() &&
                            m_baseImage.bytesPerLine() == source.bytesPerLine();
    if (!sameLayout) {
        clear();
        m_frameBufferSize = bytes;
    }

    m_baseView = QImage();
    if (share && !convert) {
        // The pixmap below takes over from the one on the scene's buffer before that goes.
        m_baseImage = source;
        m_baseView = view;
    } else {
        if (!m_frameBuffer) {
            m_frameBuffer.reset(new uchar[size_t(bytes)]);
            m_baseImage = QImage(m_frameBuffer.get(), source.width(), source.height(),
                                 source.bytesPerLine(), source.format());
        }
        std::memcpy(m_frameBuffer.get(), source.constBits(), size_t(bytes));
    }
    m_display.invalidate();
    // On the raster backend this shares the picture's memory instead of converting it (RGB32).
    m_pixmap = QPixmap::fromImage(m_baseImage);
    if (share && !convert)
        m_frameBuffer.reset();

    const QRectF rect(source.rect());
    if (sceneRect() != rect)
        setSceneRect(rect);
    update();
}

QImage CameraScene::baseImage() const
{
    return m_baseImage.copy();
}

void CameraScene::clear()
{
    // The pixmap and the picture view the buffer: drop them before it.
    m_pixmap = QPixmap();
    m_display.clear();
    m_baseImage = QImage();
    m_baseView = QImage();
    m_frameBuffer.reset();
    m_frameBufferSize = 0;

    const bool hadItems = !m_items.isEmpty();
    m_items.clear();
    m_selected = nullptr;
    m_hover = nullptr;
    m_selectSnapshot.points.clear();
    m_newItem = nullptr;
    m_measureItem = nullptr;
    QGraphicsScene::clear();
    clearCommandStack();
    update();
    // Live frames of one size call this never; a new size once, so listeners hear it once.
    if (hadItems)
        itemsReplaced();
}

void CameraScene::itemsReplaced()
{
    if (m_picked && !m_items.contains(m_picked)) {
        m_picked = nullptr;
        emit pickedGraphicChanged(nullptr);
    }
    emit graphicsChanged();
}

void CameraScene::setPickedGraphic(GraphicsItem *item)
{
    if (item && !m_items.contains(item))
        item = nullptr;
    if (item == m_picked)
        return;
    m_picked = item;
    update();
    emit pickedGraphicChanged(item);
}

void CameraScene::graphicMoved(GraphicsItem *item)
{
    if (item && item != m_measureItem && item != m_newItem)
        emit graphicChanged(item);
}

void CameraScene::addGraphic(GraphicsItem *item)
{
    if (!item || m_items.contains(item))
        return;
    if (item->scene() != this)
        addItem(item);
    m_items.append(item);
    update();
    itemsReplaced();
}

void CameraScene::delGraphic(GraphicsItem *item)
{
    if (!item)
        return;
    if (m_selected == item) {
        m_selected = nullptr;
        m_selectSnapshot.points.clear();
    }
    if (m_hover == item)
        m_hover = nullptr;
    if (m_newItem == item)
        m_newItem = nullptr;
    const bool listed = m_items.removeAll(item) > 0;
    if (item->scene() == this)
        removeItem(item);
    delete item;
    update();
    if (listed)
        itemsReplaced();
}

void CameraScene::addGraphicCommand(GraphicsItem *item)
{
    if (!item || m_items.contains(item))
        return;
    addGraphic(item);
    pushCommandStack();
}

void CameraScene::delGraphicCommand(GraphicsItem *item)
{
    if (!item || !m_items.contains(item))
        return;
    delGraphic(item);
    pushCommandStack();
}

void CameraScene::moveGraphicCommand(GraphicsItem *item, int dx, int dy)
{
    if (!item || !m_items.contains(item))
        return;
    item->move(dx, dy);
    emit graphicChanged(item);
    pushCommandStack();
}

GraphicsItem *CameraScene::graphicAt(const QPointF &p) const
{
    for (GraphicsItem *item : m_items) {
        if (item->hitTest(p) != -1)
            return item;
    }
    return nullptr;
}

void CameraScene::clearSelect()
{
    if (!m_selected)
        return;
    if (m_graphicType == GraphicsType::Select && !m_selectSnapshot.points.isEmpty() &&
        m_selected->keyPoints() != m_selectSnapshot.points) {
        pushCommandStack();
    }
    m_selectSnapshot.points.clear();
    m_selected->setSelected(false);
    m_selected = nullptr;
    clearHover();
}

void CameraScene::clearHover()
{
    setHoverGraphic(nullptr);
}

void CameraScene::setHoverGraphic(GraphicsItem *item)
{
    if (item == m_hover)
        return;
    if (m_hover)
        m_hover->setHover(false);
    m_hover = item;
    if (m_hover)
        m_hover->setHover(true);
    update();
}

QCursor CameraScene::cursor() const
{
    QGraphicsView *view = firstView();
    return view ? view->viewport()->cursor() : QCursor(Qt::ArrowCursor);
}

void CameraScene::setCursor(const QCursor &cursor)
{
    QGraphicsView *view = firstView();
    if (!view)
        return;
    // The drawing area, not the view: the view may keep a cursor of its own for its frame.
    QWidget *viewport = view->viewport();
    if (cursor.shape() == Qt::BitmapCursor || viewport->cursor().shape() != cursor.shape())
        viewport->setCursor(cursor);
}

void CameraScene::pushCommandStack()
{
    popCommandStack();
    m_commandStack.append(saveGraphics());
    while (m_commandStack.size() > MaxCommands)
        m_commandStack.removeFirst();
    m_commandIndex = m_commandStack.size() - 1;
}

void CameraScene::popCommandStack()
{
    while (m_commandStack.size() > m_commandIndex + 1)
        m_commandStack.removeLast();
}

void CameraScene::clearCommandStack()
{
    m_commandStack.clear();
    m_commandIndex = -1;
}

CommandInfo CameraScene::saveGraphics() const
{
    CommandInfo info;
    info.graphics.reserve(m_items.size());
    for (const GraphicsItem *item : m_items)
        info.graphics.append(item->save());
    return info;
}

void CameraScene::restoreGraphics(const QVector<GraphicsItemData> &graphics)
{
    removeGraphics();
    for (const GraphicsItemData &data : graphics) {
        GraphicsItem *item = MakeGraphicsItem(data.type);
        if (!item)
            continue;
        item->restore(data);
        addItem(item);
        m_items.append(item);
    }
    update();
    itemsReplaced();
}

void CameraScene::undo()
{
    if (m_commandIndex < 0)
        return;
    --m_commandIndex;
    if (m_commandIndex >= 0)
        restoreGraphics(m_commandStack.at(m_commandIndex).graphics);
    else
        removeGraphics();
}

void CameraScene::redo()
{
    if (!canRedo())
        return;
    ++m_commandIndex;
    restoreGraphics(m_commandStack.at(m_commandIndex).graphics);
}

void CameraScene::clearItems()
{
    removeGraphics();
    clearCommandStack();
}

void CameraScene::clearGraphics()
{
    removeGraphics();
}

void CameraScene::removeGraphics()
{
    // The measuring segment is no measurement: it lives from setMeasure(true) to
    // setMeasure(false), whatever happens to the items meanwhile.
    m_selected = nullptr;
    m_hover = nullptr;
    m_selectSnapshot.points.clear();
    clearNew();
    const QList<GraphicsItem *> items = m_items;
    m_items.clear();
    for (GraphicsItem *item : items) {
        removeItem(item);
        delete item;
    }
    update();
    if (!items.isEmpty())
        itemsReplaced();
}

void CameraScene::clearNew()
{
    if (!m_newItem)
        return;
    removeItem(m_newItem);
    delete m_newItem;
    m_newItem = nullptr;
    update();
}

void CameraScene::clearMeasure()
{
    if (!m_measureItem)
        return;
    removeItem(m_measureItem);
    delete m_measureItem;
    m_measureItem = nullptr;
    update();
}

void CameraScene::setMeasure(bool on)
{
    clearNew();
    clearSelect();
    clearHover();
    if (!on) {
        clearMeasure();
    } else if (!m_measureItem) {
        // A horizontal segment of 200 picture pixels in the middle of the picture.
        const QRectF rect = sceneRect();
        GraphicsItemData data;
        data.type = GraphicsType::None;
        data.points = {QPointF((rect.width() - 200) * 0.5, rect.height() * 0.5),
                       QPointF((rect.width() - 200) * 0.5 + 200, rect.height() * 0.5)};
        m_measureItem = new GraphicsMeasureItem;
        m_measureItem->restore(data);
        m_measureItem->setSelected(false);
        addItem(m_measureItem);
    }
    update();
}

QGraphicsView *CameraScene::firstView() const
{
    const QList<QGraphicsView *> list = views();
    return list.isEmpty() ? nullptr : list.first();
}

QSize CameraScene::viewSize() const
{
    QGraphicsView *view = firstView();
    if (!view)
        return QSize();
    // Computed from the widget size, so it is right even before a hidden view has laid out
    // its viewport. The toolkit asks the style for the scroll bars' extent every time, which
    // showed in the live view's profile: the answer is kept while nothing it depends on moves.
    const ViewSizeKey key{view,
                          view->size(),
                          view->frameWidth(),
                          int(view->horizontalScrollBarPolicy()),
                          int(view->verticalScrollBarPolicy())};
    if (!(key == m_viewSizeKey)) {
        m_viewSizeKey = key;
        m_viewSize = view->maximumViewportSize();
    }
    return m_viewSize;
}

void CameraScene::updateCameraViewSize(QSize size)
{
    QGraphicsView *view = firstView();
    if (!view || size.isEmpty())
        return;
    const QSize vs = viewSize();
    m_xscale = double(vs.width()) / size.width();
    m_yscale = double(vs.height()) / size.height();
    setSceneRect(0, 0, size.width(), size.height());
    view->resetTransform();
    view->scale(m_xscale, m_yscale);
    update();
}

void CameraScene::setScale(double xscale, double yscale)
{
    m_xscale = xscale;
    m_yscale = yscale;
}

void CameraScene::showGrid(bool on)
{
    m_showGrid = on;
    update();
}

void CameraScene::showTime(bool on)
{
    m_showTime = on;
    update();
}

void CameraScene::setOffline(bool on)
{
    m_offline = on;
    update();
}

void CameraScene::setRecord(bool on)
{
    m_record = on;
    if (on)
        m_recordTimer.restart();
    update();
}

void CameraScene::setBDInfo(const BDInfo &info)
{
    const bool changed = m_bdInfo != info;
    m_bdInfo.name = info.name;
    m_bdInfo.ratio = info.ratio;
    m_bdInfo.unit = info.unit;
    update();
    if (changed)
        emit calibrationChanged();
}

QPointF CameraScene::toViewPoint(QPointF p) const
{
    if (m_rendering)
        return p;
    QGraphicsView *view = firstView();
    if (!view)
        return p;
    return QPointF(view->mapFromScene(p));
}

QPoint CameraScene::toDispPoint(QPoint p) const
{
    return pictureToDisplay(p, m_baseImage.size());
}

QSize CameraScene::renderSize() const
{
    const QRectF rect = sceneRect();
    return QSize(qRound(rect.width()), qRound(rect.height()));
}

QSize CameraScene::targetSize() const
{
    return m_rendering ? renderSize() : viewSize();
}

void CameraScene::renderInto(QImage &image)
{
    m_rendering = true;
    QPainter painter(&image);
    render(&painter, QRectF(image.rect()), sceneRect(), Qt::KeepAspectRatio);
    painter.end();
    m_rendering = false;
}

QImage CameraScene::renderImage(bool withScaleBar)
{
    const QSize size = renderSize();
    if (size.isEmpty())
        return QImage();
    QImage image(size, QImage::Format_RGB32);
    m_renderScaleBar = withScaleBar;
    renderInto(image);
    m_renderScaleBar = true;
    return image;
}

void CameraScene::paintScaleBar(QImage &picture, double pixelSpan) const
{
    if (!isScaleBarShown() || picture.isNull())
        return;
    BDInfo stored = m_bdInfo;
    stored.ratio *= pixelSpan;
    QPainter painter(&picture);
    ScaleBar::forPicture(stored, picture.width()).paint(&painter, picture.size(), m_scaleBarCorner);
}

void CameraScene::showScaleBar(bool on, Preferences::Corner corner)
{
    m_showScaleBar = on;
    m_scaleBarCorner = corner;
    update();
}

bool CameraScene::isScaleBarShown() const
{
    return m_showScaleBar && !ScaleBar::forPicture(m_bdInfo, qMax(1, m_baseImage.width())).isNull();
}

void CameraScene::initRendefBuffer()
{
    for (CameraBuffer &buffer : m_renderBuffers)
        buffer.init(m_baseImage.width(), m_baseImage.height(), QImage::Format_RGB32);
}

CameraBuffer *CameraScene::rendefBuffer()
{
    for (CameraBuffer &buffer : m_renderBuffers) {
        uchar *data = buffer.getBuffer();
        if (!data)
            continue;
        // The buffer's own size, not the scene's: a picture that changed size since the
        // recording started must not be rendered past the end of the block.
        QImage image(data, buffer.width(), buffer.height(), buffer.bytesPerLine(),
                     QImage::Format_RGB32);
        renderInto(image);
        return &buffer;
    }
    return nullptr;
}

void CameraScene::onZoomTimeOut()
{
    QGraphicsView *view = firstView();
    if (!view || !view->isVisible())
        return;
    QWidget *viewport = view->viewport();
    const QPoint pos = viewport->mapFromGlobal(QCursor::pos());
    if (!viewport->rect().contains(pos))
        return;
    const QPoint p = clampToPicture(view->mapToScene(pos), m_baseImage.size());
    if (m_baseImage.rect().contains(p))
        emit coorInfo(p, QColor(m_baseImage.pixel(p)));
}

void CameraScene::drawBackground(QPainter *painter, const QRectF &rect)
{
    Q_UNUSED(rect)
    const QSize size = targetSize();
    painter->save();
    painter->resetTransform();
    if (m_pixmap.isNull()) {
        // The viewport does not fill itself (it is marked opaque), and a rendered picture
        // starts uninitialised.
        QGraphicsView *view = firstView();
        painter->fillRect(QRect(QPoint(0, 0), size), m_rendering || !view
                                                         ? QBrush(Qt::black)
                                                         : view->palette().brush(QPalette::Base));
    } else if (!m_rendering && DisplayPicture::wanted(m_baseImage, size)) {
        // Filtered, and made once per frame however often the view repaints.
        painter->drawImage(QPoint(0, 0), m_display.image(m_baseImage, size, m_baseView));
    } else {
        // Views too big for a scaled copy (deep zoom) show only a part: the painter scales just
        // that. Smoothing pays off only close to 1:1, where skipped or doubled rows and columns
        // would show; magnified pixels stay sharp.
        const double sx = double(size.width()) / m_pixmap.width();
        const double sy = double(size.height()) / m_pixmap.height();
        const bool exact = size == m_pixmap.size();
        const bool near = sx > 0.75 && sx < 1.5 && sy > 0.75 && sy < 1.5;
        painter->setRenderHint(QPainter::SmoothPixmapTransform, near && !exact);
        painter->drawPixmap(QRectF(0, 0, size.width(), size.height()), m_pixmap,
                            QRectF(m_pixmap.rect()));
    }
    painter->restore();
}

void CameraScene::drawItems(QPainter *painter, int numItems, QGraphicsItem *items[],
                            const QStyleOptionGraphicsItem options[], QWidget *widget)
{
    // The scene's own lists decide what is drawn and in which order, not Qt's item array.
    Q_UNUSED(numItems)
    Q_UNUSED(items)
    Q_UNUSED(options)
    Q_UNUSED(widget)
    painter->save();
    painter->resetTransform();
    painter->setRenderHint(QPainter::Antialiasing, true);

    const StyleInfo defaults;
    if (m_measureItem) {
        // While calibrating, only the measuring segment is drawn.
        drawItem(painter, m_measureItem,
                 QPen(QBrush(defaults.penColor()), 2.0, defaults.penStyle(), Qt::SquareCap,
                      Qt::BevelJoin));
    } else {
        // Lines get thinner when the view shrinks the picture, never thicker when it grows.
        int w = defaults.penSize();
        if (m_xscale < 1.0)
            w = std::max(1, int(m_xscale * w));
        const QPen highlight(QBrush(QColor(0, 128, 255, 255)), w + 1, Qt::SolidLine, Qt::SquareCap,
                             Qt::BevelJoin);
        auto stylePen = [w](const GraphicsItem *item) {
            return QPen(QBrush(item->style().penColor()), w, item->style().penStyle(),
                        Qt::SquareCap, Qt::BevelJoin);
        };
        for (GraphicsItem *item : qAsConst(m_items)) {
            const bool lit =
                item == m_hover || item == m_selected || (item == m_picked && !m_rendering);
            drawItem(painter, item, lit ? highlight : stylePen(item));
        }
        if (m_newItem)
            drawItem(painter, m_newItem, stylePen(m_newItem));
    }
    painter->restore();
}

void CameraScene::drawItem(QPainter *painter, GraphicsItem *item, const QPen &pen)
{
    painter->save();
    QFont font = painter->font();
    font.setPixelSize(std::max(1, item->style().fontSize()));
    painter->setFont(font);
    painter->setTransform(item->sceneTransform(), true);
    painter->setPen(pen);
    item->paint(painter, nullptr, nullptr);
    painter->restore();
}

void CameraScene::drawForeground(QPainter *painter, const QRectF &rect)
{
    Q_UNUSED(rect)
    const QSize size = targetSize();
    painter->save();
    painter->resetTransform();
    painter->setRenderHint(QPainter::Antialiasing, false);
    if (m_record && !m_rendering)
        drawRecordIndicator(painter);
    if (m_showGrid)
        drawCrosshair(painter, size);
    if (m_renderScaleBar && isScaleBarShown())
        drawScaleBar(painter, size);
    if (m_showTime)
        drawDateTime(painter, size);
    if (m_offline)
        drawOfflineNotice(painter, size);
    painter->restore();
}

void CameraScene::drawRecordIndicator(QPainter *painter)
{
    const QString text = elapsedText(m_recordTimer.isValid() ? m_recordTimer.elapsed() : 0);
    painter->save();
    QFont font = painter->font();
    font.setPixelSize(24);
    painter->setFont(font);
    const QFontMetrics fm(font);
    const QPoint origin(30, 30);
    const QRect textRect(origin.x(), origin.y() - fm.ascent(), fm.horizontalAdvance(text),
                         fm.height());
    painter->fillRect(
        QRect(6, textRect.top() - 2, textRect.right() + 4 - 6 + 1, textRect.height() + 4),
        TextBacking);
    painter->fillRect(QRect(10, 14, 16, 16), Qt::red);
    painter->setPen(Qt::white);
    painter->drawText(origin, text);
    painter->restore();
}

void CameraScene::drawCrosshair(QPainter *painter, QSize size)
{
    const int w = size.width();
    const int h = size.height();
    painter->save();
    painter->setPen(QPen(QColor(0, 0, 255, 255), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter->drawLine(0, h / 2, w, h / 2);
    painter->drawLine(w / 2, 0, w / 2, h);
    painter->restore();
}

void CameraScene::drawDateTime(QPainter *painter, QSize size)
{
    const QString text =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    const QRect rect(size.width() - 200, size.height() - 24, 196, 20);
    const int flags = Qt::AlignRight | Qt::AlignHCenter | Qt::AlignVCenter;
    painter->save();
    // The text changes once a second: its extent is laid out then, not for every frame.
    const int dpi = painter->device() ? painter->device()->logicalDpiY() : 0;
    if (text != m_stampText || rect != m_stampRect || dpi != m_stampDpi ||
        painter->font() != m_stampFont) {
        m_stampUsed = painter->boundingRect(rect, flags, text);
        m_stampText = text;
        m_stampRect = rect;
        m_stampDpi = dpi;
        m_stampFont = painter->font();
    }
    const QRect used = m_stampUsed;
    painter->fillRect(used.adjusted(-3, -1, 3, 1), TextBacking);
    painter->setPen(Qt::red);
    painter->drawText(rect, flags, text);
    painter->restore();
}

void CameraScene::drawScaleBar(QPainter *painter, QSize size)
{
    const QSize picture = m_baseImage.size();
    if (picture.isEmpty() || size.isEmpty())
        return;
    // Drawn in picture pixels and scaled with the view, so that the screen shows what a capture
    // stores. The date and time keep their device size: a view that shrinks the picture lifts
    // the bar over them on screen.
    const double xscale = double(size.width()) / picture.width();
    const double yscale = double(size.height()) / picture.height();
    const int lift = m_showTime && !m_rendering ? qCeil(ScaleBar::DateTimeRoom / yscale) : 0;
    const ScaleBar bar = ScaleBar::forPicture(m_bdInfo, picture.width());
    if (m_rendering) {
        painter->save();
        painter->scale(xscale, yscale);
        bar.paint(painter, picture, m_scaleBarCorner, lift);
        painter->restore();
        return;
    }
    // On screen the outlined text would be traced anew for every frame: the bar is drawn once
    // per view size and calibration into a small picture of its own.
    const QString key = QStringLiteral("%1x%2 %3x%4 %5 %6 %7 %8")
                            .arg(size.width())
                            .arg(size.height())
                            .arg(picture.width())
                            .arg(picture.height())
                            .arg(int(m_scaleBarCorner))
                            .arg(lift)
                            .arg(m_bdInfo.ratio, 0, 'g', 17)
                            .arg(m_bdInfo.unit);
    if (key != m_scaleBarSpriteKey) {
        const int pad = ScaleBar::fontPixelSize(picture) / 4;
        const QRect area = bar.area(picture, m_scaleBarCorner, lift).adjusted(-pad, -pad, pad, pad);
        const QRect device = QRectF(area.x() * xscale, area.y() * yscale, area.width() * xscale,
                                    area.height() * yscale)
                                 .toAlignedRect();
        m_scaleBarSprite = QImage(device.size(), QImage::Format_ARGB32_Premultiplied);
        m_scaleBarSprite.fill(Qt::transparent);
        m_scaleBarSpriteAt = device.topLeft();
        QPainter sprite(&m_scaleBarSprite);
        sprite.translate(-device.topLeft());
        sprite.scale(xscale, yscale);
        bar.paint(&sprite, picture, m_scaleBarCorner, lift);
        m_scaleBarSpriteKey = key;
    }
    painter->drawImage(m_scaleBarSpriteAt, m_scaleBarSprite);
}

void CameraScene::drawOfflineNotice(QPainter *painter, QSize size)
{
    const QRect square((size.width() - NoticeSide) / 2, (size.height() - NoticeSide) / 2,
                       NoticeSide, NoticeSide);
    const QRect textRect =
        square.adjusted(NoticeMargin, NoticeMargin, -NoticeMargin, -NoticeMargin);
    const QString text = offlineText();

    painter->save();
    // 20 pixels, smaller only when a translation does not fit into the square.
    QFont font = painter->font();
    for (int px = 20; px >= 9; --px) {
        font.setPixelSize(px);
        const QRect need =
            QFontMetrics(font).boundingRect(textRect, Qt::AlignCenter | Qt::TextWordWrap, text);
        if (need.height() <= textRect.height() && need.width() <= textRect.width())
            break;
    }
    painter->setFont(font);
    painter->fillRect(square, QColor(240, 240, 240, 255));
    painter->setPen(Qt::black);
    QTextOption option(Qt::AlignCenter);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    painter->drawText(QRectF(textRect), text, option);
    painter->restore();
}

bool CameraScene::event(QEvent *event)
{
    // The mouse left the viewer: nothing lies under it any more.
    if (event->type() == QEvent::Leave && !m_selected)
        clearHover();
    return QGraphicsScene::event(event);
}

bool CameraScene::startNewItem()
{
    GraphicsItem *item = MakeGraphicsItem(m_graphicType);
    if (!item)
        return false;
    item->setStyle(m_config ? m_config->style : StyleInfo());
    if (m_graphicType == GraphicsType::Text) {
        // Asked before the item joins the scene, so nothing refers to it while the modal
        // dialog runs (frames keep arriving meanwhile and may clear the scene).
        bool ok = false;
        const QString text = QInputDialog::getText(firstView(), QString(), tr("文字"),
                                                   QLineEdit::Normal, QString(), &ok);
        // A blank note would be an invisible item: treat it as cancelled.
        if (!ok || text.trimmed().isEmpty()) {
            delete item;
            return false;
        }
        static_cast<GraphicsTextItem *>(item)->setText(text);
    }
    m_newItem = item;
    addItem(item);
    return true;
}

void CameraScene::adoptNewItemIfFinished()
{
    if (!m_newItem || !m_newItem->isVaild())
        return;
    GraphicsItem *item = m_newItem;
    m_newItem = nullptr;
    addGraphicCommand(item);
}

void CameraScene::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    if (m_measureItem) {
        m_measureItem->mousePressEvent(event);
        event->accept();
        return;
    }
    if (!m_editable)
        return;
    if (event->button() == Qt::RightButton) {
        // A right click adds a point like a left one; its release may end a broken line or
        // a polygon.
        if (m_newItem) {
            m_newItem->mousePressEvent(event);
            adoptNewItemIfFinished();
        }
        event->accept();
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    event->accept();

    const QPointF p = event->scenePos();
    if (m_graphicType == GraphicsType::Delete) {
        delGraphicCommand(graphicAt(p));
        // Show at once what lies under the mouse now, not the deleted item's hand.
        updateHoverAndCursor(p);
        return;
    }
    if (m_graphicType == GraphicsType::Select) {
        GraphicsItem *item = graphicAt(p);
        setPickedGraphic(item);
        if (!item)
            return;
        if (item != m_selected) {
            clearSelect();
            m_selected = item;
            m_selectSnapshot = item->save();
            item->setSelected(true);
        }
        m_selected->mousePressEvent(event);
        return;
    }
    if (!m_newItem && !startNewItem())
        return;
    m_newItem->mousePressEvent(event);
    adoptNewItemIfFinished();
}

void CameraScene::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event)
{
    // A quick second click is still a click: it places its point like any other.
    mousePressEvent(event);
}

void CameraScene::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    // Every move over the viewer updates the pixel read-out.
    onZoomTimeOut();
    const QPointF p = event->scenePos();

    if (m_measureItem) {
        // Lit while under the mouse, and all through a drag even when the mouse runs ahead.
        const bool dragging = m_measureItem->isPressed() && m_measureItem->dragIndex() != -1;
        const bool lit = dragging || m_measureItem->hitTest(p) != -1;
        if (lit != m_measureItem->isSelected())
            m_measureItem->setSelected(lit);
        m_measureItem->mouseMoveEvent(event);
        return;
    }
    if (!m_editable)
        return;
    if ((event->buttons() & Qt::LeftButton) && m_selected) {
        m_selected->mouseMoveEvent(event);
        return;
    }
    if (m_newItem) {
        m_newItem->mouseMoveEvent(event);
        return;
    }

    updateHoverAndCursor(p);
}

void CameraScene::updateHoverAndCursor(const QPointF &p)
{
    Qt::CursorShape shape = isDrawingTool(m_graphicType) ? Qt::CrossCursor : Qt::ArrowCursor;
    if (m_graphicType == GraphicsType::Select || m_graphicType == GraphicsType::Delete) {
        GraphicsItem *item = graphicAt(p);
        const int hit = item ? item->hitTest(p) : -1;
        if (m_graphicType == GraphicsType::Delete)
            shape = hit != -1 ? Qt::PointingHandCursor : Qt::ArrowCursor;
        else
            shape = hit == 0 ? Qt::SizeAllCursor
                             : (hit >= 1 ? Qt::PointingHandCursor : Qt::ArrowCursor);
        setHoverGraphic(item);
    }
    setCursor(shape);
}

void CameraScene::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    if (m_measureItem) {
        m_measureItem->mouseReleaseEvent(event);
        return;
    }
    if (!m_editable)
        return;
    if (m_selected) {
        m_selected->mouseReleaseEvent(event);
        clearSelect();
        // The item usually stays under the mouse: keep it lit rather than wait for a move.
        updateHoverAndCursor(event->scenePos());
        return;
    }
    if (m_newItem) {
        m_newItem->mouseReleaseEvent(event);
        adoptNewItemIfFinished();
    }
}

void CameraScene::wheelEvent(QGraphicsSceneWheelEvent *event)
{
    qCDebug(lcScene).noquote() << (event->delta() > 0 ? QStringLiteral("向上滚动了")
                                                      : QStringLiteral("向下滚动了"));
    event->accept();
}

void CameraScene::keyPressEvent(QKeyEvent *event)
{
    QGraphicsScene::keyPressEvent(event);
}
