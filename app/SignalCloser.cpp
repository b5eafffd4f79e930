#include "app/SignalCloser.h"

#include "app/LogCategories.h"

#include <QApplication>
#include <QDebug>
#include <QSocketNotifier>
#include <QWidget>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

int SignalCloser::s_pipe[2] = {-1, -1};

SignalCloser::SignalCloser(QWidget *window, QObject *parent)
    : QObject(parent)
    , m_window(window)
{
    // A logout asks running programs to save their data, and quitting by any other route
    // should still pass through the window's close.
#ifndef QT_NO_SESSIONMANAGER
    connect(qApp, &QGuiApplication::commitDataRequest, this, &SignalCloser::closeWindow);
#endif
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        if (m_window && m_window->isVisible())
            m_window->close();
    });

    if (s_pipe[0] >= 0) {
        qCWarning(lcApp) << "SignalCloser: only one instance can own the signal handlers";
        return;
    }
    if (::pipe2(s_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        qCWarning(lcApp) << "SignalCloser: no pipe for the signal handlers" << strerror(errno);
        s_pipe[0] = s_pipe[1] = -1;
        return;
    }
    m_notifier = new QSocketNotifier(s_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SignalCloser::onSignalPipe);

    struct sigaction action = {};
    action.sa_handler = &SignalCloser::handleSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < 3; ++i)
        sigaction(kSignals[i], &action, &m_oldActions[i]);
    m_active = true;
}

SignalCloser::~SignalCloser()
{
    if (!m_active)
        return;
    for (int i = 0; i < 3; ++i)
        sigaction(kSignals[i], &m_oldActions[i], nullptr);
    delete m_notifier;
    ::close(s_pipe[0]);
    ::close(s_pipe[1]);
    s_pipe[0] = s_pipe[1] = -1;
}

void SignalCloser::handleSignal(int signalNumber)
{
    // Only async-signal-safe calls here.
    const int savedErrno = errno;
    const char byte = char(signalNumber);
    if (s_pipe[1] >= 0) {
        const ssize_t written = ::write(s_pipe[1], &byte, 1);
        (void)written; // a full pipe already holds a pending request
    }
    errno = savedErrno;
}

void SignalCloser::onSignalPipe()
{
    char buffer[64];
    while (::read(s_pipe[0], buffer, sizeof buffer) > 0) {
    }
    closeWindow();
}

void SignalCloser::closeWindow()
{
    // Before the window exists there is nothing to close yet: main() sees the request.
    m_requested = true;
    emit shutdownRequested();
    // Open modal dialogs run event loops of their own; close them first so that the window's
    // close is not held up behind them.
    for (int guard = 0; guard < 16; ++guard) {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == m_window)
            break;
        modal->close();
        if (modal->isVisible())
            break;
    }
    // Closing the last window ends the main loop; main() then destroys the window, which
    // writes the settings. Should the window refuse, end the loop anyway.
    if (m_window)
        m_window->close();
    if (!m_window || m_window->isVisible())
        QCoreApplication::quit();
}
