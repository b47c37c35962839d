#pragma once

#include <QDialog>

class InputBox;
class Learners;
class MessageBox;
class QListWidget;
class QPushButton;
class Trainer;

// "学员": the learners who share this program. Adds, renames and removes them (removing asks
// first, and keeps the learner's folder among the removed ones) and makes one current. Names are
// entered in the desktop's own input box, where a Chinese input method works as it always does.
class LearnersDialog : public QDialog {
    Q_OBJECT
public:
    LearnersDialog(Trainer& trainer, InputBox& input, MessageBox& messages,
                   QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }

    void addLearner();
    void renameLearner();
    void removeLearner();
    void makeCurrent();

private:
    void refresh();
    int chosenId() const;

    Trainer& trainer_;
    Learners& learners_;
    InputBox& input_;
    MessageBox& messages_;
    QListWidget* list_ = nullptr;
    QPushButton* rename_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* current_ = nullptr;
};
