#include "app/IconHelp.h"

#include <QAbstractButton>
#include <QIcon>
#include <QToolButton>

IconHelp::IconHelp(QObject *parent)
    : QObject(parent)
{}

IconHelp::~IconHelp() = default;

QString IconHelp::iconPath(const QString &name)
{
    return QStringLiteral(":/Specula/image/icon/") + name + QStringLiteral(".png");
}

void IconHelp::setButtonIcon(QAbstractButton *button, const QString &name)
{
    setButtonIcon(button, name, name + QStringLiteral("_Select"));
}

void IconHelp::setButtonIcon(QAbstractButton *button, const QString &normalName,
                             const QString &pressedName)
{
    if (!button)
        return;
    m_icons.insert(button, {iconPath(normalName), iconPath(pressedName)});
    if (auto *toolButton = qobject_cast<QToolButton *>(button))
        toolButton->setAutoRaise(false);
    button->setIcon(QIcon(iconPath(normalName)));
    // Buttons are registered again whenever the side panel changes; one connection is enough.
    connect(button, &QAbstractButton::pressed, this, &IconHelp::onBtnPressed, Qt::UniqueConnection);
    connect(button, &QAbstractButton::released, this, &IconHelp::onBtnReleased,
            Qt::UniqueConnection);
    connect(button, &QObject::destroyed, this, &IconHelp::onBtnDestroyed, Qt::UniqueConnection);
}

QStringList IconHelp::iconPaths(const QAbstractButton *button) const
{
    return m_icons.value(button);
}

void IconHelp::onBtnPressed()
{
    showIcon(sender(), 1);
}

void IconHelp::onBtnReleased()
{
    showIcon(sender(), 0);
}

void IconHelp::onBtnDestroyed(QObject *button)
{
    m_icons.remove(button);
}

void IconHelp::showIcon(QObject *sender, int index)
{
    auto *button = qobject_cast<QAbstractButton *>(sender);
    const auto it = m_icons.constFind(sender);
    if (!button || it == m_icons.constEnd())
        return;
    button->setIcon(QIcon(it->at(index)));
}
