#pragma once

#include <QHash>
#include <QObject>
#include <QStringList>

class QAbstractButton;

/// Swaps a button's icon while it is held down: each registered button keeps a pair of icon
/// paths, index 0 shown normally and index 1 while pressed.
class IconHelp final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(IconHelp)

public:
    explicit IconHelp(QObject *parent = nullptr);
    ~IconHelp() override;

    /// Normal icon `name`, pressed icon `name` + "_Select".
    void setButtonIcon(QAbstractButton *button, const QString &name);
    /// Registers (or replaces) the pair of `button` and shows its normal icon.
    void setButtonIcon(QAbstractButton *button, const QString &normalName,
                       const QString &pressedName);

    /// The registered pair of icon paths, empty for an unknown button.
    QStringList iconPaths(const QAbstractButton *button) const;

    /// ":/Specula/image/icon/" + name + ".png".
    static QString iconPath(const QString &name);

private slots:
    void onBtnPressed();
    void onBtnReleased();
    void onBtnDestroyed(QObject *button);

private:
    void showIcon(QObject *button, int index);

    QHash<const QObject *, QStringList> m_icons;
};
