#pragma once

#include <QObject>

#include <array>

class MenuTree;
class QMenu;
class QWidget;

// The three menus built from the menu tree. They appear only as pop-ups: under the drawn menu
// bar, or at the pointer after a right click or Alt+A. They are built when first needed, so
// they cost the start-up nothing.
class PopupMenus : public QObject {
    Q_OBJECT
public:
    PopupMenus(const MenuTree& tree, QWidget* owner);

    QMenu* wenjian() { return menu(0); }
    QMenu* xuanxiang() { return menu(1); }
    QMenu* bangzhu() { return menu(2); }
    // 0 the file menu, 1 the options menu, 2 the help menu.
    QMenu* menu(int index);

private:
    void build();

    const MenuTree& tree_;
    QWidget* owner_;
    std::array<QMenu*, 3> menus_{};
};
