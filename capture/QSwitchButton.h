#pragma once

#include <QSize>
#include <QWidget>

/// An on/off switch painted from two pictures. A click toggles it while it is enabled (its own
/// flag, separate from QWidget's) and emits clicked() then clicked(bool); SetSelected changes
/// the state quietly, so refreshing a panel from stored settings emits nothing.
class QSwitchButton final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(QSwitchButton)

public:
    explicit QSwitchButton(QWidget *parent = nullptr);

    void SetSelected(bool selected);
    bool IsSelected() const { return m_selected; }
    void SetEnabel(bool enable);
    bool IsEnable() const { return m_enable; }

    QSize sizeHint() const override { return m_size; }

signals:
    void clicked();
    void clicked(bool is_selected);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    bool m_enable = true;
    bool m_selected = true;
    QSize m_size{61, 27};
};
