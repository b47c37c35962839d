#pragma once

#include "history/RunRecord.h"

#include <QWidget>

class ChartModule;
class KeyHeatmap;
class PracticeHistory;
class ProgressChart;
class QComboBox;
class QLabel;
class QSortFilterProxyModel;
class QTableView;
class RunsTableModel;

// "练习记录": the learner's history in a window of its own beside the main window. A summary
// line, the progress chart of the newest runs, the key heatmap of the newest runs and a table of
// every run, newest first; runs of the main window and lessons of the course alike, the table
// showing either alone on request. It reads the record file when it is made and then follows the
// runs that end while it exists.
class HistoryWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int chartRuns = 200;

    HistoryWindow(PracticeHistory& history, const ChartModule& charts, QWidget* parent = nullptr);

    KeyHeatmap& heatmap() const { return *heatmap_; }
    QTableView& table() const { return *table_; }
    // Which records the table shows: both kinds, runs alone, lessons alone.
    QComboBox& shown() const { return *shown_; }
    QLabel& summary() const { return *summary_; }
    // nullptr when the chart module could not be loaded.
    ProgressChart* chart() const { return chart_; }

    // The summary line for these runs.
    static QString summaryText(const QList<RunRecord>& runs);

    // Puts a bar above the summary (the learner, and the ways to take the data out and in).
    void setTopBar(QWidget* bar);

private:
    void add(const RunRecord& run);
    void refresh();
    // Reads the record file again: another learner's, or the same one restored into.
    void reload();

    PracticeHistory& history_;
    RunsTableModel* model_ = nullptr;
    QSortFilterProxyModel* sorted_ = nullptr;
    QTableView* table_ = nullptr;
    QLabel* summary_ = nullptr;
    QComboBox* shown_ = nullptr;
    QLabel* weakest_ = nullptr;
    KeyHeatmap* heatmap_ = nullptr;
    ProgressChart* chart_ = nullptr;
    QList<RunRecord> detailed_; // the newest runs with their key figures
};
