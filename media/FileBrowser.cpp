#include "media/FileBrowser.h"

#include <QListWidget>
#include <QVBoxLayout>

FileBrowser::FileBrowser(QWidget *parent) : QWidget(parent), m_list(new QListWidget(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);
}

FileBrowser::~FileBrowser() = default;
