#include "menus/MenuTree.h"

#include <QAction>

const QString MenuTree::wenjianCaption = QStringLiteral("文件(&F)");
const QString MenuTree::xuanxiangCaption = QStringLiteral("选项");
const QString MenuTree::bangzhuCaption = QStringLiteral("帮助");
const QString MenuTree::fenggeCaption = QStringLiteral("桌面风格(&F)");
const QString MenuTree::jijianshengyinCaption = QStringLiteral("击键声音(&V)");
const QString MenuTree::lianxijibieCaption = QStringLiteral("练习级别(&J)");
const QString MenuTree::zifuzongshuCaption = QStringLiteral("字符总数(&M)");
const QString MenuTree::banciCaption = QStringLiteral("选择口诀版次(&X)");
const QString MenuTree::bofangCaption = QStringLiteral("播放五笔口诀(&W)");
const QString MenuTree::tingzhiCaption = QStringLiteral("停止五笔口诀(&W)");

MenuTree::MenuTree(QObject* parent) : QObject(parent) {
    jijiankaishi = item(QStringLiteral("jijiankaishi"), QStringLiteral("开始(&S)"));
    jijiantingzhi = item(QStringLiteral("jijiantingzhi"), QStringLiteral("停止(&C)"));
    lianxijilu = item(QStringLiteral("lianxijilu"), QStringLiteral("练习记录(&R)..."));
    xian1 = separator(QStringLiteral("xian1"));
    tuichu = item(QStringLiteral("tuichu"), QStringLiteral("退出(&X)"));

    const QStringList styles = {
        QStringLiteral("显示键盘-字母和数字(&A)"),
        QStringLiteral("显示键盘-26个字母(&B)"),
        QStringLiteral("显示键盘-10个数字(&C)"),
        QStringLiteral("显示键盘-全部按键(&D)"),
        QStringLiteral("-"),
        QStringLiteral("下落字符-数字和字母(大写显示)(&E)"),
        QStringLiteral("下落字符-数字和字母(小写显示)(&F)"),
        QStringLiteral("下落字符-26个字母(&G)"),
        QStringLiteral("下落字符-10个数字(&H)"),
        QStringLiteral("下落字符-全部按键(大写显示)(&H)"),
        QStringLiteral("下落字符-全部按键(小写显示)(&J)"),
        QStringLiteral("下落字符-全部字符(&K)"),
    };
    for (int i = 0; i < styles.size(); ++i) {
        const QString name = QStringLiteral("fengge1_%1").arg(i);
        fengge1 << (i == 4 ? separator(name) : item(name, styles[i], i == 0));
    }

    const QStringList sounds = {
        QStringLiteral("无(&N)"),    QStringLiteral("语音报键(&Y)"), QStringLiteral("音效1(&O)"),
        QStringLiteral("音效2(&T)"), QStringLiteral("音效3(&S)"),    QStringLiteral("音效4(&F)"),
        QStringLiteral("音效5(&W)"), QStringLiteral("音效6(&L)"),    QStringLiteral("音效7(&Q)"),
    };
    for (int i = 0; i < sounds.size(); ++i)
        shengyin1 << item(QStringLiteral("shengyin1_%1").arg(i), sounds[i], i == 1);

    for (int i = 0; i < 20; ++i)
        jibie << item(QStringLiteral("jibie_%1").arg(i), QString::number(i + 1), i == 2);

    const QStringList totals = {
        QStringLiteral("10"),  QStringLiteral("20"),  QStringLiteral("30"),
        QStringLiteral("40"),  QStringLiteral("50"),  QStringLiteral("60"),
        QStringLiteral("70"),  QStringLiteral("80"),  QStringLiteral("90"),
        QStringLiteral("100"), QStringLiteral("200"), QStringLiteral("自定义"),
    };
    for (int i = 0; i < totals.size(); ++i)
        zongshu << item(QStringLiteral("zongshu_%1").arg(i), totals[i], i == 4);

    xian6 = separator(QStringLiteral("xian6"));
    zhifa = item(QStringLiteral("zhifa"), QStringLiteral("显示指法(&F)"), true);
    cuowushengyin =
        item(QStringLiteral("cuowushengyin"), QStringLiteral("打开错误警示音效(&C)"), true);
    beijingyinyue = item(QStringLiteral("beijingyinyue"), QStringLiteral("打开背景音乐(&B)"));
    xian11 = separator(QStringLiteral("xian11"));
    bofangwubi = item(QStringLiteral("bofangwubi"), bofangCaption);
    bofangwubi->setCheckable(false);
    banci1 << item(QStringLiteral("banci1_0"), QStringLiteral("86版(&A)"));
    banci1 << item(QStringLiteral("banci1_1"), QStringLiteral("98版(&B)"), true);
    xian7 = separator(QStringLiteral("xian7"));
    huifu = item(QStringLiteral("huifu"), QStringLiteral("恢复菜单默认设置(&H)"));
    huifu->setCheckable(false);
    yicuojian = item(QStringLiteral("yicuojian"), QStringLiteral("重点练习易错键(&W)"));

    const QStringList help = {
        QStringLiteral("功能介绍(&Y)"),
        QStringLiteral("软件升级下载(&J)"),
        QStringLiteral("-"),
        QStringLiteral("Keyvora 主页(&K)"),
        QStringLiteral("Keyvora 论坛(&L)"),
        QStringLiteral("Keyvora 练习资料(&Z)"),
        QStringLiteral("Keyvora 博客(&B)"),
        QStringLiteral("-"),
        QStringLiteral("关于Keyvora(&C)"),
    };
    for (int i = 0; i < help.size(); ++i) {
        const QString name = QStringLiteral("bangzhu1_%1").arg(i);
        QAction* a = help[i] == QStringLiteral("-") ? separator(name) : item(name, help[i]);
        a->setCheckable(false);
        // The links to the maker's other sites are not offered.
        if (i >= 3 && i <= 6)
            a->setVisible(false);
        bangzhu1 << a;
    }
    for (QAction* a : {jijiankaishi, jijiantingzhi, lianxijilu, tuichu})
        a->setCheckable(false);
}

QAction* MenuTree::item(const QString& name, const QString& caption, bool checked) {
    auto* a = new QAction(caption, this);
    a->setObjectName(name);
    a->setCheckable(true);
    a->setChecked(checked);
    return a;
}

QAction* MenuTree::separator(const QString& name) {
    auto* a = new QAction(this);
    a->setObjectName(name);
    a->setSeparator(true);
    return a;
}

int MenuTree::checkedIndex(const QList<QAction*>& group) {
    for (int i = 0; i < group.size(); ++i)
        if (group[i]->isChecked())
            return i;
    return -1;
}

void MenuTree::onChosen(QAction* item, QObject* context, std::function<void()> handler) {
    QObject::connect(item, &QAction::triggered, context, [item, handler](bool checked) {
        // Qt has already flipped a checkable item; put the mark back so that the handler
        // alone decides it.
        if (item->isCheckable())
            item->setChecked(!checked);
        handler();
    });
}

void MenuTree::onChosen(const QList<QAction*>& group, QObject* context,
                        std::function<void(int)> handler) {
    for (int i = 0; i < group.size(); ++i)
        onChosen(group[i], context, [handler, i] { handler(i); });
}
