#include "app/FullScreenFrame.h"

#include <QCoreApplication>
#include <QLabel>

FullScreenFrame::FullScreenFrame(QWidget *window, QVector<QWidget *> frame)
    : QObject(window)
    , m_window(window)
    , m_frame(std::move(frame))
    , m_tip(new QLabel(window))
{
    m_tip->setObjectName(QStringLiteral("labelFullScreenTip"));
    m_tip->setStyleSheet(QStringLiteral("color:rgb(255,0,0); font-size:32px;"));
    m_tip->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    retranslate();
    m_tip->hide();
}

void FullScreenFrame::retranslate()
{
    // The tip was always the window's text: it keeps its translation context.
    m_tip->setText(QCoreApplication::translate("Specula", "按ESC退出全屏"));
}

void FullScreenFrame::showFrame(bool visible)
{
    for (QWidget *widget : qAsConst(m_frame))
        widget->setVisible(visible);
    if (visible) {
        m_tip->hide();
    } else {
        moveTip();
        m_tip->show();
        m_tip->raise();
    }
}

void FullScreenFrame::moveTip()
{
    m_tip->setGeometry(10, m_window->height() - 240, 480, 200);
}

void FullScreenFrame::placeTip()
{
    if (m_tip->isVisible())
        moveTip();
}

void FullScreenFrame::toggle()
{
    if (m_window->isFullScreen()) {
        m_window->showNormal();
        showFrame(true);
    } else {
        // The frame goes first, so the full-screen layout never shows it.
        for (QWidget *widget : qAsConst(m_frame))
            widget->setVisible(false);
        m_window->showFullScreen();
        showFrame(false);
    }
}

void FullScreenFrame::follow()
{
    const bool frameShown = !m_frame.isEmpty() && m_frame.first()->isVisible();
    if (m_window->isFullScreen() && frameShown)
        showFrame(false);
    else if (!m_window->isFullScreen() && !m_frame.isEmpty() && m_frame.first()->isHidden())
        showFrame(true);
}
