#include "history/HistoryWindow.h"

#include "history/ChartModule.h"
#include "history/KeyHeatmap.h"
#include "history/PracticeHistory.h"
#include "history/ProgressChart.h"
#include "history/RunsTableModel.h"
#include "look/SongFont.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

HistoryWindow::HistoryWindow(PracticeHistory& history, const ChartModule& charts, QWidget* parent)
    : QWidget(parent, Qt::Window), history_(history) {
    setObjectName(QStringLiteral("lianxijilu"));
    setWindowTitle(QStringLiteral("Keyvora - 练习记录"));
    setFont(SongFont::make(9));
    // Fits a 1024 × 768 screen with its title bar.
    resize(980, 700);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("summary"));
    summary_->setFont(SongFont::make(10.5, true));

    chart_ = charts.create(this, SongFont::make(9));
    QWidget* chartWidget = nullptr;
    if (chart_) {
        chartWidget = chart_->widget();
    } else {
        auto* missing = new QLabel(QStringLiteral("进度图无法显示：缺少图表模块。"), this);
        missing->setAlignment(Qt::AlignCenter);
        chartWidget = missing;
    }
    chartWidget->setMinimumHeight(200);

    heatmap_ = new KeyHeatmap(this);
    weakest_ = new QLabel(this);
    weakest_->setObjectName(QStringLiteral("weakest"));
    weakest_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    weakest_->setFont(SongFont::make(10.5));

    model_ = new RunsTableModel(this);
    sorted_ = new QSortFilterProxyModel(this);
    sorted_->setSourceModel(model_);
    sorted_->setSortRole(Qt::UserRole);
    sorted_->setFilterRole(RunsTableModel::isLessonRole);
    shown_ = new QComboBox(this);
    shown_->setObjectName(QStringLiteral("shown"));
    shown_->addItems(
        {QStringLiteral("练习和课程"), QStringLiteral("只看练习"), QStringLiteral("只看课程")});
    shown_->setAccessibleName(QStringLiteral("显示哪些记录"));
    auto* shownCaption = new QLabel(QStringLiteral("显示(&S)："), this);
    shownCaption->setBuddy(shown_);
    connect(shown_, &QComboBox::currentIndexChanged, this, [this](int i) {
        // The lesson flag reads "true" or "false": runs alone, lessons alone, or both.
        const QString wanted[] = {QString(), QStringLiteral("false"), QStringLiteral("true")};
        sorted_->setFilterFixedString(wanted[std::clamp(i, 0, 2)]);
    });
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("runs"));
    table_->setAccessibleName(QStringLiteral("每次练习的成绩"));
    table_->setModel(sorted_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(RunsTableModel::Date, Qt::DescendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setAlternatingRowColors(true);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setResizeContentsPrecision(64); // not every row of a long history
    // The style's name takes what room is left; the figures keep their width.
    table_->horizontalHeader()->setSectionResizeMode(RunsTableModel::Style, QHeaderView::Stretch);

    table_->setMinimumHeight(150);

    auto* keys = new QHBoxLayout;
    keys->addWidget(heatmap_);
    keys->addSpacing(12);
    keys->addWidget(weakest_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(6);
    layout->addWidget(summary_);
    layout->addWidget(chartWidget, 5);
    layout->addLayout(keys);
    auto* filter = new QHBoxLayout;
    filter->addWidget(shownCaption);
    filter->addWidget(shown_);
    filter->addStretch(1);
    layout->addLayout(filter);
    layout->addWidget(table_, 4);

    reload();
    connect(&history, &PracticeHistory::recorded, this, &HistoryWindow::add);
    connect(&history, &PracticeHistory::learnerChanged, this, &HistoryWindow::reload);
}

void HistoryWindow::reload() {
    const QList<RunRecord> runs = history_.file().load();
    detailed_.clear();
    for (const RunRecord& run : runs)
        if (!run.keys.isEmpty())
            detailed_.append(run);
    model_->setRuns(runs);
    refresh();
}

void HistoryWindow::setTopBar(QWidget* bar) {
    bar->setParent(this);
    static_cast<QVBoxLayout*>(layout())->insertWidget(0, bar);
}

void HistoryWindow::add(const RunRecord& run) {
    model_->append(run);
    detailed_.append(run);
    refresh();
}

void HistoryWindow::refresh() {
    const QList<RunRecord>& runs = model_->runs();
    if (detailed_.size() > 20)
        detailed_.remove(0, detailed_.size() - 20);
    heatmap_->setRuns(detailed_);
    weakest_->setText(heatmap_->weakestKeys(6));
    summary_->setText(summaryText(runs));
    if (!chart_)
        return;
    QList<ProgressPoint> points;
    for (qsizetype i = std::max<qsizetype>(0, runs.size() - chartRuns); i < runs.size(); ++i) {
        const RunRecord& r = runs[i];
        points.append({r.when, r.speed, r.accuracy, r.count, r.hits, r.seconds, r.styleName});
    }
    chart_->setRuns(points);
}

QString HistoryWindow::summaryText(const QList<RunRecord>& runs) {
    if (runs.isEmpty())
        return QStringLiteral("还没有练习记录：每次练习结束后，成绩都会记在这里。");
    double seconds = 0;
    int best = 0;
    for (const RunRecord& r : runs) {
        seconds += r.seconds;
        best = std::max(best, r.speed);
    }
    const qsizetype recent = std::min<qsizetype>(10, runs.size());
    double speed = 0, accuracy = 0;
    for (qsizetype i = runs.size() - recent; i < runs.size(); ++i) {
        speed += runs[i].speed;
        accuracy += runs[i].accuracy;
    }
    const qint64 minutes = std::llround(seconds / 60);
    return QStringLiteral("共练习 %1 次，累计用时 %2 小时 %3 分，最高速度 %4 个/分；"
                          "最近 %5 次平均速度 %6 个/分，平均正确率 %7%")
        .arg(runs.size())
        .arg(minutes / 60)
        .arg(minutes % 60)
        .arg(best)
        .arg(recent)
        .arg(std::lround(speed / recent))
        .arg(std::lround(accuracy / recent));
}
