#include "TestRegistry.h"

#include "RecordingSoundChannel.h"
#include "menus/MenuTree.h"
#include "platform/ProgramFolder.h"
#include "run/PracticeState.h"
#include "settings/Options.h"
#include "sound/WubiMnemonics.h"

#include <QAction>
#include <QTest>

namespace {

constexpr int keyA = 65, keyG = 71, keyJ = 74, keyS = 83, keyY = 89, keyZ = 90;

// The captions of the key labels: a blank and the key's character for letters and digits.
QString keyCaption(int index) {
    if ((index >= 'A' && index <= 'Z') || (index >= '0' && index <= '9'))
        return QStringLiteral(" ") + QChar(index);
    return QString();
}

struct Mnemonics {
    Options options;
    MenuTree menus{options};
    PracticeState practice{options};
    RecordingSoundChannel voice;
    RecordingSoundChannel music;
    ProgramFolder folder{QStringLiteral("/opt/keyvora")};
    WubiMnemonics wubi{options, practice, voice, music, folder, keyCaption};

    void useEdition(int edition) { wubi.chooseEdition(edition == 86 ? 0 : 1); }
    QString file(const QString& relative) const {
        return QStringLiteral("set:") + folder.file(relative);
    }
};

} // namespace

class WubiMnemonicsTest : public QObject {
    Q_OBJECT
private slots:
    void hoveringALetterShowsTheVerseOfTheCheckedEditionAboveIt_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("verse");
        QTest::newRow("S 86") << 86 << keyS << "14S 木丁西";
        QTest::newRow("S 98") << 98 << keyS << "14S 木丁西甫一四里";
        QTest::newRow("G 98") << 98 << keyG << "11G 王旁青头五夫一";
        QTest::newRow("A 86") << 86 << keyA << "15A 工戈草头右筐七";
        QTest::newRow("A 98 as 86") << 98 << keyA << "15A 工戈草头右筐七";
        QTest::newRow("J 98 as 86") << 98 << keyJ << "22J 日早两竖与虫依";
        QTest::newRow("Y 86") << 86 << keyY << "41Y 言文方广在四一，高头一捺谁人去";
    }
    void hoveringALetterShowsTheVerseOfTheCheckedEditionAboveIt() {
        QFETCH(int, edition);
        QFETCH(int, key);
        QFETCH(QString, verse);
        Mnemonics m;
        m.useEdition(edition);
        m.wubi.hoverKey(key);
        QVERIFY(m.wubi.label().isVisible());
        QCOMPARE(m.wubi.label().keyIndex(), key);
        QCOMPARE(m.wubi.label().text(), verse);
        QVERIFY(m.voice.calls.isEmpty());
    }

    void hoveringAKeyWithoutMnemonicHidesTheLabel_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Z") << keyZ;
        QTest::newRow("digit 5") << int('5');
        QTest::newRow("just below A") << 64;
        QTest::newRow("Tab") << 0;
        QTest::newRow("punctuation key") << 186;
    }
    void hoveringAKeyWithoutMnemonicHidesTheLabel() {
        QFETCH(int, key);
        Mnemonics m;
        m.wubi.hoverKey(keyS);
        m.wubi.hoverKey(key);
        QVERIFY(!m.wubi.label().isVisible());
    }

    void hoveringTheKeyboardFrameHidesTheLabel() {
        Mnemonics m;
        m.wubi.hoverKey(keyS);
        m.wubi.hoverFrame();
        QVERIFY(!m.wubi.label().isVisible());
    }

    void hoveringStillShowsVersesWhileReciting() {
        Mnemonics m;
        m.wubi.toggleRecitation();
        m.wubi.hoverKey(keyG);
        QVERIFY(m.wubi.label().isVisible());
        QCOMPARE(m.wubi.label().text(), QStringLiteral("11G 王旁青头五夫一"));
    }

    void clickingALetterSpeaksItsVerseOfTheCheckedEdition() {
        Mnemonics m;
        m.wubi.clickKey(keyG);
        QCOMPARE(m.voice.calls,
                 (QStringList{m.file(QStringLiteral("声音/五笔口诀/五笔口诀98版/11G")), "play"}));
        m.voice.clear();
        m.useEdition(86);
        m.wubi.clickKey(keyS);
        QCOMPARE(m.voice.calls,
                 (QStringList{m.file(QStringLiteral("声音/五笔口诀/五笔口诀86版/14S")), "play"}));
        QVERIFY(m.music.calls.isEmpty());
    }

    void clickingSaysNothingWhileRecitingOrOnZ() {
        Mnemonics m;
        m.wubi.clickKey(keyZ);
        m.wubi.clickKey(int('1'));
        m.wubi.toggleRecitation();
        m.wubi.clickKey(keyG);
        QVERIFY(m.voice.calls.isEmpty());
    }

    void aKeyWithoutMnemonicNeverNamesTheEditionFolder() {
        Mnemonics m;
        m.wubi.wubikoujue(WubiMnemonics::clickRequest, keyZ);
        m.wubi.wubikoujue(WubiMnemonics::clickRequest, 500); // no caption at all
        QCOMPARE(m.voice.calls, (QStringList{"set:", "play", "set:", "play"}));
        m.wubi.wubikoujue(QStringLiteral("Label5_Click"), keyG);
        QCOMPARE(m.voice.calls.size(), 4);
    }

    void theRecitationPlaysTheCheckedEditionAndHoldsTheMusicItem() {
        Mnemonics m;
        m.wubi.toggleRecitation();
        QVERIFY(m.wubi.reciting());
        QCOMPARE(m.menus.bofangwubi->text(), MenuTree::tingzhiCaption);
        QCOMPARE(m.music.calls,
                 (QStringList{m.file(QStringLiteral("声音/五笔口诀/五笔口诀98版/配乐五笔口诀98版")),
                              "play"}));
        QVERIFY(m.menus.beijingyinyue->isChecked());
        QVERIFY(!m.menus.beijingyinyue->isEnabled());
    }

    void theRecitationCommandDoesNothingDuringARun() {
        Mnemonics m;
        m.practice.setRunning(true);
        m.wubi.toggleRecitation();
        QVERIFY(!m.wubi.reciting());
        QVERIFY(m.music.calls.isEmpty());
        QVERIFY(m.menus.beijingyinyue->isEnabled());
    }

    void stoppingTheRecitationLeavesTheMusicOff() {
        Mnemonics m;
        m.options.setBeijingyinyue(true); // music was playing before
        m.wubi.toggleRecitation();
        m.music.clear();
        m.wubi.toggleRecitation();
        QVERIFY(!m.wubi.reciting());
        QCOMPARE(m.menus.bofangwubi->text(), MenuTree::bofangCaption);
        QCOMPARE(m.music.calls, QStringList{"halt"});
        QVERIFY(!m.menus.beijingyinyue->isChecked());
        QVERIFY(m.menus.beijingyinyue->isEnabled());
    }

    void anEditionChangeWaitsForTheNextUse() {
        Mnemonics m;
        m.wubi.toggleRecitation();
        m.music.clear();
        m.wubi.chooseEdition(0);
        QVERIFY(m.menus.banci1[0]->isChecked());
        QVERIFY(!m.menus.banci1[1]->isChecked());
        QVERIFY(m.music.calls.isEmpty());
        QVERIFY(m.wubi.reciting());

        m.wubi.hoverKey(keyS);
        QCOMPARE(m.wubi.label().text(), QStringLiteral("14S 木丁西"));
        m.wubi.toggleRecitation();
        m.wubi.toggleRecitation();
        QCOMPARE(m.music.calls,
                 (QStringList{"halt",
                              m.file(QStringLiteral("声音/五笔口诀/五笔口诀86版/配乐五笔口诀86版")),
                              "play"}));
    }

    void anEditionIndexOutsideThePairIsIgnored() {
        Mnemonics m;
        m.wubi.chooseEdition(2);
        m.wubi.chooseEdition(-1);
        QVERIFY(!m.menus.banci1[0]->isChecked());
        QVERIFY(m.menus.banci1[1]->isChecked());
    }
};

KEYVORA_TEST_MAIN(WubiMnemonics, WubiMnemonicsTest)
#include "tst_WubiMnemonics.moc"
