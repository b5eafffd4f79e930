#pragma once

#include <QLoggingCategory>

// One logging category per subsystem. Debug lines are off by default, so a user's console shows
// warnings and errors only; a developer turns a subsystem's lines on with the usual rules, e.g.
//   QT_LOGGING_RULES="lumivex.capture.debug=true"   or   QT_LOGGING_RULES="lumivex.*.debug=true"

Q_DECLARE_LOGGING_CATEGORY(lcApp)         // lumivex.app: start-up, the main window
Q_DECLARE_LOGGING_CATEGORY(lcCapture)     // lumivex.capture: cameras, frames, frame rate
Q_DECLARE_LOGGING_CATEGORY(lcScene)       // lumivex.scene: the measuring scene
Q_DECLARE_LOGGING_CATEGORY(lcCalibration) // lumivex.calibration: panel, editor, .bd files
Q_DECLARE_LOGGING_CATEGORY(lcConfig)      // lumivex.config: the settings file
Q_DECLARE_LOGGING_CATEGORY(lcMedia)       // lumivex.media: capture, recording, files
