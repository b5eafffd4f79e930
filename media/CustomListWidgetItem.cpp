#include "media/CustomListWidgetItem.h"

#include <QFileInfo>

QDateTime fileCreatedTime(const QString &path)
{
    const QFileInfo info(path);
    const QDateTime birth = info.birthTime();
    return birth.isValid() ? birth : info.metadataChangeTime();
}

CustomListWidgetItem::CustomListWidgetItem(QListWidget *listview, int type)
    : QListWidgetItem(listview, type)
{}

CustomListWidgetItem::CustomListWidgetItem(const QString &path, bool dir)
    : QListWidgetItem(nullptr, Type)
    , isDir(dir)
{
    setPath(path);
}

CustomListWidgetItem::~CustomListWidgetItem() = default;

void CustomListWidgetItem::setPath(const QString &path)
{
    const QFileInfo info(path);
    setText(info.fileName());
    setData(Qt::UserRole, info.filePath());
    m_created = fileCreatedTime(path);
}

QString CustomListWidgetItem::path() const
{
    return data(Qt::UserRole).toString();
}

bool CustomListWidgetItem::operator<(const QListWidgetItem &other) const
{
    const auto *item = dynamic_cast<const CustomListWidgetItem *>(&other);
    if (!item)
        return QListWidgetItem::operator<(other);
    if (isDir != item->isDir)
        return isDir;
    // Newest first; equal times (two captures in one second) fall back to the name, newest
    // name first as well, so the order does not depend on the order of insertion.
    if (m_created != item->m_created)
        return m_created > item->m_created;
    return text() > item->text();
}
