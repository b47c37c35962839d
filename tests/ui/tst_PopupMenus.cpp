#include "TestRegistry.h"

#include "TrainerRig.h"

#include "app/Form1.h"
#include "app/MenuBarPanel.h"
#include "app/PopupMenus.h"

#include <QAction>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QTest>

namespace {

// The menu reached from the three menus by a path of titles, "选项/桌面风格(&F)".
QMenu* menuAt(PopupMenus& menus, const QString& path) {
    const QStringList titles = path.split(u'/');
    QMenu* menu = nullptr;
    for (int i = 0; i < 3 && !menu; ++i)
        if (menus.menu(i)->title() == titles.first())
            menu = menus.menu(i);
    for (qsizetype t = 1; menu && t < titles.size(); ++t) {
        QMenu* inner = nullptr;
        for (QAction* item : menu->actions())
            if (item->menu() && item->text() == titles[t])
                inner = item->menu();
        menu = inner;
    }
    return menu;
}

// What a learner finds in a menu: its visible items, submenus by their titles.
QStringList captions(const QMenu* menu) {
    QStringList shown;
    for (const QAction* item : menu->actions())
        if (item->isVisible() && !item->isSeparator())
            shown << item->text();
    return shown;
}

// The letter after a single "&", upper case; none for a caption without one.
QChar accessLetter(const QString& caption) {
    for (qsizetype i = caption.indexOf(u'&'); i >= 0 && i + 1 < caption.size();
         i = caption.indexOf(u'&', i + 2))
        if (caption[i + 1] != u'&')
            return caption[i + 1].toUpper();
    return {};
}

void collect(QMenu* menu, QList<QMenu*>& all) {
    all << menu;
    for (QAction* item : menu->actions())
        if (item->menu())
            collect(item->menu(), all);
}

} // namespace

// The menus as the learner reads them: every caption with its access letter, and within a menu
// no access letter that leads to two items, beside the two clashes the menus are described with.
class PopupMenusTest : public QObject {
    Q_OBJECT
private slots:
    void everyMenuHoldsItsDescribedCaptionsInOrder_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("items"); // separated by "|"
        QTest::newRow("menu bar") << ""
                                  << "文件(&F)|选项(&C)|帮助(&H)";
        QTest::newRow("file") << "文件(&F)"
                              << "开始(&S)|停止(&C)|练习记录(&R)...|退出(&X)";
        QTest::newRow("options")
            << "选项"
            << "桌面风格(&F)|击键声音(&V)|练习级别(&J)|字符总数(&M)|显示指法(&F)|"
               "打开错误警示音效(&C)|打开背景音乐(&B)|播放五笔口诀(&W)|选择口诀版次(&X)|"
               "恢复菜单默认设置(&H)|重点练习易错键(&Z)";
        QTest::newRow("styles")
            << "选项/桌面风格(&F)"
            << "显示键盘-字母和数字(&A)|显示键盘-26个字母(&B)|显示键盘-10个数字(&C)|"
               "显示键盘-全部按键(&D)|下落字符-数字和字母(大写显示)(&E)|"
               "下落字符-数字和字母(小写显示)(&F)|下落字符-26个字母(&G)|下落字符-10个数字(&H)|"
               "下落字符-全部按键(大写显示)(&H)|下落字符-全部按键(小写显示)(&J)|"
               "下落字符-全部字符(&K)";
        QTest::newRow("key sounds")
            << "选项/击键声音(&V)"
            << "无(&N)|语音报键(&Y)|音效1(&O)|音效2(&T)|音效3(&S)|音效4(&F)|音效5(&W)|音效6(&L)|"
               "音效7(&Q)";
        QTest::newRow("levels") << "选项/练习级别(&J)"
                                << "1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19|20";
        QTest::newRow("totals") << "选项/字符总数(&M)"
                                << "10|20|30|40|50|60|70|80|90|100|200|自定义";
        QTest::newRow("editions") << "选项/选择口诀版次(&X)"
                                  << "86版(&A)|98版(&B)";
        QTest::newRow("help") << "帮助"
                              << "功能介绍(&Y)|软件升级下载(&J)|关于Keyvora(&C)";
    }
    void everyMenuHoldsItsDescribedCaptionsInOrder() {
        QFETCH(QString, menu);
        QFETCH(QString, items);
        TrainerRig rig;
        Form1 form(rig.platform());
        QStringList shown;
        if (menu.isEmpty()) {
            for (int i = 0; i < 3; ++i)
                shown << form.menuBar().label(i)->text();
        } else {
            const QMenu* found = menuAt(form.popupMenus(), menu);
            QVERIFY2(found, qPrintable(menu));
            shown = captions(found);
        }
        // In this order, with room for items added between them.
        qsizetype at = 0;
        for (const QString& item : items.split(u'|')) {
            at = shown.indexOf(item, at);
            QVERIFY2(at >= 0, qPrintable(item + QStringLiteral(" in ") + shown.join(u' ')));
        }
    }

    void noAccessLetterLeadsToTwoItemsOfAMenuBeyondTheDescribedOnes() {
        const QList<QStringList> described = {
            {"桌面风格(&F)", "显示指法(&F)"},
            {"下落字符-10个数字(&H)", "下落字符-全部按键(大写显示)(&H)"},
        };
        TrainerRig rig;
        Form1 form(rig.platform());
        QList<QMenu*> menus;
        for (int i = 0; i < 3; ++i)
            collect(form.popupMenus().menu(i), menus);
        QVERIFY(menus.size() >= 8); // the three and their submenus
        for (const QMenu* menu : menus) {
            QMap<QChar, QStringList> byLetter;
            for (const QString& caption : captions(menu))
                if (const QChar letter = accessLetter(caption); !letter.isNull())
                    byLetter[letter] << caption;
            for (const QStringList& sharing : byLetter)
                QVERIFY2(sharing.size() == 1 || described.contains(sharing),
                         qPrintable(menu->title() + QStringLiteral(": ") + sharing.join(u' ')));
        }
    }
};

KEYVORA_TEST_MAIN(PopupMenus, PopupMenusTest)
#include "tst_PopupMenus.moc"
