#pragma once

#include <QObject>
#include <QPointer>

#include <csignal>

class QSocketNotifier;
class QWidget;

/// Turns SIGTERM, SIGINT and SIGHUP and the desktop session's end into a normal close of the
/// main window, so that its destructor still writes the settings. The signal handler only
/// writes a byte into a pipe; the window is closed from the event loop. One instance at a time.
///
/// Made before the window, it also covers the window's construction (the splash keeps the
/// event loop turning for seconds): a request that comes before setWindow() is remembered, and
/// main() then destroys the window, which writes the settings, instead of showing it.
class SignalCloser final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(SignalCloser)

public:
    explicit SignalCloser(QWidget *window, QObject *parent = nullptr);
    ~SignalCloser() override;

    /// False when the pipe or the handlers could not be set up (then signals keep their
    /// default effect).
    bool isActive() const { return m_active; }

    /// The window to close; may be set after construction (see above).
    void setWindow(QWidget *window) { m_window = window; }
    /// True once a signal or the session's end has asked the program to end.
    bool isShutdownRequested() const { return m_requested; }

signals:
    /// Emitted once per shutdown request, just before the window is closed.
    void shutdownRequested();

private:
    void onSignalPipe();
    void closeWindow();
    static void handleSignal(int signalNumber);

    static constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
    static int s_pipe[2];

    QPointer<QWidget> m_window;
    QSocketNotifier *m_notifier = nullptr;
    struct sigaction m_oldActions[3] = {};
    bool m_active = false;
    bool m_requested = false;
};
