#include "capture/SliderFilter.h"

#include <QEvent>

SliderFilter::SliderFilter(QObject *parent)
    : QObject(parent)
{}

bool SliderFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
