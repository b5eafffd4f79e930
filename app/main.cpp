#include "app/CoreDump.h"
#include "app/DeviceProfile.h"
#include "app/SignalCloser.h"
#include "app/Specula.h"
#include "app/Startup.h"
#include "media/RtmpThread.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Termination signals and the end of the desktop session close the window normally, so
    // that its destructor still writes the settings. Installed first: the window's
    // construction keeps the splash up for seconds, and a signal then must not kill the
    // program either. It outlives the window, so a signal while the settings are written
    // waits for the write.
    SignalCloser closer(nullptr);
    // The settings and the default save folders live in the application-data folder, which Qt
    // names after the application: pin the name so a renamed binary keeps its settings.
    QCoreApplication::setApplicationName(QStringLiteral("lumivexpro"));
    // Lets the desktop match the window to the installed lumivexpro.desktop (name and icon).
    QGuiApplication::setDesktopFileName(QStringLiteral("lumivexpro"));
    CoreDump::init();
    GetScreenSize();
    RtmpThread::init();
    initSetting();

    Specula window;
    closer.setWindow(&window);
    // Asked to end during start-up: the window is destroyed unshown, which writes the settings.
    if (closer.isShutdownRequested())
        return 0;
    window.show();
    return app.exec();
}
