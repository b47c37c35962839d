#include "sound/KeySounds.h"

#include "menus/MenuTree.h"
#include "platform/ProgramFolder.h"
#include "platform/SoundChannel.h"

#include <QAction>

namespace {
constexpr int modeCount = 9;
}

KeySounds::KeySounds(MenuTree& menus, SoundChannel& keySound, const ProgramFolder& folder)
    : menus_(menus), keySound_(keySound), folder_(folder) {}

void KeySounds::choose(int index) {
    const QList<QAction*>& items = menus_.shengyin1;
    if (index < 0 || index >= modeCount || index >= items.size())
        return;
    for (int i = 0; i < items.size() && i < modeCount; ++i)
        items[i]->setChecked(i == index);
    if (index == 0) {
        keySound_.setFile(QString());
        return;
    }
    // The file names are the first three characters of the captions ("语音报", "音效1".."音效7"),
    // so captions and sound files stay in step.
    keySound_.setFile(folder_.file(QStringLiteral("声音/音效/") + items[index]->text().left(3)));
}
