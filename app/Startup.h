#pragma once

#include <QString>

// Process-wide values set once during start-up and read-only afterwards.

/// Millimetres per pixel of the primary screen.
extern double screen_mm_pixel;

/// The program title, also the main window's title.
extern QString g_progmaName;

/// Sets screen_mm_pixel from the primary screen's physical resolution.
void GetScreenSize();
