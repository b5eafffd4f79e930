#include "app/Startup.h"

#include "app/LogCategories.h"

#include <QDebug>
#include <QGuiApplication>
#include <QScreen>

double screen_mm_pixel = 0.0;
QString g_progmaName;

void GetScreenSize()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const double dpi = screen->physicalDotsPerInch();
    // A screen that reports no physical size still gets a usable value (96 dpi).
    screen_mm_pixel = 25.4 / (dpi > 0.0 ? dpi : 96.0);
    qCDebug(lcApp) << "size" << screen->size() << "pySize" << screen->physicalSize() << "screen_mm_pixel"
             << screen_mm_pixel;
}
