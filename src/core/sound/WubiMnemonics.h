#pragma once

#include "sound/MnemonicLabel.h"

#include <QObject>
#include <QString>

#include <functional>

class Options;
class PracticeState;
class ProgramFolder;
class SoundChannel;

// The Wubi mnemonics: the verse of the letter key under the pointer in the hover label, the
// spoken verse of a clicked key, the whole recitation set to music (`bofangwubi`) and the choice
// of the 86 or 98 edition (`banci1`); the recitation state and the edition are options.
class WubiMnemonics : public QObject {
    Q_OBJECT
public:
    WubiMnemonics(Options& options, const PracticeState& practice, SoundChannel& mnemonicChannel,
                  SoundChannel& musicChannel, const ProgramFolder& folder,
                  std::function<QString(int keyIndex)> keyCaption, QObject* parent = nullptr);

    MnemonicLabel& label() { return label_; }
    const MnemonicLabel& label() const { return label_; }

    // The one mnemonic routine. `xiangmu` names the request: "Label4_Click" speaks the verse of
    // key label `shu` in the checked edition, "Label4_MouseMove" shows it in the label; any other
    // request does nothing. The key is the first character of the label's trimmed caption.
    void wubikoujue(const QString& xiangmu, int shu);

    // The pointer is over key label `index`: A to Y show their verse above the key, every
    // other key hides the label.
    void hoverKey(int index);
    // The pointer is over the keyboard frame itself.
    void hoverFrame();
    // A click on key label `index`: A to Y speak their verse unless the recitation plays.
    void clickKey(int index);

    // The handler of `bofangwubi`: starts or stops the recitation; does nothing during a run.
    void toggleRecitation();
    bool reciting() const;

    // The handler of `banci1`: item 0 chooses the 86 edition, 1 the 98 one. Takes effect at the
    // next hover, click or start of the recitation.
    void chooseEdition(int index);

    static const QString clickRequest; // "Label4_Click"
    static const QString hoverRequest; // "Label4_MouseMove"

private:
    QString editionFolder(int edition) const;

    Options& options_;
    const PracticeState& practice_;
    SoundChannel& mnemonicChannel_;
    SoundChannel& musicChannel_;
    const ProgramFolder& folder_;
    std::function<QString(int)> keyCaption_;
    MnemonicLabel label_;
};
