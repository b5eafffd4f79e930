#pragma once

#include "calibration/BDInfo.h"

#include <QGraphicsScene>
#include <QImage>

class Config;

/// The scene that shows one picture with its overlays and measurement items.
class CameraScene : public QGraphicsScene
{
    Q_OBJECT

public:
    explicit CameraScene(QObject *parent = nullptr);
    ~CameraScene() override;

    void setConfig(Config *config) { m_config = config; }
    Config *config() const { return m_config; }
    void setGraphicType(int type) { m_graphicType = type; }
    void setEditable(bool editable) { m_editable = editable; }
    bool isEditable() const { return m_editable; }
    void showGrid(bool on);
    void showTime(bool on);

    void setBaseImage(const QImage &image);
    BDInfo &bdInfo() { return m_bdInfo; }
    double xscale() const { return m_xscale; }
    double yscale() const { return m_yscale; }
    void setScale(double xscale, double yscale)
    {
        m_xscale = xscale;
        m_yscale = yscale;
    }
    QPointF toViewPoint(const QPointF &p) const;
    QPoint toDispPoint(const QPoint &p) const;

signals:
    void coorInfo(QPoint p, QColor c);

private:
    bool m_showGrid = false;
    bool m_showTime = false;
    int m_graphicType = 0x10011;
    bool m_editable = false;
    QImage m_baseImage;
    BDInfo m_bdInfo;
    double m_xscale = 1.0;
    double m_yscale = 1.0;
    bool m_rendering = false;
    Config *m_config = nullptr;
};
