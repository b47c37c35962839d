#include "course/CourseListModel.h"

#include "course/CoursePractice.h"

namespace {

const QColor lockedColour(128, 128, 128);
const QColor passedColour(0, 128, 0);

QString unitOf(const CourseLesson& lesson) {
    return lesson.unit == CourseLesson::Unit::Characters ? QStringLiteral("字/分")
                                                         : QStringLiteral("个/分");
}

} // namespace

CourseListModel::CourseListModel(QObject* parent) : QStandardItemModel(parent) {
    setHorizontalHeaderLabels({QStringLiteral("课程"), QStringLiteral("状态")});
}

QString CourseListModel::standingText(const CoursePractice& course, const QString& lessonId) {
    const CourseLesson* lesson = course.lesson(lessonId);
    if (!lesson)
        return QString();
    const CourseProgress::Lesson figures = course.progress().lesson(lessonId);
    switch (course.standing(lessonId)) {
    case CoursePractice::Standing::Locked:
        return QStringLiteral("未解锁");
    case CoursePractice::Standing::Passed:
        return QStringLiteral("已过关 %1%2 %3%")
            .arg(figures.bestSpeed)
            .arg(unitOf(*lesson))
            .arg(figures.bestAccuracy);
    case CoursePractice::Standing::Open:
        break;
    }
    if (figures.attempts > 0)
        return QStringLiteral("最好 %1%2 %3%")
            .arg(figures.bestSpeed)
            .arg(unitOf(*lesson))
            .arg(figures.bestAccuracy);
    return QStringLiteral("可以练习");
}

void CourseListModel::refresh(const CoursePractice& course) {
    const QList<CourseStage>& stages = course.stages();
    // Rows are rebuilt only when the course's shape changed (a text added or removed); otherwise
    // only their texts change, so the view keeps its selection and scroll position.
    bool sameShape = rowCount() == stages.size();
    for (int s = 0; sameShape && s < stages.size(); ++s)
        sameShape = item(s)->rowCount() == stages[s].lessons.size() &&
                    item(s)->data(idRole).toString() == stages[s].id;
    if (!sameShape) {
        removeRows(0, rowCount());
        for (const CourseStage& stage : stages) {
            auto* stageItem = new QStandardItem;
            stageItem->setData(stage.id, idRole);
            stageItem->setEditable(false);
            auto* stageStanding = new QStandardItem;
            stageStanding->setEditable(false);
            for (const CourseLesson& lesson : stage.lessons) {
                auto* name = new QStandardItem(
                    QStringLiteral("第 %1 课  %2").arg(lesson.number).arg(lesson.name));
                name->setData(lesson.id, idRole);
                name->setEditable(false);
                auto* standing = new QStandardItem;
                standing->setData(lesson.id, idRole);
                standing->setEditable(false);
                stageItem->appendRow({name, standing});
            }
            appendRow({stageItem, stageStanding});
        }
    }
    for (int s = 0; s < stages.size(); ++s) {
        const CourseStage& stage = stages[s];
        int passed = 0;
        for (int l = 0; l < stage.lessons.size(); ++l) {
            const QString& id = stage.lessons[l].id;
            const CoursePractice::Standing standing = course.standing(id);
            passed += standing == CoursePractice::Standing::Passed ? 1 : 0;
            const QColor colour = standing == CoursePractice::Standing::Locked ? lockedColour
                                  : standing == CoursePractice::Standing::Passed
                                      ? passedColour
                                      : QColor(Qt::black);
            for (int column = 0; column < 2; ++column) {
                QStandardItem* cell = item(s)->child(l, column);
                if (column == 1)
                    cell->setText(standingText(course, id));
                cell->setForeground(colour);
            }
        }
        item(s)->setText(
            stage.lessons.isEmpty()
                ? QStringLiteral("%1（还没有导入文本）").arg(stage.name)
                : QStringLiteral("%1（%2 课）").arg(stage.name).arg(stage.lessons.size()));
        item(s, 1)->setText(
            stage.lessons.isEmpty()
                ? QString()
                : QStringLiteral("已过关 %1/%2").arg(passed).arg(stage.lessons.size()));
    }
}

QModelIndex CourseListModel::indexOf(const QString& lessonId) const {
    for (int s = 0; s < rowCount(); ++s)
        for (int l = 0; l < item(s)->rowCount(); ++l)
            if (item(s)->child(l)->data(idRole).toString() == lessonId)
                return item(s)->child(l)->index();
    return QModelIndex();
}

QString CourseListModel::idAt(const QModelIndex& index) {
    // Stage rows carry their stage's id, lesson rows their lesson's; only lesson rows have a
    // parent.
    return index.parent().isValid() ? index.data(idRole).toString() : QString();
}
