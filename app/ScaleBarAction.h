#pragma once

#include <QAction>
#include <QList>
#include <QPointer>

class CameraScene;
class QMenu;

/// The checkable "Scale bar" entry at the end of a menu. Its state is the preference in the
/// program's INI file (read when built, written when toggled), and every scene handed to it
/// shows or hides the bar in the corner the preferences name: the live view and the editor.
/// GUI thread only.
class ScaleBarAction final : public QAction
{
    Q_OBJECT
    Q_DISABLE_COPY(ScaleBarAction)

public:
    /// Appends itself to `menu`, which owns it.
    explicit ScaleBarAction(QMenu *menu);

    void addScene(CameraScene *scene);

protected:
    /// Follows the menu's language changes; actions hear of none themselves.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void apply(bool on);

    QList<QPointer<CameraScene>> m_scenes;
};
