#include "app/PopupMenus.h"

#include "app/CheckMarkMenuStyle.h"
#include "menus/MenuTree.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QStyleFactory>
#include <QWidget>

PopupMenus::PopupMenus(const MenuTree& tree, QWidget* owner)
    : QObject(owner), tree_(tree), owner_(owner) {}

QMenu* PopupMenus::menu(int index) {
    if (!menus_[0])
        build();
    return menus_[std::size_t(index)];
}

void PopupMenus::build() {
    const MenuTree& tree = tree_;
    // The application's own style underneath, so that only the exclusive items' marks change.
    auto* look = new CheckMarkMenuStyle(QStyleFactory::create(QApplication::style()->name()));
    look->setParent(this);
    auto* file = new QMenu(MenuTree::wenjianCaption, owner_);
    file->setStyle(look);
    file->setObjectName(QStringLiteral("wenjian"));
    file->addActions({tree.jijiankaishi, tree.jijiantingzhi, tree.lianxijilu, tree.kechenglianxi,
                      tree.xian1, tree.tuichu});

    auto* options = new QMenu(MenuTree::xuanxiangCaption, owner_);
    options->setObjectName(QStringLiteral("xuanxiang"));
    options->setStyle(look);
    const auto submenu = [options, look](const QString& caption, const QString& name,
                                         const QList<QAction*>& items) {
        QMenu* sub = options->addMenu(caption);
        sub->setObjectName(name);
        sub->setStyle(look);
        sub->addActions(items);
    };
    submenu(MenuTree::fenggeCaption, QStringLiteral("fengge"), tree.fengge1);
    submenu(MenuTree::jijianshengyinCaption, QStringLiteral("jijianshengyin"), tree.shengyin1);
    submenu(MenuTree::lianxijibieCaption, QStringLiteral("lianxijibie"), tree.jibie);
    submenu(MenuTree::zifuzongshuCaption, QStringLiteral("zifuzongshu"), tree.zongshu);
    options->addActions({tree.xian6, tree.zhifa, tree.cuowushengyin, tree.beijingyinyue,
                         tree.xian11, tree.bofangwubi});
    submenu(MenuTree::banciCaption, QStringLiteral("banci"), tree.banci1);
    options->addActions({tree.xian7, tree.huifu, tree.yicuojian});

    auto* help = new QMenu(MenuTree::bangzhuCaption, owner_);
    help->setObjectName(QStringLiteral("bangzhu"));
    help->setStyle(look);
    help->addActions(tree.bangzhu1);

    menus_ = {file, options, help};
}
