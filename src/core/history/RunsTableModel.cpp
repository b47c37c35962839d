#include "history/RunsTableModel.h"

#include <cmath>

RunsTableModel::RunsTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void RunsTableModel::setRuns(QList<RunRecord> runs) {
    beginResetModel();
    runs_ = std::move(runs);
    endResetModel();
}

void RunsTableModel::append(const RunRecord& run) {
    beginInsertRows({}, int(runs_.size()), int(runs_.size()));
    runs_.append(run);
    endInsertRows();
}

int RunsTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(runs_.size());
}

int RunsTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

QString RunsTableModel::timeText(double seconds) {
    const qint64 tenths = std::llround(seconds * 10);
    return QStringLiteral("%1:%2.%3")
        .arg(tenths / 600)
        .arg(tenths / 10 % 60, 2, 10, QLatin1Char('0'))
        .arg(tenths % 10);
}

QVariant RunsTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= runs_.size())
        return {};
    const RunRecord& r = runs_[index.row()];
    if (role == isLessonRole)
        return r.isLesson();
    if (role == Qt::TextAlignmentRole)
        return index.column() <= Lesson ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                        : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::UserRole && role != Qt::AccessibleTextRole)
        return {};
    const bool sortValue = role == Qt::UserRole;
    switch (index.column()) {
    case Date:
        return sortValue ? QVariant(r.when) : r.when.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    case Style:
        return r.styleName;
    case Lesson:
        return r.lessonName;
    case Level:
        return r.isLesson() ? QVariant(sortValue ? QVariant(-1) : QVariant(QString())) : r.level;
    case Total:
        return r.isLesson() ? QVariant(sortValue ? QVariant(-1) : QVariant(QString())) : r.total;
    case Count:
        return r.count;
    case Hits:
        return r.hits;
    case Accuracy:
        return sortValue ? QVariant(r.accuracy) : QVariant(QStringLiteral("%1%").arg(r.accuracy));
    case Time:
        return sortValue ? QVariant(r.seconds) : QVariant(timeText(r.seconds));
    case Speed:
        return r.speed;
    default:
        return {};
    }
}

QVariant RunsTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const QStringList titles = {QStringLiteral("日期"), QStringLiteral("风格"),
                                       QStringLiteral("课程"), QStringLiteral("级别"),
                                       QStringLiteral("总数"), QStringLiteral("计数"),
                                       QStringLiteral("击中"), QStringLiteral("正确率"),
                                       QStringLiteral("用时"), QStringLiteral("速度（个/分）")};
    return section >= 0 && section < titles.size() ? QVariant(titles[section]) : QVariant();
}
