#pragma once

#include <QObject>

class FallingLabel;
class KeyboardModel;
class KeyboardView;
class QFrame;
class QLabel;
class QWidget;

// The practice area `Picture1`: the keyboard frame on top, and beneath it the falling character
// `xialuozifu` and the countdown pair `daojishi` (3, 4) that the falling styles show.
class PracticeArea : public QObject {
    Q_OBJECT
public:
    PracticeArea(QWidget* window, const FallingLabel& falling, const KeyboardModel& keys);

    QFrame* frame() const { return picture1_; }
    KeyboardView* keyboard() const { return keyboard_; }
    QLabel* fallingLabel() const { return xialuozifu_; }
    QLabel* countdownLabel(int i) const; // 3 or 4

    // Both countdown pairs, the keyboard's and the practice area's, show and hide together.
    void setCountdown(bool visible, const QString& number);
    void setKeyboardShown(bool shown);

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void contextMenuRequested(const QPoint& globalPos);

private:
    void showFalling();

    const FallingLabel& falling_;
    QFrame* picture1_ = nullptr;
    KeyboardView* keyboard_ = nullptr;
    QLabel* xialuozifu_ = nullptr;
    double xialuozifuPoints_ = -1; // the size its font was last made in
    QLabel* daojishi3_ = nullptr;
    QLabel* daojishi4_ = nullptr;
};
