#pragma once

#include "calibration/BDInfo.h"
#include "capture/CameraBuffer.h"
#include "config/Preferences.h"
#include "scene/CommandInfo.h"
#include "scene/DisplayPicture.h"
#include "scene/GraphicsItem.h" // complete for the signals that carry items
#include "scene/GraphicsItemData.h"

#include <QElapsedTimer>
#include <QFont>
#include <QGraphicsScene>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QVector>

#include <memory>

class Config;
class GraphicsMeasureItem;
class QCursor;
class QGraphicsView;
class QPen;

/// Display coordinates of a picture point: integers, origin at the picture centre, y upward.
QPoint pictureToDisplay(QPoint p, QSize picture);
/// The picture pixel for a scene position: rounded, then clamped into the picture.
QPoint clampToPicture(QPointF scenePos, QSize picture);
/// "HH:mm:ss" of an elapsed time; hours keep counting past 24.
QString elapsedText(qint64 ms);

/// The scene that shows one picture (a live frame or a stored picture) as its background, the
/// measurement items drawn on it and a few overlays: crosshair, date and time, recording
/// indicator and the no-device notice.
///
/// Items keep their geometry in picture pixels but are drawn in view pixels, so lines, marks and
/// texts keep their size at every zoom. The view transform is a pure scale set by
/// updateCameraViewSize(); the picture is stretched to fill the view.
class CameraScene : public QGraphicsScene
{
    Q_OBJECT
    Q_DISABLE_COPY(CameraScene)

public:
    /// Number of buffers a recording can hold at once.
    static constexpr int RenderBufferCount = 5;

    explicit CameraScene(QObject *parent = nullptr);
    ~CameraScene() override;

    void setConfig(Config *config) { m_config = config; }
    Config *config() const { return m_config; }
    /// Chooses the tool (a kind number, the select or the delete tool). Drops the unfinished
    /// item and ends any grab.
    void setGraphicType(int type);
    int graphicType() const { return m_graphicType; }
    /// Measuring input on or off; off ignores presses (the measuring segment still reacts).
    void setEditable(bool editable);
    bool isEditable() const { return m_editable; }

    /// Shows a new picture. Same byte size as before: one copy into the existing buffer. Another
    /// byte size (resolution or format change) starts an empty measurement.
    void setBaseImage(const QImage &image);
    /// Shows a frame without copying it, with the rules of setBaseImage(). For pictures nobody
    /// writes to while a copy of them lives: a camera's shared frames, whose memory stays out
    /// of the grabber's reach until the scene lets go of it at the next frame.
    /// `view` is the frame already scaled for the view when the grabber made it (see
    /// preparedViewSize()).
    void setBaseFrame(const QImage &frame, const QImage &view = QImage());
    /// The size the grabber should scale frames to for the view at its present size, while
    /// their rows are in its cache (StripScaler), so the GUI thread only draws; empty when the
    /// view does not draw from a scaled copy or scales it some other way.
    QSize preparedViewSize() const;
    /// A deep copy of the picture (the scene's own buffer is overwritten by the next frame).
    QImage baseImage() const;
    /// Drops the picture, every item and the undo history.
    void clear();
    bool isEmpty() const { return m_items.isEmpty(); }

    /// The host has resized the viewer; size is the picture size.
    void updateCameraViewSize(QSize size);
    void setScale(double xscale, double yscale);
    double xscale() const { return m_xscale; }
    double yscale() const { return m_yscale; }

    void showGrid(bool on);
    void showTime(bool on);
    void setOffline(bool on);
    void setRecord(bool on);
    bool isGridShown() const { return m_showGrid; }
    bool isTimeShown() const { return m_showTime; }
    bool isOffline() const { return m_offline; }
    bool isRecord() const { return m_record; }
    /// The calibrated scale bar in a corner of the picture; drawn only while the calibration in
    /// force has a physical unit.
    void showScaleBar(bool on, Preferences::Corner corner);
    bool isScaleBarShown() const;

    /// The whole scene (picture, items, overlays but the recording indicator) at picture
    /// resolution. Without the scale bar for a host that crops the picture and then draws the
    /// bar for the pixels it keeps (paintScaleBar()).
    QImage renderImage(bool withScaleBar = true);
    /// Draws the scale bar, when shown, onto a picture whose pixels each cover `pixelSpan`
    /// pixels of the scene's picture (0.5 for the centre half scaled back to full size).
    void paintScaleBar(QImage &picture, double pixelSpan) const;
    /// Sizes the recording buffers for the current picture; called when a recording starts.
    void initRendefBuffer();
    /// Renders the scene into the first free recording buffer and returns it claimed, or null
    /// when all are held. The recorder releases it after conversion.
    CameraBuffer *rendefBuffer();

    /// Picture to view coordinates (unchanged while rendering into a picture).
    QPointF toViewPoint(QPointF p) const;
    /// Picture to display coordinates.
    QPoint toDispPoint(QPoint p) const;

    void setBDInfo(const BDInfo &info);
    BDInfo &bdInfo() { return m_bdInfo; }
    const BDInfo &bdInfo() const { return m_bdInfo; }

    /// Adds a finished item to the scene and the item list (no undo entry).
    void addGraphic(GraphicsItem *item);
    /// Removes and deletes an item (no undo entry).
    void delGraphic(GraphicsItem *item);
    /// addGraphic, then an undo entry.
    void addGraphicCommand(GraphicsItem *item);
    /// delGraphic, then an undo entry.
    void delGraphicCommand(GraphicsItem *item);
    /// Moves an item by whole picture pixels, then an undo entry.
    void moveGraphicCommand(GraphicsItem *item, int dx, int dy);
    /// Calibration measuring mode: one measuring segment replaces all items on screen and
    /// takes every mouse event, editable or not.
    void setMeasure(bool on);
    GraphicsMeasureItem *measureItem() const { return m_measureItem; }
    void clearMeasure();
    /// Drops the item under construction.
    void clearNew();
    /// Ends a grab of the select tool; a grab that changed the item records an undo entry.
    void clearSelect();
    /// Ends the hover highlight.
    void clearHover();
    const QList<GraphicsItem *> &graphics() const { return m_items; }
    /// The oldest finished item whose hit test finds p (picture coordinates), or null.
    GraphicsItem *graphicAt(const QPointF &p) const;
    GraphicsItem *selectedGraphic() const { return m_selected; }
    GraphicsItem *hoverGraphic() const { return m_hover; }
    GraphicsItem *newGraphic() const { return m_newItem; }
    /// The item picked for the results table: lit on screen (never in rendered pictures)
    /// until another is picked or it goes. The select tool picks what it grabs.
    void setPickedGraphic(GraphicsItem *item);
    GraphicsItem *pickedGraphic() const { return m_picked; }
    /// An item's points changed in place (a drag step); the items list stays the same.
    void graphicMoved(GraphicsItem *item);

    /// Cursor of the first view's drawing area (arrow without a view).
    QCursor cursor() const;
    void setCursor(const QCursor &cursor);

    // Undo history: up to MaxCommands snapshots of all finished items. Index -1 is the state
    // before the oldest entry, an empty scene.
    static constexpr int MaxCommands = 20;
    void undo();
    void redo();
    bool canUndo() const { return m_commandIndex >= 0; }
    bool canRedo() const { return m_commandIndex < m_commandStack.size() - 1; }
    /// Records a snapshot of the current items; drops the redo entries first.
    void pushCommandStack();
    /// Drops the redo entries.
    void popCommandStack();
    /// Empties the history.
    void clearCommandStack();
    const QList<CommandInfo> &commandStack() const { return m_commandStack; }
    int commandIndex() const { return m_commandIndex; }
    /// The snapshot of the current items.
    CommandInfo saveGraphics() const;
    /// Replaces every item by the saved ones.
    void restoreGraphics(const QVector<GraphicsItemData> &graphics);
    /// Deletes every item and the whole history; cannot be undone.
    void clearItems();
    /// Deletes every item but keeps the history.
    void clearGraphics();

    /// The first view showing this scene, or null.
    QGraphicsView *firstView() const;
    /// Size of the first view's drawing area in device pixels; empty without a view.
    QSize viewSize() const;
    /// True only while the scene paints into a picture.
    bool isRendering() const { return m_rendering; }
    /// The shown picture's memory, null without one: the scene's own buffer, the same while
    /// copied frames keep their byte size, or a shared frame's.
    const uchar *frameBufferData() const
    {
        return m_baseImage.isNull() ? nullptr : m_baseImage.constBits();
    }

    /// The no-device notice.
    static QString offlineText();

signals:
    void coorInfo(QPoint p, QColor c);
    /// Finished items were added, removed or replaced (drawing, deleting, undo, redo, clear).
    void graphicsChanged();
    /// One finished item's points changed; emitted for each drag step.
    void graphicChanged(GraphicsItem *item);
    void calibrationChanged();
    void pickedGraphicChanged(GraphicsItem *item);

public slots:
    /// Pixel read-out under the mouse; called on every mouse move.
    void onZoomTimeOut();

protected:
    void drawBackground(QPainter *painter, const QRectF &rect) override;
    void drawItems(QPainter *painter, int numItems, QGraphicsItem *items[],
                   const QStyleOptionGraphicsItem options[], QWidget *widget) override;
    void drawForeground(QPainter *painter, const QRectF &rect) override;
    bool event(QEvent *event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event) override;
    void wheelEvent(QGraphicsSceneWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    /// setBaseImage() (`share` false: copied into the scene's buffer) and setBaseFrame().
    void showPicture(const QImage &image, bool share, const QImage &view = QImage());
    QSize targetSize() const;
    QSize renderSize() const;
    void renderInto(QImage &image);
    void drawItem(QPainter *painter, GraphicsItem *item, const QPen &pen);
    void drawRecordIndicator(QPainter *painter);
    void drawCrosshair(QPainter *painter, QSize size);
    void drawDateTime(QPainter *painter, QSize size);
    void drawOfflineNotice(QPainter *painter, QSize size);
    void drawScaleBar(QPainter *painter, QSize size);
    /// Starts a new item of the current tool at a left press; false when none was made.
    bool startNewItem();
    /// A new item that its last event finished joins the items with an undo entry.
    void adoptNewItemIfFinished();
    /// Removes and deletes every finished and unfinished item; the measuring segment stays.
    void removeGraphics();
    void setHoverGraphic(GraphicsItem *item);
    /// The items list changed: forgets a pick that went with it and tells the listeners.
    void itemsReplaced();
    /// Hover and cursor for the mouse at p when no press is in progress.
    void updateHoverAndCursor(const QPointF &p);

    bool m_showGrid = false;
    bool m_showTime = false;
    QList<GraphicsItem *> m_items;
    GraphicsItem *m_selected = nullptr;
    GraphicsItem *m_hover = nullptr;
    GraphicsItemData m_selectSnapshot;
    GraphicsItem *m_newItem = nullptr;
    GraphicsMeasureItem *m_measureItem = nullptr;
    GraphicsItem *m_picked = nullptr;
    QList<CommandInfo> m_commandStack;
    int m_commandIndex = -1;
    int m_graphicType = 0x10011;
    QImage m_baseImage;
    QImage m_baseView; // the shared frame scaled for the view, when it came with it
    QPixmap m_pixmap;
    DisplayPicture m_display; // the picture at the view's size, made once per frame
    BDInfo m_bdInfo;
    bool m_editable = false;
    double m_xscale = 1.0;
    double m_yscale = 1.0;
    bool m_rendering = false;
    bool m_record = false;
    bool m_offline = false;
    bool m_showScaleBar = false;
    bool m_renderScaleBar = true; // false while renderImage(false) runs
    Preferences::Corner m_scaleBarCorner = Preferences::Corner::BottomRight;
    QImage m_scaleBarSprite; // the bar as the view shows it, remade when its key changes
    QPoint m_scaleBarSpriteAt;
    QString m_scaleBarSpriteKey;
    // The view's size and what it was measured for.
    struct ViewSizeKey
    {
        const QGraphicsView *view = nullptr;
        QSize widget;
        int frame = 0;
        int horizontalPolicy = 0;
        int verticalPolicy = 0;
        bool operator==(const ViewSizeKey &o) const
        {
            return view == o.view && widget == o.widget && frame == o.frame &&
                   horizontalPolicy == o.horizontalPolicy && verticalPolicy == o.verticalPolicy;
        }
    };
    mutable ViewSizeKey m_viewSizeKey;
    mutable QSize m_viewSize;
    // The date and time stamp's extent, measured when its text or font changes.
    QString m_stampText;
    QRect m_stampRect;
    QRect m_stampUsed;
    QFont m_stampFont;
    int m_stampDpi = 0;
    QElapsedTimer m_recordTimer;
    Config *m_config = nullptr;
    std::unique_ptr<uchar[]> m_frameBuffer;
    qsizetype m_frameBufferSize = 0;
    CameraBuffer m_renderBuffers[RenderBufferCount];
};
