#include "TestRegistry.h"

#include "TrainerRig.h"

#include "app/Trainer.h"
#include "menus/MenuTree.h"
#include "settings/NumberText.h"
#include "settings/Options.h"

#include <QAction>
#include <QTest>

namespace {

int checkedCount(const QList<QAction*>& group) {
    int n = 0;
    for (QAction* a : group)
        n += a->isChecked() ? 1 : 0;
    return n;
}

QList<const QList<QAction*>*> radioGroups(const MenuTree& tree) {
    return {&tree.fengge1, &tree.shengyin1, &tree.jibie, &tree.zongshu, &tree.banci1};
}

} // namespace

class MenuTreeTest : public QObject {
    Q_OBJECT
private slots:
    // A style or key-sound item sets its index; a level, total or edition item the number its
    // caption shows (the custom total: the entry); then exactly that item is marked.
    void everyRadioItemSetsTheValueItNamesAndLeavesOneMark() {
        TrainerRig rig;
        rig.inputBox.answers << QStringLiteral("12");
        Trainer trainer(rig.platform());
        const Options& o = trainer.options;
        const auto groups = radioGroups(trainer.menus);
        for (int g = 0; g < groups.size(); ++g) {
            for (int i = groups[g]->size() - 1; i >= 0; --i) {
                QAction* item = (*groups[g])[i];
                if (item->isSeparator())
                    continue;
                item->trigger();
                const QList<double> values = {double(o.fengge()), double(o.shengyin()),
                                              double(o.level()), o.total(), double(o.banci())};
                const double named = g < 2 ? i
                                     : (g == 3 && i == Options::customTotal)
                                         ? 12
                                         : NumberText::leadingNumber(item->text());
                QCOMPARE(values[g], named);
                QCOMPARE(MenuTree::checkedIndex(*groups[g]), i);
                for (const auto* group : groups)
                    QCOMPARE(checkedCount(*group), 1);
            }
        }
    }

    void aNewTreeHasTheDesignMarksAndItsSeparators() {
        Options options;
        MenuTree tree(options);
        QCOMPARE(MenuTree::checkedIndex(tree.fengge1), 0);
        QCOMPARE(MenuTree::checkedIndex(tree.shengyin1), 1);
        QCOMPARE(MenuTree::checkedIndex(tree.jibie), 2);
        QCOMPARE(MenuTree::checkedIndex(tree.zongshu), 4);
        QCOMPARE(MenuTree::checkedIndex(tree.banci1), 1);
        for (const auto* group : radioGroups(tree))
            QCOMPARE(checkedCount(*group), 1);
        QVERIFY(tree.zhifa->isChecked());
        QVERIFY(tree.cuowushengyin->isChecked());
        QVERIFY(!tree.beijingyinyue->isChecked());
        QVERIFY(tree.beijingyinyue->isEnabled());
        QVERIFY(tree.yicuojian->isCheckable() && !tree.yicuojian->isChecked());
        QCOMPARE(tree.bofangwubi->text(), MenuTree::bofangCaption);
        for (QAction* s : {tree.xian1, tree.xian6, tree.xian11, tree.xian7, tree.bangzhu1[2],
                           tree.bangzhu1[7], tree.fengge1[Options::styleSeparator]})
            QVERIFY(s->isSeparator());
        QCOMPARE(tree.bangzhu1.size(), 9);
        for (int i = 0; i < tree.bangzhu1.size(); ++i)
            QCOMPARE(tree.bangzhu1[i]->isVisible(), i < 3 || i > 6);
    }

    void choosingAnItemLeavesTheCheckMarkToTheHandler() {
        Options options;
        MenuTree tree(options);
        int chosen = -1;
        tree.onChosen(tree.zongshu, &tree, [&](int i) { chosen = i; });
        tree.zongshu[11]->trigger();
        QCOMPARE(chosen, 11);
        // The handler did not check it, so it stays unchecked.
        QVERIFY(!tree.zongshu[11]->isChecked());
        QVERIFY(tree.zongshu[4]->isChecked());

        bool ran = false;
        tree.onChosen(tree.zhifa, &tree, [&] { ran = true; });
        tree.zhifa->trigger();
        QVERIFY(ran);
        QVERIFY(tree.zhifa->isChecked());
    }

    void theMarksTheMusicItemAndTheRecitationCaptionShowTheModel() {
        Options options;
        MenuTree tree(options);
        tree.onChosen(tree.jibie, &tree, [&](int i) { options.setLevel(i + 1); });
        tree.jibie[19]->trigger();
        options.setFengge(8);
        options.setShengyin(5);
        options.setTotal(Options::customTotal, 12.5, true);
        options.setZhifa(false);
        options.setBanci(86);
        options.setYicuojian(true);
        options.setReciting(true);
        for (const auto* group : radioGroups(tree))
            QCOMPARE(checkedCount(*group), 1);
        QCOMPARE(
            (QList<int>{MenuTree::checkedIndex(tree.fengge1),
                        MenuTree::checkedIndex(tree.shengyin1), MenuTree::checkedIndex(tree.jibie),
                        MenuTree::checkedIndex(tree.zongshu), MenuTree::checkedIndex(tree.banci1)}),
            (QList<int>{8, 5, 19, 11, 0}));
        QVERIFY(!tree.zhifa->isChecked() && tree.yicuojian->isChecked());
        QVERIFY(!tree.beijingyinyue->isEnabled());
        QCOMPARE(tree.bofangwubi->text(), MenuTree::tingzhiCaption);
    }
};

KEYVORA_TEST_MAIN(MenuTree, MenuTreeTest)
#include "tst_MenuTree.moc"
