#include "app/ScaleBarAction.h"

#include "config/Preferences.h"
#include "scene/CameraScene.h"

#include <QEvent>
#include <QMenu>

ScaleBarAction::ScaleBarAction(QMenu *menu)
    : QAction(menu)
{
    setText(tr("比例尺"));
    setCheckable(true);
    setChecked(Preferences::scaleBarEnabled());
    menu->addAction(this);
    menu->installEventFilter(this);
    connect(this, &QAction::toggled, this, [this](bool on) {
        Preferences::setScaleBarEnabled(on);
        apply(on);
    });
}

void ScaleBarAction::addScene(CameraScene *scene)
{
    m_scenes.append(scene);
    scene->showScaleBar(isChecked(), Preferences::scaleBarCorner());
}

void ScaleBarAction::apply(bool on)
{
    const Preferences::Corner corner = Preferences::scaleBarCorner();
    for (const QPointer<CameraScene> &scene : qAsConst(m_scenes)) {
        if (scene)
            scene->showScaleBar(on, corner);
    }
}

bool ScaleBarAction::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        setText(tr("比例尺"));
    return QAction::eventFilter(watched, event);
}
