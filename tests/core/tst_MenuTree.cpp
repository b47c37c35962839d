#include "TestRegistry.h"

#include "menus/MenuTree.h"
#include "settings/Options.h"

#include <QAction>
#include <QTest>

namespace {

QStringList captions(const QList<QAction*>& group) {
    QStringList list;
    for (QAction* a : group)
        list << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return list;
}

int checkedCount(const QList<QAction*>& group) {
    int n = 0;
    for (QAction* a : group)
        n += a->isChecked() ? 1 : 0;
    return n;
}

} // namespace

class MenuTreeTest : public QObject {
    Q_OBJECT
private slots:
    void fileMenuHoldsStartStopAndExit() {
        Options options;
        MenuTree tree(options);
        QCOMPARE(tree.jijiankaishi->text(), QStringLiteral("开始(&S)"));
        QCOMPARE(tree.jijiantingzhi->text(), QStringLiteral("停止(&C)"));
        QCOMPARE(tree.lianxijilu->text(), QStringLiteral("练习记录(&R)..."));
        QVERIFY(tree.xian1->isSeparator());
        QCOMPARE(tree.tuichu->text(), QStringLiteral("退出(&X)"));
    }

    void styleItemsHaveTheirCaptionsAndTheSeparator() {
        Options options;
        MenuTree tree(options);
        QCOMPARE(captions(tree.fengge1),
                 QStringList({"显示键盘-字母和数字(&A)", "显示键盘-26个字母(&B)",
                              "显示键盘-10个数字(&C)", "显示键盘-全部按键(&D)", "-",
                              "下落字符-数字和字母(大写显示)(&E)",
                              "下落字符-数字和字母(小写显示)(&F)", "下落字符-26个字母(&G)",
                              "下落字符-10个数字(&H)", "下落字符-全部按键(大写显示)(&H)",
                              "下落字符-全部按键(小写显示)(&J)", "下落字符-全部字符(&K)"}));
    }

    void soundLevelAndTotalItemsHaveTheirCaptions() {
        Options options;
        MenuTree tree(options);
        QCOMPARE(captions(tree.shengyin1),
                 QStringList({"无(&N)", "语音报键(&Y)", "音效1(&O)", "音效2(&T)", "音效3(&S)",
                              "音效4(&F)", "音效5(&W)", "音效6(&L)", "音效7(&Q)"}));
        QCOMPARE(tree.jibie.size(), 20);
        for (int i = 0; i < 20; ++i)
            QCOMPARE(tree.jibie[i]->text(), QString::number(i + 1));
        QCOMPARE(captions(tree.zongshu), QStringList({"10", "20", "30", "40", "50", "60", "70",
                                                      "80", "90", "100", "200", "自定义"}));
        QCOMPARE(captions(tree.banci1), QStringList({"86版(&A)", "98版(&B)"}));
    }

    void designCheckMarksMatchTheDefaults() {
        Options options;
        MenuTree tree(options);
        QCOMPARE(MenuTree::checkedIndex(tree.fengge1), 0);
        QCOMPARE(MenuTree::checkedIndex(tree.shengyin1), 1);
        QCOMPARE(MenuTree::checkedIndex(tree.jibie), 2);
        QCOMPARE(MenuTree::checkedIndex(tree.zongshu), 4);
        QCOMPARE(MenuTree::checkedIndex(tree.banci1), 1);
        for (const auto* group :
             {&tree.fengge1, &tree.shengyin1, &tree.jibie, &tree.zongshu, &tree.banci1})
            QCOMPARE(checkedCount(*group), 1);
        QVERIFY(tree.zhifa->isChecked());
        QVERIFY(tree.cuowushengyin->isChecked());
        QVERIFY(!tree.beijingyinyue->isChecked());
        QVERIFY(tree.beijingyinyue->isEnabled());
        QCOMPARE(tree.bofangwubi->text(), QStringLiteral("播放五笔口诀(&W)"));
    }

    void optionItemsCarryTheirCaptions() {
        Options options;
        MenuTree tree(options);
        QCOMPARE(tree.zhifa->text(), QStringLiteral("显示指法(&F)"));
        QCOMPARE(tree.cuowushengyin->text(), QStringLiteral("打开错误警示音效(&C)"));
        QCOMPARE(tree.beijingyinyue->text(), QStringLiteral("打开背景音乐(&B)"));
        QCOMPARE(tree.huifu->text(), QStringLiteral("恢复菜单默认设置(&H)"));
        QCOMPARE(tree.yicuojian->text(), QStringLiteral("重点练习易错键(&W)"));
        QVERIFY(tree.yicuojian->isCheckable() && !tree.yicuojian->isChecked());
        for (QAction* s : {tree.xian6, tree.xian11, tree.xian7})
            QVERIFY(s->isSeparator());
    }

    void helpMenuShowsOnlyTheBuiltItems() {
        Options options;
        MenuTree tree(options);
        QCOMPARE(tree.bangzhu1.size(), 9);
        QCOMPARE(tree.bangzhu1[0]->text(), QStringLiteral("功能介绍(&Y)"));
        QCOMPARE(tree.bangzhu1[1]->text(), QStringLiteral("软件升级下载(&J)"));
        QVERIFY(tree.bangzhu1[2]->isSeparator());
        QVERIFY(tree.bangzhu1[7]->isSeparator());
        QCOMPARE(tree.bangzhu1[8]->text(), QStringLiteral("关于Keyvora(&C)"));
        for (int i = 3; i <= 6; ++i)
            QVERIFY(!tree.bangzhu1[i]->isVisible());
    }

    void everyItemIsNamed() {
        Options options;
        MenuTree tree(options);
        QCOMPARE(tree.fengge1[11]->objectName(), QStringLiteral("fengge1_11"));
        QCOMPARE(tree.zongshu[11]->objectName(), QStringLiteral("zongshu_11"));
        QCOMPARE(tree.bofangwubi->objectName(), QStringLiteral("bofangwubi"));
        QSet<QString> names;
        for (QAction* a : tree.findChildren<QAction*>())
            names.insert(a->objectName());
        QCOMPARE(names.size(), tree.findChildren<QAction*>().size());
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
        for (const auto* group :
             {&tree.fengge1, &tree.shengyin1, &tree.jibie, &tree.zongshu, &tree.banci1})
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
