#pragma once

#include "platform/Platform.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QPushButton;
class Trainer;

// The current learner at the top of the history and course windows: a list to switch to another
// learner, "管理学员..." for the learners dialog, and in the history window the ways to take the
// learner's data out and back in: "导出..." (CSV, with the key figures if checked), "备份..." and
// "恢复..." (into the current learner or a new one).
class LearnerBar : public QWidget {
    Q_OBJECT
public:
    LearnerBar(Trainer& trainer, const Platform& platform, bool withData,
               QWidget* parent = nullptr);

    QComboBox* learners() const { return learners_; }
    QCheckBox* withKeys() const { return withKeys_; }

    void manage();
    void exportRecords();
    void backUp();
    // Restores a backup chosen in the file dialog into the current learner or a new one.
    void restore(bool asNewLearner);

private:
    void refresh();

    Trainer& trainer_;
    Platform platform_;
    QComboBox* learners_ = nullptr;
    QCheckBox* withKeys_ = nullptr;
};
