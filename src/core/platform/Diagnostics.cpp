#include "platform/Diagnostics.h"

// Warnings are below the threshold, so nothing is printed unless a rule turns them on.
Q_LOGGING_CATEGORY(lcSettings, "keyvora.settings", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcAudio, "keyvora.audio", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcSound, "keyvora.sound", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcWeb, "keyvora.web", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcFont, "keyvora.font", QtCriticalMsg)
