#pragma once

#include <QObject>

#include <array>

class PopupMenus;
class QColor;
class QFrame;
class QLabel;
class QWidget;

// The drawn menu bar: three labels at the top left of the window that open the three menus
// below themselves, with one highlight rectangle (`Shape1`) behind them.
class MenuBarPanel : public QObject {
    Q_OBJECT
public:
    MenuBarPanel(QWidget* window, PopupMenus& menus);

    // Pointer over label i: the highlight moves there in the hover colour, unless it already
    // stands at that label.
    void hoverLabel(int i);
    // Left-button release on label i: pressed colour, and the label's menu opens below it.
    void releaseLabel(int i);
    // Pointer over the window surface, a frame or the title banner.
    void hideHighlight();

    QLabel* label(int i) const { return labels_[std::size_t(i)]; }
    QFrame* highlight() const { return shape1_; }
    bool highlightVisible() const;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place(int i, const QColor& colour);

    QWidget* window_;
    PopupMenus& menus_;
    std::array<QLabel*, 3> labels_{};
    QFrame* shape1_ = nullptr;
};
