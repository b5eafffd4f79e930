#pragma once

#include <QMap>
#include <QScrollArea>

class QLabel;
class QSlider;
class QSwitchButton;
class QVBoxLayout;
class SliderFilter;

/// One fold-out group of the camera parameter panel: rows of named switches and sliders.
/// Every control carries its name in the dynamic property "name", which is also the key of
/// setLabelText; the caller connects the controls' signals. The name labels show the name
/// until setLabelText gives them a translated text. The mouse wheel never reaches the
/// sliders, so scrolling the group cannot change a setting.
class FuncWidget final : public QScrollArea
{
    Q_OBJECT
    Q_DISABLE_COPY(FuncWidget)

public:
    explicit FuncWidget(QWidget *parent = nullptr);

    QSwitchButton *addSwicth(const QString &name, bool state);
    QSlider *addSlider(const QString &name);
    /// Changes the text of the label of control `name`; an unknown name changes nothing.
    void setLabelText(const QString &name, const QString &text);

    /// All rows; a short side panel squeezes the group, which then scrolls.
    QSize sizeHint() const override;

private slots:
    void onSliderChanged(int value);

private:
    QLabel *addNameLabel(const QString &name);
    void fitHeight();

    QWidget *m_content = nullptr;
    QVBoxLayout *m_layout = nullptr;
    QMap<QString, QLabel *> m_nameLabels;
    QMap<QSlider *, QLabel *> m_valueLabels;
    SliderFilter *m_filter = nullptr;
};
