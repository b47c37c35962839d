#pragma once

#include <QObject>

#include <array>

class MenuTree;
class QMenu;
class QWidget;

// The three menus built from the menu tree. They appear only as pop-ups: under the drawn menu
// bar, or at the pointer after a right click or Alt+A.
class PopupMenus : public QObject {
    Q_OBJECT
public:
    PopupMenus(const MenuTree& tree, QWidget* owner);

    QMenu* wenjian() const { return menus_[0]; }
    QMenu* xuanxiang() const { return menus_[1]; }
    QMenu* bangzhu() const { return menus_[2]; }
    QMenu* menu(int index) const { return menus_[std::size_t(index)]; }

private:
    std::array<QMenu*, 3> menus_{};
};
