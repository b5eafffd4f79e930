#include "app/LogCategories.h"

// QtInfoMsg as the lowest level enabled: debug lines stay off until a rule turns them on.
Q_LOGGING_CATEGORY(lcApp, "lumivex.app", QtInfoMsg)
Q_LOGGING_CATEGORY(lcCapture, "lumivex.capture", QtInfoMsg)
Q_LOGGING_CATEGORY(lcScene, "lumivex.scene", QtInfoMsg)
Q_LOGGING_CATEGORY(lcCalibration, "lumivex.calibration", QtInfoMsg)
Q_LOGGING_CATEGORY(lcConfig, "lumivex.config", QtInfoMsg)
Q_LOGGING_CATEGORY(lcMedia, "lumivex.media", QtInfoMsg)
