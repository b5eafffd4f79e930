#pragma once

#include <QDateTime>
#include <QListWidgetItem>
#include <QString>

/// One entry of a file browser's list: display text the file or folder name, user data
/// (Qt::UserRole) the full path, icon the thumbnail or the folder icon.
///
/// Sorting puts folders first, then the newest entries first. The creation time is read once,
/// when the path is set, so that sorting a folder of hundreds of files does not ask the file
/// system for every comparison.
class CustomListWidgetItem : public QListWidgetItem
{
public:
    explicit CustomListWidgetItem(QListWidget *listview = nullptr, int type = Type);
    CustomListWidgetItem(const QString &path, bool isDir);
    ~CustomListWidgetItem() override;

    /// Name, full path and creation time of the entry.
    void setPath(const QString &path);
    QString path() const;

    bool isDir = false;

    bool operator<(const QListWidgetItem &other) const override;

private:
    QDateTime m_created;
};

/// The creation time of a file: its birth time, or the metadata change time where the file
/// system keeps no birth time.
QDateTime fileCreatedTime(const QString &path);
