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
    // The settings and the default save folders live in the application-data folder, which Qt
    // names after the application: pin the name so a renamed binary keeps its settings.
    QCoreApplication::setApplicationName(QStringLiteral("lumivexpro"));
    // Lets the desktop match the window to the installed lumivexpro.desktop (name and icon).
    QGuiApplication::setDesktopFileName(QStringLiteral("lumivexpro"));
    CoreDump::init();
    GetScreenSize();
    RtmpThread::init();
    initSetting();

    int result = 0;
    {
        Specula window;
        // Termination signals and the end of the desktop session close the window normally,
        // so that its destructor still writes the settings.
        SignalCloser closer(&window);
        window.show();
        result = app.exec();
    }
    return result;
}
