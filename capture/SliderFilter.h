#pragma once

#include <QObject>

/// Keeps the mouse wheel away from the parameter sliders: scrolling the side panel over a
/// slider must not change a camera setting by accident.
class SliderFilter final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(SliderFilter)

public:
    explicit SliderFilter(QObject *parent = nullptr);

    bool eventFilter(QObject *watched, QEvent *event) override;
};
