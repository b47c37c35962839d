#pragma once

#include <QStandardItemModel>

class CoursePractice;

// The course as the window's list shows it: a row for each stage, holding a row for each of its
// lessons with its standing ("未解锁", "可以练习", "已过关" with the best speed and accuracy).
// Item views read it to screen readers and walk it with the keyboard.
class CourseListModel : public QStandardItemModel {
    Q_OBJECT
public:
    static constexpr int idRole = Qt::UserRole + 1;

    explicit CourseListModel(QObject* parent = nullptr);

    // Fills the rows anew from the course, keeping the rows already there where it can.
    void refresh(const CoursePractice& course);

    QModelIndex indexOf(const QString& lessonId) const;
    static QString idAt(const QModelIndex& index);

    // "已过关 85个/分 98%" (the best speed and accuracy), as a lesson's standing reads.
    static QString standingText(const CoursePractice& course, const QString& lessonId);
};
