#include "calibration/MeasureEditer.h"

MeasureEditer::MeasureEditer(QWidget *parent) : QMainWindow(parent) {}

MeasureEditer::~MeasureEditer() = default;
