#include "sound/KeySounds.h"

#include "platform/ProgramFolder.h"
#include "platform/SoundChannel.h"
#include "settings/Options.h"

KeySounds::KeySounds(Options& options, SoundChannel& keySound, const ProgramFolder& folder)
    : options_(options), keySound_(keySound), folder_(folder) {}

void KeySounds::choose(int index) {
    if (index < 0 || index >= Options::soundModeCount)
        return;
    options_.setShengyin(index);
    if (index == Options::silentMode) {
        keySound_.setFile(QString());
        return;
    }
    // The file names are the first three characters of the captions ("语音报", "音效1".."音效7"),
    // so captions and sound files stay in step.
    keySound_.setFile(
        folder_.file(QStringLiteral("声音/音效/") + Options::soundCaptions().at(index).left(3)));
}
