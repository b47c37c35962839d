#pragma once

#include "history/RunRecord.h"

#include <QAbstractTableModel>

// The runs table of the history window, one row a run or a lesson of the course in file order
// (oldest first); the window shows it through a sorting proxy, newest first. A lesson has no
// level or total; a run no lesson. Qt::UserRole gives each cell's value to sort
// by, so that numbers and dates sort as such.
class RunsTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Date, Style, Lesson, Level, Total, Count, Hits, Accuracy, Time, Speed, Columns };
    // Qt::UserRole + 1 of any cell: whether its row is a lesson of the course.
    static constexpr int isLessonRole = Qt::UserRole + 1;

    explicit RunsTableModel(QObject* parent = nullptr);

    void setRuns(QList<RunRecord> runs);
    void append(const RunRecord& run);
    const QList<RunRecord>& runs() const { return runs_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // "1:02.5": minutes, seconds and tenths of a run's time.
    static QString timeText(double seconds);

private:
    QList<RunRecord> runs_;
};
