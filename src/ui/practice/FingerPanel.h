#pragma once

#include <QObject>

#include <array>

class FingerIndicators;
class QPushButton;
class QStyle;
class QWidget;

// The finger buttons `Command2` (0..7, left little finger to right little finger) and the two
// Shift buttons `Command3` (0 left, 1 right) below the practice area. They only show which
// finger to use; clicking them does nothing and they never take the keyboard focus.
class FingerPanel : public QObject {
    Q_OBJECT
public:
    FingerPanel(QWidget* window, const FingerIndicators& indicators);

    QPushButton* finger(int i) const { return fingers_[std::size_t(i)]; }
    QPushButton* shift(int i) const { return shifts_[std::size_t(i)]; }

    static bool isLit(const QPushButton* button);

private:
    void refresh();

    const FingerIndicators& indicators_;
    QStyle* style_ = nullptr;
    std::array<QPushButton*, 8> fingers_{};
    std::array<QPushButton*, 2> shifts_{};
};
