#pragma once

#include <QObject>
#include <QPoint>

#include <array>

class FingerHints;
class QPushButton;
class QStyle;
class QWidget;

// The finger buttons `Command2` (0..7, left little finger to right little finger) and the two
// Shift buttons `Command3` (0 left, 1 right) below the practice area. They only show which
// finger to use; clicking them does nothing and they never take the keyboard focus. The course
// window lays the same row below its keyboard, `origin` (twips) to the left of and above where
// the main window has it.
class FingerPanel : public QObject {
    Q_OBJECT
public:
    FingerPanel(QWidget* window, const FingerHints& indicators, QPoint origin = {});

    QPushButton* finger(int i) const { return fingers_[std::size_t(i)]; }
    QPushButton* shift(int i) const { return shifts_[std::size_t(i)]; }

    static bool isLit(const QPushButton* button);
    // "左手食指": finger 0..7 as its button names it.
    static QString fingerName(int i);

private:
    void refresh();

    const FingerHints& indicators_;
    QStyle* style_ = nullptr;
    std::array<QPushButton*, 8> fingers_{};
    std::array<QPushButton*, 2> shifts_{};
};
