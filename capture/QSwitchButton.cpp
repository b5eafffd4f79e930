#include "capture/QSwitchButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

QSwitchButton::QSwitchButton(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(m_size);
    setMouseTracking(true);
}

void QSwitchButton::SetSelected(bool selected)
{
    m_selected = selected;
    update();
}

void QSwitchButton::SetEnabel(bool enable)
{
    m_enable = enable;
    // A switch that ignores clicks also looks inactive.
    setEnabled(enable);
    update();
}

void QSwitchButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPixmap picture(m_selected ? QStringLiteral(":/Specula/image/icon/switch_on.png")
                                     : QStringLiteral(":/Specula/image/icon/switch_off.png"));
    if (!m_enable)
        painter.setOpacity(0.45);
    painter.drawPixmap(0, 0, picture);
}

void QSwitchButton::mousePressEvent(QMouseEvent *event)
{
    if (m_enable) {
        m_selected = !m_selected;
        update();
        emit clicked();
        emit clicked(m_selected);
    }
    QWidget::mousePressEvent(event);
}

void QSwitchButton::mouseMoveEvent(QMouseEvent *event)
{
    setCursor(Qt::PointingHandCursor);
    QWidget::mouseMoveEvent(event);
}
