#pragma once

#include <QObject>
#include <QVector>

class QLabel;
class QWidget;

/// Full screen for the main window: the frame around the view (menu bar, head bar, side
/// panel) hidden, and the red "按ESC退出全屏" tip in the lower left corner. Follows the window
/// state however it changed (the window manager may change it on its own). GUI thread only.
class FullScreenFrame final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(FullScreenFrame)

public:
    /// `frame`: the widgets hidden in full screen; the first tells whether the frame shows.
    /// The window owns the object.
    FullScreenFrame(QWidget *window, QVector<QWidget *> frame);

    /// Into full screen, or back.
    void toggle();
    /// Brings the frame and the tip in step with the window state.
    void follow();
    /// Keeps a shown tip in its corner after a resize.
    void placeTip();
    /// The tip's text in the language in force.
    void retranslate();

private:
    void showFrame(bool visible);
    void moveTip();

    QWidget *m_window;
    QVector<QWidget *> m_frame;
    QLabel *m_tip;
};
