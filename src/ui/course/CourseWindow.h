#pragma once

#include "course/CoursePractice.h"
#include "texts/TextLibrary.h"

#include <QPointer>
#include <QWidget>

class ChineseLessonView;
class CourseListModel;
class FingerPanel;
class KeyboardView;
class LessonFiguresPanel;
class LessonResultPanel;
class LessonTextView;
class Options;
class PracticeHistory;
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTreeView;
class QWindow;

// "课程练习": the course in a window of its own beside the main window. The stages and lessons on
// the left; on the right the lesson's text, the drawn keyboard with the next key lit and the
// finger hint below it, the live figures, and after the lesson its result.
//
// While a lesson waits for keys every key that types goes to it, whichever control has the focus;
// Esc pauses it, and then the keyboard walks the list and the buttons until a key that types
// resumes it. Keys with Ctrl or Alt stay the window's (the buttons' access keys).
class CourseWindow : public QWidget {
    Q_OBJECT
public:
    CourseWindow(const Platform& platform, Options& options, PracticeHistory& history,
                 const LearnerFiles& files = LearnerFiles(), QWidget* parent = nullptr);
    ~CourseWindow() override;

    CoursePractice& course() { return *course_; }
    TextLibrary& texts() { return *texts_; }

    QTreeView* list() const { return list_; }
    CourseListModel* listModel() const { return model_; }
    LessonTextView* textView() const { return text_; }
    ChineseLessonView* chineseView() const { return chinese_; }
    QListWidget* missBook() const { return missBook_; }
    LessonResultPanel* resultPanel() const { return result_; }
    LessonFiguresPanel* figures() const { return figures_; }
    KeyboardView* keyboard() const { return keyboard_; }
    FingerPanel* fingers() const { return fingers_; }
    QLabel* title() const { return title_; }
    QLabel* marks() const { return marks_; }
    QCheckBox* unlockAll() const { return unlockAll_; }

    // Puts the first lesson not yet passed on display, the first time only.
    void openCourse();
    // Puts a bar above the course (the learner).
    void setTopBar(QWidget* bar);
    // Another learner is current, or the current one's files changed: the course, its texts and
    // its 错字本 are read anew, and the new learner's first lesson not yet passed is put on
    // display.
    void setLearner(const LearnerFiles& files);

    // The buttons' actions, also reachable by their access keys.
    void importText();
    void pasteText();
    void removeText();

    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildList();
    QWidget* buildPractice();
    void disableInputMethods();
    void showLesson();
    void showProgress();
    void showFigures();
    void showResult();
    void showStandings();
    void showMissBook();
    void showVerse(int keyIndex);
    void startSelected();
    void loadTexts();
    void showAdded(const TextLibrary::Outcome& added);
    bool handleKey(QKeyEvent* key);

    Platform platform_;
    const Options& options_;
    std::unique_ptr<CoursePractice> course_;
    std::unique_ptr<TextLibrary> texts_;
    QTreeView* list_ = nullptr;
    CourseListModel* model_ = nullptr;
    QCheckBox* unlockAll_ = nullptr;
    QPushButton* import_ = nullptr;
    QPushButton* paste_ = nullptr;
    QPushButton* remove_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* marks_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    QWidget* lessonPage_ = nullptr;
    LessonTextView* text_ = nullptr;
    ChineseLessonView* chinese_ = nullptr;
    QListWidget* missBook_ = nullptr;
    QLabel* missBookCaption_ = nullptr;
    LessonResultPanel* result_ = nullptr;
    KeyboardView* keyboard_ = nullptr;
    FingerPanel* fingers_ = nullptr;
    LessonFiguresPanel* figures_ = nullptr;
    QPointer<QWindow> filteredWindow_;
    bool opened_ = false;
};
