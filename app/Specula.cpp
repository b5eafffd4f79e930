#include "app/Specula.h"

#include "app/Startup.h"

Specula::Specula(QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(g_progmaName);
    resize(800, 600);
}

Specula::~Specula() = default;
