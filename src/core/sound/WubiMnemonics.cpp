#include "sound/WubiMnemonics.h"

#include "platform/ProgramFolder.h"
#include "platform/SoundChannel.h"
#include "practice/PracticeState.h"
#include "settings/Options.h"
#include "sound/WubiTables.h"

const QString WubiMnemonics::clickRequest = QStringLiteral("Label4_Click");
const QString WubiMnemonics::hoverRequest = QStringLiteral("Label4_MouseMove");

namespace {
constexpr int firstMnemonicKey = 65; // A
constexpr int lastMnemonicKey = 89;  // Y; Z has no mnemonic
} // namespace

WubiMnemonics::WubiMnemonics(Options& options, const PracticeState& practice,
                             SoundChannel& mnemonicChannel, SoundChannel& musicChannel,
                             const ProgramFolder& folder,
                             std::function<QString(int keyIndex)> keyCaption, QObject* parent)
    : QObject(parent), options_(options), practice_(practice), mnemonicChannel_(mnemonicChannel),
      musicChannel_(musicChannel), folder_(folder), keyCaption_(std::move(keyCaption)) {}

QString WubiMnemonics::editionFolder(int edition) const {
    return QStringLiteral("声音/五笔口诀/五笔口诀%1版").arg(edition);
}

void WubiMnemonics::wubikoujue(const QString& xiangmu, int shu) {
    const bool click = xiangmu == clickRequest;
    if (!click && xiangmu != hoverRequest)
        return;

    const QString caption = keyCaption_ ? keyCaption_(shu).trimmed() : QString();
    // A caption without a character names no key: it gets the empty entry like any key
    // without a mnemonic.
    const int code = caption.isEmpty() ? 0 : caption.at(0).unicode();
    const int ed = options_.banci();
    const QString entry = WubiTables::mnemonic(ed, code);

    if (click) {
        // A key without a mnemonic has no file; unloading keeps the channel silent instead of
        // pointing it at the edition folder itself.
        const QString name = entry.left(3);
        mnemonicChannel_.setFile(name.isEmpty() ? QString()
                                                : folder_.file(editionFolder(ed) + u'/' + name));
        mnemonicChannel_.play();
        return;
    }
    label_.setText(entry);
}

void WubiMnemonics::hoverKey(int index) {
    if (index < firstMnemonicKey || index > lastMnemonicKey) {
        label_.hide();
        return;
    }
    label_.placeAbove(index);
    label_.show();
    wubikoujue(hoverRequest, index);
}

void WubiMnemonics::hoverFrame() {
    label_.hide();
}

void WubiMnemonics::clickKey(int index) {
    if (index < firstMnemonicKey || index > lastMnemonicKey)
        return;
    if (options_.reciting())
        return;
    wubikoujue(clickRequest, index);
}

bool WubiMnemonics::reciting() const {
    return options_.reciting();
}

void WubiMnemonics::toggleRecitation() {
    if (practice_.running())
        return;
    if (!reciting()) {
        options_.setReciting(true);
        const int ed = options_.banci();
        musicChannel_.setFile(
            folder_.file(editionFolder(ed) + QStringLiteral("/配乐五笔口诀%1版").arg(ed)));
        musicChannel_.play();
        // The music switch shows that its channel is busy; while the recitation plays it cannot
        // be chosen.
        options_.setBeijingyinyue(true);
        return;
    }
    options_.setReciting(false);
    musicChannel_.halt();
    options_.setBeijingyinyue(false);
}

void WubiMnemonics::chooseEdition(int index) {
    if (index < 0 || index > 1)
        return;
    options_.setBanci(index == 0 ? 86 : 98);
}
