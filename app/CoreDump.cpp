#include "app/CoreDump.h"

void CoreDump::init() {}
