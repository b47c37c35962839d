#pragma once

#include "history/ProgressChart.h"

#include <QChartView>

class QLineSeries;
class QScatterSeries;
class QValueAxis;

// Speed (left axis, 个/分) and accuracy (right axis, %) of each run as points, with the moving
// average of the last ten runs as a line; hovering a point shows that run's figures.
class ProgressChartView : public QChartView, public ProgressChart {
public:
    static constexpr int averageOf = 10;

    ProgressChartView(QWidget* parent, const QFont& font);

    QWidget* widget() override { return this; }
    void setRuns(const QList<ProgressPoint>& runs) override;

private:
    void showRun(const QPointF& point, bool entered);

    QList<ProgressPoint> runs_;
    QScatterSeries* speedPoints_ = nullptr;
    QScatterSeries* accuracyPoints_ = nullptr;
    QLineSeries* speedAverage_ = nullptr;
    QLineSeries* accuracyAverage_ = nullptr;
    QValueAxis* runAxis_ = nullptr;
    QValueAxis* speedAxis_ = nullptr;
    QValueAxis* accuracyAxis_ = nullptr;
};
