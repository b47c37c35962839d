#include "sound/WubiMnemonics.h"

#include "menus/MenuTree.h"
#include "platform/ProgramFolder.h"
#include "platform/SoundChannel.h"
#include "practice/PracticeState.h"
#include "sound/WubiTables.h"

#include <QAction>

const QString WubiMnemonics::clickRequest = QStringLiteral("Label4_Click");
const QString WubiMnemonics::hoverRequest = QStringLiteral("Label4_MouseMove");

namespace {
constexpr int firstMnemonicKey = 65; // A
constexpr int lastMnemonicKey = 89;  // Y; Z has no mnemonic
} // namespace

WubiMnemonics::WubiMnemonics(MenuTree& menus, const PracticeState& practice,
                             SoundChannel& mnemonicChannel, SoundChannel& musicChannel,
                             const ProgramFolder& folder,
                             std::function<QString(int keyIndex)> keyCaption, QObject* parent)
    : QObject(parent), menus_(menus), practice_(practice), mnemonicChannel_(mnemonicChannel),
      musicChannel_(musicChannel), folder_(folder), keyCaption_(std::move(keyCaption)) {}

int WubiMnemonics::edition() const {
    if (menus_.banci1.size() > 0 && menus_.banci1[0]->isChecked())
        return 86;
    if (menus_.banci1.size() > 1 && menus_.banci1[1]->isChecked())
        return 98;
    return 0;
}

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
    const int ed = edition();
    const QString entry = ed == 0 ? QString() : WubiTables::mnemonic(ed, code);

    if (click) {
        if (ed != 0) {
            // A key without a mnemonic has no file; unloading keeps the channel silent instead
            // of pointing it at the edition folder itself.
            const QString name = entry.left(3);
            mnemonicChannel_.setFile(
                name.isEmpty() ? QString() : folder_.file(editionFolder(ed) + u'/' + name));
        }
        mnemonicChannel_.play();
        return;
    }
    if (ed != 0)
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
    if (menus_.bofangwubi->text() != MenuTree::bofangCaption)
        return;
    wubikoujue(clickRequest, index);
}

bool WubiMnemonics::reciting() const {
    return menus_.bofangwubi->text() != MenuTree::bofangCaption;
}

void WubiMnemonics::toggleRecitation() {
    if (practice_.running())
        return;
    if (!reciting()) {
        menus_.bofangwubi->setText(MenuTree::tingzhiCaption);
        const int ed = edition();
        if (ed != 0)
            musicChannel_.setFile(
                folder_.file(editionFolder(ed) + QStringLiteral("/配乐五笔口诀%1版").arg(ed)));
        musicChannel_.play();
        // The music item shows that its channel is busy, but cannot be clicked meanwhile.
        menus_.beijingyinyue->setChecked(true);
        menus_.beijingyinyue->setEnabled(false);
        return;
    }
    menus_.bofangwubi->setText(MenuTree::bofangCaption);
    musicChannel_.halt();
    menus_.beijingyinyue->setChecked(false);
    menus_.beijingyinyue->setEnabled(true);
}

void WubiMnemonics::chooseEdition(int index) {
    if (index < 0 || index > 1 || index >= menus_.banci1.size())
        return;
    for (int i = 0; i < menus_.banci1.size() && i < 2; ++i)
        menus_.banci1[i]->setChecked(i == index);
}
