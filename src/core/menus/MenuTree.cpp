#include "menus/MenuTree.h"

#include "settings/Options.h"

#include <QAction>
#include <QActionGroup>

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

MenuTree::MenuTree(const Options& options, QObject* parent) : QObject(parent), options_(options) {
    jijiankaishi = item(QStringLiteral("jijiankaishi"), QStringLiteral("开始(&S)"));
    jijiantingzhi = item(QStringLiteral("jijiantingzhi"), QStringLiteral("停止(&C)"));
    lianxijilu = item(QStringLiteral("lianxijilu"), QStringLiteral("练习记录(&R)..."));
    kechenglianxi = item(QStringLiteral("kechenglianxi"), QStringLiteral("课程练习(&L)..."));
    xian1 = separator(QStringLiteral("xian1"));
    tuichu = item(QStringLiteral("tuichu"), QStringLiteral("退出(&X)"));

    const QStringList& styles = Options::styleCaptions();
    for (int i = 0; i < styles.size(); ++i) {
        const QString name = QStringLiteral("fengge1_%1").arg(i);
        fengge1 << (i == Options::styleSeparator ? separator(name) : item(name, styles[i]));
    }

    const QStringList& sounds = Options::soundCaptions();
    for (int i = 0; i < sounds.size(); ++i)
        shengyin1 << item(QStringLiteral("shengyin1_%1").arg(i), sounds[i]);

    for (int i = 0; i < Options::levelCount; ++i)
        jibie << item(QStringLiteral("jibie_%1").arg(i), QString::number(i + 1));

    const QStringList& totals = Options::totalCaptions();
    for (int i = 0; i < totals.size(); ++i)
        zongshu << item(QStringLiteral("zongshu_%1").arg(i), totals[i]);

    xian6 = separator(QStringLiteral("xian6"));
    zhifa = item(QStringLiteral("zhifa"), QStringLiteral("显示指法(&F)"));
    cuowushengyin = item(QStringLiteral("cuowushengyin"), QStringLiteral("打开错误警示音效(&C)"));
    beijingyinyue = item(QStringLiteral("beijingyinyue"), QStringLiteral("打开背景音乐(&B)"));
    xian11 = separator(QStringLiteral("xian11"));
    bofangwubi = item(QStringLiteral("bofangwubi"), bofangCaption);
    bofangwubi->setCheckable(false);
    banci1 << item(QStringLiteral("banci1_0"), QStringLiteral("86版(&A)"));
    banci1 << item(QStringLiteral("banci1_1"), QStringLiteral("98版(&B)"));
    xian7 = separator(QStringLiteral("xian7"));
    huifu = item(QStringLiteral("huifu"), QStringLiteral("恢复菜单默认设置(&H)"));
    huifu->setCheckable(false);
    yicuojian = item(QStringLiteral("yicuojian"), QStringLiteral("重点练习易错键(&Z)"));

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
    for (QAction* a : {jijiankaishi, jijiantingzhi, lianxijilu, kechenglianxi, tuichu})
        a->setCheckable(false);
    bindOptions();
}

QActionGroup* MenuTree::exclusive(const QList<QAction*>& group) {
    auto* radio = new QActionGroup(this);
    for (QAction* a : group)
        if (!a->isSeparator())
            radio->addAction(a);
    return radio;
}

void MenuTree::bindOptions() {
    for (const QList<QAction*>* group : {&fengge1, &shengyin1, &jibie, &zongshu, &banci1})
        exclusive(*group);
    showOptions();
    const Options* o = &options_;
    connect(o, &Options::fenggeChanged, this, [this](int i) { fengge1[i]->setChecked(true); });
    connect(o, &Options::shengyinChanged, this, [this](int i) { shengyin1[i]->setChecked(true); });
    connect(o, &Options::levelChanged, this,
            [this](int level) { jibie[level - 1]->setChecked(true); });
    connect(o, &Options::totalChanged, this,
            [this] { zongshu[options_.zongshu()]->setChecked(true); });
    connect(o, &Options::zhifaChanged, zhifa, &QAction::setChecked);
    connect(o, &Options::cuowushengyinChanged, cuowushengyin, &QAction::setChecked);
    connect(o, &Options::beijingyinyueChanged, beijingyinyue, &QAction::setChecked);
    connect(o, &Options::banciChanged, this,
            [this](int edition) { banci1[edition == 86 ? 0 : 1]->setChecked(true); });
    connect(o, &Options::yicuojianChanged, yicuojian, &QAction::setChecked);
    connect(o, &Options::recitingChanged, this, &MenuTree::showOptions);
}

void MenuTree::showOptions() {
    const Options& o = options_;
    fengge1[o.fengge()]->setChecked(true);
    shengyin1[o.shengyin()]->setChecked(true);
    jibie[o.level() - 1]->setChecked(true);
    zongshu[o.zongshu()]->setChecked(true);
    banci1[o.banci() == 86 ? 0 : 1]->setChecked(true);
    zhifa->setChecked(o.zhifa());
    cuowushengyin->setChecked(o.cuowushengyin());
    beijingyinyue->setChecked(o.beijingyinyue());
    yicuojian->setChecked(o.yicuojian());
    // While the recitation plays, its channel is busy: the music item shows it, but cannot be
    // chosen.
    beijingyinyue->setEnabled(!o.reciting());
    bofangwubi->setText(o.reciting() ? tingzhiCaption : bofangCaption);
}

QAction* MenuTree::item(const QString& name, const QString& caption) {
    auto* a = new QAction(caption, this);
    a->setObjectName(name);
    a->setCheckable(true);
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
    QObject::connect(item, &QAction::triggered, context, [this, handler] {
        // Qt has already moved the mark; the handler decides the model, and the marks then
        // show the model, whatever the handler did.
        handler();
        showOptions();
    });
}

void MenuTree::onChosen(const QList<QAction*>& group, QObject* context,
                        std::function<void(int)> handler) {
    for (int i = 0; i < group.size(); ++i)
        onChosen(group[i], context, [handler, i] { handler(i); });
}
