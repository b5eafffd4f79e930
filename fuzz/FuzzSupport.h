#pragma once

// Shared by the fuzz harnesses: the application object the project's code expects, and a
// scratch folder in memory so that synced writes cost nothing.

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace FuzzSupport {

/// Creates the application object once; call from LLVMFuzzerInitialize.
inline void initApplication(int *argc, char ***argv)
{
    static QCoreApplication *app = nullptr;
    if (!app) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QStandardPaths::setTestModeEnabled(true);
        app = new QCoreApplication(*argc, *argv);
        QCoreApplication::setApplicationName(QStringLiteral("lumivexpro-fuzz"));
    }
}

/// A folder for the files one run writes, in shared memory when the system has it.
inline const QString &scratchFolder()
{
    static QTemporaryDir *dir = [] {
        const QString shm = QStringLiteral("/dev/shm");
        auto *d = QDir(shm).exists() ? new QTemporaryDir(shm + QStringLiteral("/lumivex-fuzz-XXXXXX"))
                                     : new QTemporaryDir();
        if (!d->isValid()) {
            fprintf(stderr, "no scratch folder\n");
            abort();
        }
        return d;
    }();
    static const QString path = dir->path();
    return path;
}

/// Stops the run with a message: the input broke a property the harness checks.
[[noreturn]] inline void fail(const char *what)
{
    fprintf(stderr, "property violated: %s\n", what);
    abort();
}

} // namespace FuzzSupport
