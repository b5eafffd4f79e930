#pragma once

#include <QWidget>

class QListWidget;
class QListWidgetItem;

/// Browser of one folder tree of pictures (mode 0) or videos (mode 1).
class FileBrowser : public QWidget
{
    Q_OBJECT

public:
    explicit FileBrowser(QWidget *parent = nullptr);
    ~FileBrowser() override;

    void setMode(int mode) { m_mode = mode; }
    QListWidget *listWidget() const { return m_list; }
    void setBasePath(const QString &path) { m_basePath = m_currentPath = path; }
    QString currentPath() const { return m_currentPath; }

signals:
    void sigItemOpen(QListWidgetItem *item);

private:
    int m_mode = 0;
    QListWidget *m_list = nullptr;
    QString m_basePath;
    QString m_currentPath;
};
