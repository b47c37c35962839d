#pragma once

#include "course/ChineseTables.h"
#include "course/CourseLesson.h"
#include "course/CourseProgress.h"
#include "course/LessonHints.h"
#include "course/LessonSession.h"
#include "course/MissBook.h"
#include "course/WordList.h"
#include "course/WubiSession.h"
#include "keyboard/KeyboardModel.h"
#include "platform/LearnerFiles.h"
#include "platform/Platform.h"
#include "platform/SoundDeviceHold.h"

#include <QObject>

#include <memory>

class Options;
class PracticeHistory;

// The course: its stages and lessons, the learner's progress through them, and the lesson being
// practised, with the same sounds and hints as a run of the main window. It needs no window: the
// course window shows it and hands it the keys.
class CoursePractice : public QObject {
    Q_OBJECT
public:
    enum class Standing { Locked, Open, Passed };

    // One of the keys a finished lesson missed most, with what was pressed instead.
    struct WeakKey {
        int keyIndex = 0;
        int missed = 0;
        int shown = 0;
        QList<std::pair<int, int>> instead; // key index, presses; most pressed first
    };
    struct Result {
        QString lesson;
        int speed = 0;    // in the lesson's unit a minute
        int keySpeed = 0; // characters typed a minute
        int accuracy = 0;
        double seconds = 0;
        double codeLength = 0; // Wubi lessons only
        int passSpeed = 0;
        int passAccuracy = 0;
        bool passed = false;
        QList<WeakKey> weakest; // at most three
    };

    // The learner's progress and 错字本 lie where `files` says.
    CoursePractice(const Platform& platform, Options& options, PracticeHistory& history,
                   const LearnerFiles& files = LearnerFiles(), QObject* parent = nullptr);
    ~CoursePractice() override;

    // Reads the word list, the Chinese tables, the progress and the 错字本. A progress file that
    // does not read is set aside and the course starts afresh; the learner is told either way.
    void load();
    // Another learner's progress and 错字本 from now on, read at once as load() reads them. A
    // lesson on display is dropped unrecorded, as starting another lesson drops it.
    void setLearner(const LearnerFiles& files);

    // The learner's own texts, each with the lessons it was cut into, as 我的文本 lists them.
    void setTexts(const QList<std::pair<QString, QStringList>>& texts);

    const QList<CourseStage>& stages() const { return stages_; }
    const CourseLesson* lesson(const QString& id) const;
    const CourseStage* stageOf(const QString& id) const;
    Standing standing(const QString& id) const;
    // The first lesson not yet passed that is open, in course order.
    QString firstToPractise() const;
    // The lesson after this one in course order, or an empty id.
    QString lessonAfter(const QString& id) const;
    // "键位 第 3 课 s l", as records and titles name a lesson.
    QString fullName(const CourseLesson& lesson) const;

    const CourseProgress& progress() const { return progress_; }
    const MissBook& missBook() const { return missBook_; }
    const ChineseTables& tables() const { return tables_; }
    void setUnlockAll(bool on);

    // Puts a new attempt at the lesson on display, ready for its first key; a lesson in progress
    // is dropped. Locked lessons cannot be started.
    bool start(const QString& id);
    bool retry();
    bool startNext();

    const CourseLesson* current() const;
    LessonAttempt* attempt() const { return attempt_.get(); }
    // The attempt as the kind it is: a text typed character by character, or Wubi codes.
    LessonSession* textSession() const;
    WubiSession* wubiSession() const;
    // A pinyin lesson's characters and words with their pinyin, in the attempt's order.
    const QList<ChineseTables::Pinyin>& pinyinEntries() const { return pinyinEntries_; }
    // The Wubi edition of the verses shown: 86 in the lessons typed in Wubi 86 codes, else the
    // menu's.
    int edition() const;

    KeyboardModel& keyboard() { return keyboard_; }
    LessonHints& hints() { return hints_; }
    const Result& result() const { return result_; }

    // A key-down event for the lesson (virtual-key code, modifier bits 1 Shift, 2 Ctrl, 4 Alt);
    // false when it is no practice key or no lesson takes keys, so the window may use it.
    bool keyDown(int vk, int modifiers);
    // F1 in a Wubi lesson: shows the code of the character on display, which then counts as
    // missed. False where there is nothing to show.
    bool reveal();
    // Stops the clock until the next key that types; the hints go dark meanwhile.
    void pause();
    // Whether the course window is the learner's: left for another window (or hidden) the lesson
    // pauses, its hints go dark and the sound device may close; back, a lesson waiting for its
    // first key shows its hints again.
    void setPresent(bool present);
    // Whether the sound device is held open for the lesson on display.
    bool holdsSound() const { return soundHold_.held(); }
    // Whether the lesson on display takes typing keys: ready, running or paused.
    bool takesKeys() const;

    // The text of a 键位, 英文 or 我的文本 lesson as an attempt drawn with this seed has it.
    QString drawText(const CourseLesson& lesson, std::uint32_t seed);

signals:
    // A new attempt is on display.
    void lessonChanged();
    // A lesson's standing may have changed (a pass, a new best, everything unlocked).
    void standingsChanged();
    // The 错字本 changed.
    void missBookChanged();
    // The lesson on display was typed to its end; result() holds its figures.
    void finished();
    // The learner began or resumed typing a lesson: any other practice must stop.
    void practiceStarted();
    // The running lesson stopped or resumed, or its caret moved.
    void progressed();

private:
    void buildStages();
    void loadData();
    void loadLearner();
    void finish();
    void noteMisses();
    void say(const QString& text) const;
    void soundFor(LessonAttempt::Outcome outcome);
    std::unique_ptr<LessonAttempt> makeAttempt(const CourseLesson& lesson, std::uint32_t seed);
    void updateSoundHold();

    Platform platform_;
    Options& options_;
    PracticeHistory& history_;
    CourseProgress progress_;
    MissBook missBook_;
    WordList words_;
    ChineseTables tables_;
    bool dataLoaded_ = false;
    QList<CourseStage> stages_;
    QList<std::pair<QString, QStringList>> texts_;
    KeyboardModel keyboard_;
    LessonHints hints_;
    QString currentId_;
    std::unique_ptr<LessonAttempt> attempt_;
    QList<ChineseTables::Pinyin> pinyinEntries_;
    Result result_;
    SoundDeviceHold soundHold_;
    bool present_ = true;
};
