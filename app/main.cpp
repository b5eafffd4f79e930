#include "app/CoreDump.h"
#include "app/DeviceProfile.h"
#include "app/Specula.h"
#include "app/Startup.h"
#include "media/RtmpThread.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    CoreDump::init();
    GetScreenSize();
    RtmpThread::init();
    initSetting();

    int result = 0;
    {
        Specula window;
        window.show();
        result = app.exec();
    }
    return result;
}
