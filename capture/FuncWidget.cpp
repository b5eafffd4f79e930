#include "capture/FuncWidget.h"

#include "capture/QSwitchButton.h"
#include "capture/SliderFilter.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>
#include <QVariant>

#include <algorithm>

FuncWidget::FuncWidget(QWidget *parent)
    : QScrollArea(parent)
    , m_content(new QWidget(this))
    , m_layout(new QVBoxLayout(m_content))
    , m_filter(new SliderFilter(this))
{
    m_content->setMinimumWidth(200);
    m_layout->setContentsMargins(9, 4, 9, 4);
    setWidget(m_content);
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
}

QLabel *FuncWidget::addNameLabel(const QString &name)
{
    auto *label = new QLabel(name, m_content);
    m_nameLabels.insert(name, label);
    return label;
}

QSwitchButton *FuncWidget::addSwicth(const QString &name, bool state)
{
    auto *row = new QHBoxLayout;
    // A switch's name takes two lines rather than an abbreviation when one line is too short
    // beside the switch ("Automatyczna ekspozycja").
    QLabel *label = addNameLabel(name);
    label->setWordWrap(true);
    row->addWidget(label);
    auto *button = new QSwitchButton(m_content);
    button->SetSelected(state);
    button->setProperty("name", name);
    row->addWidget(button);
    row->addStretch();
    m_layout->addLayout(row);
    fitHeight();
    return button;
}

QSlider *FuncWidget::addSlider(const QString &name)
{
    auto *row = new QHBoxLayout;
    row->addWidget(addNameLabel(name));
    row->addStretch();
    auto *value = new QLabel(QStringLiteral("0"), m_content);
    row->addWidget(value);
    m_layout->addLayout(row);

    auto *slider = new QSlider(Qt::Horizontal, m_content);
    slider->installEventFilter(m_filter);
    slider->setProperty("name", name);
    m_layout->addWidget(slider);
    m_valueLabels.insert(slider, value);
    connect(slider, &QSlider::valueChanged, this, &FuncWidget::onSliderChanged);
    fitHeight();
    return slider;
}

void FuncWidget::setLabelText(const QString &name, const QString &text)
{
    QLabel *label = m_nameLabels.value(name);
    if (!label)
        return;
    label->setText(text);
    // Another script can have taller lines (Japanese in a CJK font): the group grows with it
    // instead of showing a scroll bar.
    fitHeight();
}

void FuncWidget::onSliderChanged(int value)
{
    if (QLabel *label = m_valueLabels.value(qobject_cast<QSlider *>(sender())))
        label->setText(QString::number(value));
}

QSize FuncWidget::sizeHint() const
{
    return QSize(m_content->sizeHint().width(), m_content->sizeHint().height() + 2 * frameWidth());
}

// Never taller than its rows; never so short that a row cannot show.
void FuncWidget::fitHeight()
{
    // The rows keep their measure until the group is shown again, and a folded group is
    // relabelled on a language switch: measure every row afresh.
    for (int i = 0; i < m_layout->count(); ++i)
        m_layout->itemAt(i)->invalidate();
    m_layout->invalidate();
    const int full = sizeHint().height();
    setMaximumHeight(full);
    setMinimumHeight(std::min(full, 80));
    updateGeometry();
}
