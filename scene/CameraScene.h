#pragma once

#include <QGraphicsScene>

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

signals:
    void coorInfo(QPoint p, QColor c);

private:
    bool m_showGrid = false;
    bool m_showTime = false;
    int m_graphicType = 0x10011;
    bool m_editable = false;
    Config *m_config = nullptr;
};
