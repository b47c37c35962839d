#include "history/charts/ProgressChartView.h"

#include <QChart>
#include <QCursor>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

const QColor speedColour(31, 119, 180);
const QColor accuracyColour(214, 96, 0);

} // namespace

ProgressChartView::ProgressChartView(QWidget* parent, const QFont& font) : QChartView(parent) {
    setObjectName(QStringLiteral("progressChart"));
    setRenderHint(QPainter::Antialiasing);
    auto* chart = new QChart;
    chart->setFont(font);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setFont(font);
    chart->legend()->setAlignment(Qt::AlignTop);
    chart->setBackgroundRoundness(0);

    const auto points = [&](const QString& name, const QColor& colour) {
        auto* s = new QScatterSeries;
        s->setName(name);
        s->setColor(colour);
        s->setBorderColor(colour);
        s->setMarkerSize(6);
        connect(s, &QScatterSeries::hovered, this, &ProgressChartView::showRun);
        return s;
    };
    const auto line = [&](const QString& name, const QColor& colour) {
        auto* s = new QLineSeries;
        s->setName(name);
        s->setPen(QPen(colour, 2));
        return s;
    };
    speedPoints_ = points(QStringLiteral("速度（个/分）"), speedColour);
    speedAverage_ = line(QStringLiteral("速度，十次平均"), speedColour);
    accuracyPoints_ = points(QStringLiteral("正确率（%）"), accuracyColour);
    accuracyAverage_ = line(QStringLiteral("正确率，十次平均"), accuracyColour);

    const auto axis = [&](const QString& title, const QColor& colour) {
        auto* a = new QValueAxis;
        a->setTitleText(title);
        a->setTitleFont(font);
        a->setLabelsFont(font);
        a->setLabelFormat(QStringLiteral("%d"));
        a->setLabelsColor(colour);
        return a;
    };
    runAxis_ = axis(QStringLiteral("练习次序"), Qt::black);
    speedAxis_ = axis(QStringLiteral("个/分"), speedColour);
    accuracyAxis_ = axis(QStringLiteral("%"), accuracyColour);
    accuracyAxis_->setRange(0, 100);
    accuracyAxis_->setTickCount(6);
    runAxis_->setTickType(QValueAxis::TicksDynamic);
    runAxis_->setTickAnchor(1);
    chart->addAxis(runAxis_, Qt::AlignBottom);
    chart->addAxis(speedAxis_, Qt::AlignLeft);
    chart->addAxis(accuracyAxis_, Qt::AlignRight);
    // Points first, so the averages are drawn over them.
    for (QXYSeries* s :
         {static_cast<QXYSeries*>(speedPoints_), static_cast<QXYSeries*>(speedAverage_),
          static_cast<QXYSeries*>(accuracyPoints_), static_cast<QXYSeries*>(accuracyAverage_)}) {
        chart->addSeries(s);
        s->attachAxis(runAxis_);
        const bool speed = s == speedPoints_ || s == speedAverage_;
        s->attachAxis(speed ? speedAxis_ : accuracyAxis_);
    }
    setChart(chart);
}

void ProgressChartView::setRuns(const QList<ProgressPoint>& runs) {
    runs_ = runs;
    QList<QPointF> speed, accuracy, speedAverage, accuracyAverage;
    double speedSum = 0, accuracySum = 0;
    int top = 10;
    for (qsizetype i = 0; i < runs.size(); ++i) {
        const double x = double(i + 1);
        speed.append({x, double(runs[i].speed)});
        accuracy.append({x, double(runs[i].accuracy)});
        speedSum += runs[i].speed;
        accuracySum += runs[i].accuracy;
        if (i >= averageOf) {
            speedSum -= runs[i - averageOf].speed;
            accuracySum -= runs[i - averageOf].accuracy;
        }
        const double n = double(std::min<qsizetype>(i + 1, averageOf));
        speedAverage.append({x, speedSum / n});
        accuracyAverage.append({x, accuracySum / n});
        top = std::max(top, runs[i].speed);
    }
    speedPoints_->replace(speed);
    accuracyPoints_->replace(accuracy);
    speedAverage_->replace(speedAverage);
    accuracyAverage_->replace(accuracyAverage);
    // A tick on whole run numbers, at most about ten of them.
    runAxis_->setRange(0.5, std::max<double>(runs.size(), 1) + 0.5);
    double step = 1;
    for (double s : {1, 2, 5, 10, 20, 50, 100})
        if (runs.size() / s <= 10) {
            step = s;
            break;
        }
    runAxis_->setTickInterval(step);
    speedAxis_->setRange(0, top * 1.1);
    speedAxis_->applyNiceNumbers();
}

void ProgressChartView::showRun(const QPointF& point, bool entered) {
    const qsizetype i = qsizetype(std::lround(point.x())) - 1;
    if (!entered || i < 0 || i >= runs_.size()) {
        QToolTip::hideText();
        return;
    }
    const ProgressPoint& run = runs_[i];
    QToolTip::showText(
        QCursor::pos(),
        QStringLiteral("%1\n%2\n速度 %3 个/分，正确率 %4%\n击中 %5 / %6，用时 %7 秒")
            .arg(run.when.toString(QStringLiteral("yyyy-MM-dd HH:mm")), run.styleName)
            .arg(run.speed)
            .arg(run.accuracy)
            .arg(run.hits)
            .arg(run.count)
            .arg(run.seconds, 0, 'f', 1),
        this);
}

extern "C" Q_DECL_EXPORT ProgressChart* keyvora_create_progress_chart(QWidget* parent,
                                                                      const QFont& font) {
    return new ProgressChartView(parent, font);
}
