#pragma once

#include <QString>

/// Lays out a small sysfs tree: one USB device per call with a video4linux node below its
/// interface, linked from class/video4linux the way the kernel does it.
class FakeSysfs
{
public:
    explicit FakeSysfs(const QString &root)
        : m_root(root)
    {}

    /// `vendor`/`product` are written as the files' text ("0c45"); empty: no id files
    /// (a camera on a platform bus).
    bool addVideoNode(const QString &node, const QString &vendor, const QString &product);

    QString root() const { return m_root; }

private:
    QString m_root;
    int m_port = 1;
};
