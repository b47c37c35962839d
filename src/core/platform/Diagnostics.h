#pragma once

#include <QLoggingCategory>

// Failures the learner never sees: the trainer goes on without telling anybody, as it must,
// but a developer or a support request can turn these on, for example with
// QT_LOGGING_RULES="keyvora.*=true". All are off by default.
Q_DECLARE_LOGGING_CATEGORY(lcSettings) // keyvora.settings: the settings file was not saved
Q_DECLARE_LOGGING_CATEGORY(lcAudio)    // keyvora.audio: no audio device, no SDL_mixer
Q_DECLARE_LOGGING_CATEGORY(lcSound)    // keyvora.sound: a sound file could not be read
Q_DECLARE_LOGGING_CATEGORY(lcWeb)      // keyvora.web: a page or picture fetch failed
Q_DECLARE_LOGGING_CATEGORY(lcFont)     // keyvora.font: the program's own font is missing
