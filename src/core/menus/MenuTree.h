#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QActionGroup;
class Options;

// Every item of the three menus, by the names the rest of the program uses. The check marks,
// the music item's enabled state and the recitation caption show the options model: a change
// of the model moves them, and a click runs its handler, which alone decides the model, after
// which the marks show the model again.
class MenuTree : public QObject {
    Q_OBJECT
public:
    explicit MenuTree(const Options& options, QObject* parent = nullptr);

    // File menu "文件(&F)".
    QAction* jijiankaishi = nullptr;  // 开始
    QAction* jijiantingzhi = nullptr; // 停止
    QAction* lianxijilu = nullptr;    // 练习记录: opens the history window
    QAction* kechenglianxi = nullptr; // 课程练习: opens the course window
    QAction* xian1 = nullptr;
    QAction* tuichu = nullptr; // 退出

    // Options menu "选项".
    QList<QAction*> fengge1;   // display styles 0..11, item 4 a separator
    QList<QAction*> shengyin1; // key-sound modes 0..8
    QList<QAction*> jibie;     // levels 0..19
    QList<QAction*> zongshu;   // totals 0..11
    QAction* xian6 = nullptr;
    QAction* zhifa = nullptr;         // 显示指法
    QAction* cuowushengyin = nullptr; // 打开错误警示音效
    QAction* beijingyinyue = nullptr; // 打开背景音乐
    QAction* xian11 = nullptr;
    QAction* bofangwubi = nullptr; // 播放五笔口诀 / 停止五笔口诀
    QList<QAction*> banci1;        // 86 and 98 editions
    QAction* xian7 = nullptr;
    QAction* huifu = nullptr;     // 恢复菜单默认设置
    QAction* yicuojian = nullptr; // 重点练习易错键: draw weak keys more often

    // Help menu "帮助".
    QList<QAction*> bangzhu1; // 0..8

    // Captions of the top-level menus and of the submenus that hold the item arrays.
    static const QString wenjianCaption;
    static const QString xuanxiangCaption;
    static const QString bangzhuCaption;
    static const QString fenggeCaption;
    static const QString jijianshengyinCaption;
    static const QString lianxijibieCaption;
    static const QString zifuzongshuCaption;
    static const QString banciCaption;

    static const QString bofangCaption;  // "播放五笔口诀(&W)"
    static const QString tingzhiCaption; // "停止五笔口诀(&W)"

    // The index of the first checked item of a group, or -1 when none is checked.
    static int checkedIndex(const QList<QAction*>& group);

    // Runs the handler when the user chooses the item; the marks then show the model again.
    void onChosen(QAction* item, QObject* context, std::function<void()> handler);
    // Runs the handler with the item's index when the user chooses an item of the group.
    void onChosen(const QList<QAction*>& group, QObject* context, std::function<void(int)> handler);

    // Sets every check mark, the music item's enabled state and the recitation caption from the
    // model.
    void showOptions();

private:
    QAction* item(const QString& name, const QString& caption);
    QAction* separator(const QString& name);
    QActionGroup* exclusive(const QList<QAction*>& group);
    void bindOptions();

    const Options& options_;
};
