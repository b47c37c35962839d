#pragma once

#include <QDateTime>
#include <QFont>
#include <QList>
#include <QString>

class QWidget;

// One run as the progress chart shows it.
struct ProgressPoint {
    QDateTime when;
    int speed = 0;    // characters a minute
    int accuracy = 0; // %
    int count = 0;
    int hits = 0;
    double seconds = 0;
    QString styleName;
};

// The progress chart of the history window: speed and accuracy per run, each with its moving
// average. It lives in a module of its own (it needs Qt Charts), loaded when the window first
// opens, so the program does not pay for Qt Charts at start-up.
class ProgressChart {
public:
    virtual ~ProgressChart() = default;
    virtual QWidget* widget() = 0;
    // The runs, oldest first; the chart shows them all.
    virtual void setRuns(const QList<ProgressPoint>& runs) = 0;
};

// The one function the module exports. The chart's widget is a child of parent.
extern "C" {
using CreateProgressChart = ProgressChart* (*)(QWidget* parent, const QFont& font);
}
inline constexpr char createProgressChartSymbol[] = "keyvora_create_progress_chart";
