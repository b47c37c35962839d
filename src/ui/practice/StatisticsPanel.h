#pragma once

#include "practice/PracticeState.h"

#include <QMap>
#include <QObject>

class QGroupBox;
class QLabel;
class QWidget;
class StatisticsTicker;

// The statistics panel `Frame1` ("测试项目"): captions and units in `Label2`, the figures in
// `Label3`. It is the one place where the run's numbers become texts: the level and total as
// the options model holds them, the clock whenever the run time moves, and the count, hits,
// accuracy and speed at every tick of the statistics timer.
class StatisticsPanel : public QObject {
    Q_OBJECT
public:
    StatisticsPanel(QWidget* window, const PracticeState& state, const StatisticsTicker& ticker);

    QGroupBox* frame() const { return frame1_; }
    // Label2(i) for the captions, units and the tenths; Label3(i) for the figures.
    QLabel* caption(int i) const { return label2_.value(i); }
    QLabel* value(int i) const { return label3_.value(i); }
    // The text a value label shows.
    QString text(StatLabel which) const;

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void contextMenuRequested(const QPoint& globalPos);
    void hovered();

private:
    QLabel* labelFor(StatLabel which) const;
    void show(StatLabel which, const QString& text);
    void showLevel();
    void showTotal();
    void showClock();
    void showFigures();

    const PracticeState& state_;
    QGroupBox* frame1_ = nullptr;
    QMap<int, QLabel*> label2_;
    QMap<int, QLabel*> label3_;
};
