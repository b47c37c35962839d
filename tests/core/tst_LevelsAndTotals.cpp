#include "TestRegistry.h"

#include "FakeDialogs.h"

#include "menus/MenuTree.h"
#include "practice/LevelsAndTotals.h"
#include "practice/PracticeState.h"
#include "settings/Options.h"

#include <QAction>
#include <QTest>

namespace {

struct Rig {
    Options options;
    MenuTree menus{options};
    PracticeState state{options};
    FakeInputBox inputBox;
    LevelsAndTotals choices{options, inputBox, QStringLiteral("Keyvora 6.2")};

    QString levelText() const { return LevelsAndTotals::levelText(options); }
    QString totalText() const { return LevelsAndTotals::totalText(options); }

    QList<int> checked(const QList<QAction*>& group) const {
        QList<int> indices;
        for (int i = 0; i < group.size(); ++i)
            if (group[i]->isChecked())
                indices << i;
        return indices;
    }
};

} // namespace

class LevelsAndTotalsTest : public QObject {
    Q_OBJECT
private slots:
    void levelItemShowsItsCaptionAndTakesTheOnlyCheckMark_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("level");
        QTest::newRow("first") << 0 << "1";
        QTest::newRow("default") << 2 << "3";
        QTest::newRow("last") << 19 << "20";
    }
    void levelItemShowsItsCaptionAndTakesTheOnlyCheckMark() {
        QFETCH(int, index);
        QFETCH(QString, level);
        Rig rig;
        rig.choices.chooseLevel(index);
        QCOMPARE(rig.levelText(), level);
        QCOMPARE(rig.state.level(), double(index + 1));
        QCOMPARE(rig.checked(rig.menus.jibie), QList<int>{index});
    }

    void levelOrTotalIndexOutOfRangeChangesNothing() {
        Rig rig;
        for (int index : {-1, 20, 1000})
            rig.choices.chooseLevel(index);
        for (int index : {-1, 12, 1000})
            rig.choices.chooseTotal(index);
        QCOMPARE(rig.levelText(), QStringLiteral("  3"));
        QCOMPARE(rig.totalText(), QStringLiteral("50"));
        QCOMPARE(rig.checked(rig.menus.jibie), QList<int>{2});
        QCOMPARE(rig.checked(rig.menus.zongshu), QList<int>{4});
        QVERIFY(rig.inputBox.prompts.isEmpty());
    }

    void fixedTotalShowsItsCaptionAndTakesTheOnlyCheckMark_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("total");
        QTest::newRow("10") << 0 << "10";
        QTest::newRow("100") << 9 << "100";
        QTest::newRow("200") << 10 << "200";
    }
    void fixedTotalShowsItsCaptionAndTakesTheOnlyCheckMark() {
        QFETCH(int, index);
        QFETCH(QString, total);
        Rig rig;
        rig.choices.chooseTotal(index);
        QCOMPARE(rig.totalText(), total);
        QCOMPARE(rig.checked(rig.menus.zongshu), QList<int>{index});
        QVERIFY(rig.inputBox.prompts.isEmpty());
    }

    void customEntryIsNormalisedOrReplacedBy99_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("total");
        QTest::newRow("150") << "150"
                             << " 150";
        QTest::newRow("lowest") << "10"
                                << " 10";
        QTest::newRow("highest") << "99999"
                                 << " 99999";
        QTest::newRow("leading number of a longer text") << "  42 chars"
                                                         << " 42";
        QTest::newRow("fraction kept") << "12.5"
                                       << " 12.5";
        QTest::newRow("too small") << "5"
                                   << "99";
        QTest::newRow("too large") << "100000"
                                   << "99";
        QTest::newRow("not a number") << "abc"
                                      << "99";
        QTest::newRow("negative") << "-3"
                                  << "99";
        QTest::newRow("blanks only") << "   "
                                     << "99";
    }
    void customEntryIsNormalisedOrReplacedBy99() {
        QFETCH(QString, entry);
        QFETCH(QString, total);
        Rig rig;
        rig.inputBox.answers << entry;
        rig.choices.chooseTotal(Options::customTotal);
        QCOMPARE(rig.inputBox.prompts, QStringList{QStringLiteral("请输入字符总数(10-99999之间)")});
        QCOMPARE(rig.inputBox.lastTitle, QStringLiteral("Keyvora 6.2"));
        QCOMPARE(rig.totalText(), total);
        QCOMPARE(rig.checked(rig.menus.zongshu), QList<int>{11});
    }

    void fractionalTotalCompletesAfterThirteenCharacters() {
        Rig rig;
        rig.inputBox.answers << QStringLiteral("12.5");
        rig.choices.chooseTotal(11);
        rig.state.setJishu(13);
        QVERIFY(!rig.state.runComplete());
        rig.state.setJishu(14);
        QVERIFY(rig.state.runComplete());
    }

    void cancellingTheCustomPromptKeepsTotalAndCheckMark() {
        Rig rig;
        rig.choices.chooseTotal(9);
        rig.choices.chooseTotal(11); // no answer queued: cancelled
        QCOMPARE(rig.inputBox.prompts.size(), 1);
        QCOMPARE(rig.totalText(), QStringLiteral("100"));
        QCOMPARE(rig.checked(rig.menus.zongshu), QList<int>{9});
    }

    void restoringTheCustomTotalTakes99WithoutAskingAndTheUserIsAskedEveryTime() {
        Rig rig;
        rig.choices.chooseTotal(11, true);
        QVERIFY(rig.inputBox.prompts.isEmpty());
        QCOMPARE(rig.state.total(), 99.0);
        QCOMPARE(rig.totalText(), QStringLiteral(" 99"));
        QCOMPARE(rig.checked(rig.menus.zongshu), QList<int>{11});

        rig.inputBox.answers << QStringLiteral("300") << QStringLiteral("400");
        rig.choices.chooseTotal(11);
        rig.choices.chooseTotal(11);
        QCOMPARE(rig.inputBox.prompts.size(), 2);
        QCOMPARE(rig.totalText(), QStringLiteral(" 400"));
    }

    // The count the panel then shows is capped at the total (the statistics panel's tests).
    void lowerTotalDuringARunCompletesIt() {
        Rig rig;
        rig.state.setRunning(true);
        rig.state.setJishu(12);
        rig.state.setJizhong(11);
        QVERIFY(!rig.state.runComplete());

        rig.choices.chooseTotal(0);
        QVERIFY(rig.state.runComplete());
        QCOMPARE(rig.totalText(), QStringLiteral("10"));
    }
};

KEYVORA_TEST_MAIN(LevelsAndTotals, LevelsAndTotalsTest)
#include "tst_LevelsAndTotals.moc"
