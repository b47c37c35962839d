#include "course/CoursePractice.h"

#include "course/KeyCurriculum.h"
#include "course/LessonTextMaker.h"
#include "history/KeyStats.h"
#include "history/PracticeHistory.h"
#include "history/WeakKeys.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/RandomSource.h"
#include "platform/SoundChannel.h"
#include "settings/Options.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace {

const QString title = QStringLiteral("课程练习");
const QString textsStage = QStringLiteral("texts");

// How the records name the practice a lesson is, where a run names its display style.
const QString practiceName = QStringLiteral("课程练习");

} // namespace

CoursePractice::CoursePractice(const Platform& platform, Options& options, PracticeHistory& history,
                               QString progressFile, QObject* parent)
    : QObject(parent), platform_(platform), options_(options), history_(history),
      progress_(platform.data, std::move(progressFile)), hints_(keyboard_, options) {
    if (platform_.clock)
        hints_.setClock(*platform_.clock);
    buildStages();
}

CoursePractice::~CoursePractice() = default;

void CoursePractice::say(const QString& text) const {
    if (platform_.messageBox)
        platform_.messageBox->showWarning(title, text);
}

void CoursePractice::load() {
    loadWords();
    const QDateTime now = platform_.clock->localDateTime();
    switch (progress_.load(now)) {
    case CourseProgress::Reading::SetAside:
        say(QStringLiteral("课程进度文件已损坏，无法读取。它已改名保存为：\n%1\n课程从头开始。")
                .arg(progress_.setAsideAs()));
        break;
    case CourseProgress::Reading::Failed:
        say(QStringLiteral("无法读取课程进度文件：\n%1\n%2\n这次练习的进度不会覆盖它。")
                .arg(progress_.path(), progress_.lastError()));
        break;
    case CourseProgress::Reading::Fresh:
    case CourseProgress::Reading::Read:
        break;
    }
    emit standingsChanged();
}

void CoursePractice::loadWords() {
    if (wordsLoaded_)
        return;
    wordsLoaded_ = true;
    if (!words_.load(platform_.folder.file(QStringLiteral("课程/words.txt"))))
        qCWarning(lcCourse) << "no word list; the lessons use letter groups alone";
}

void CoursePractice::buildStages() {
    stages_ = {KeyCurriculum::keysStage(), KeyCurriculum::englishStage()};
    CourseStage texts{textsStage, QStringLiteral("我的文本"), {}, true};
    int number = 0;
    for (const auto& [name, lessons] : texts_) {
        for (qsizetype i = 0; i < lessons.size(); ++i) {
            CourseLesson lesson;
            lesson.number = ++number;
            lesson.id = QStringLiteral("text:%1:%2").arg(name).arg(i + 1);
            lesson.stage = texts.id;
            lesson.kind = CourseLesson::Kind::Text;
            lesson.name =
                lessons.size() > 1
                    ? QStringLiteral("%1（%2/%3）").arg(name).arg(i + 1).arg(lessons.size())
                    : name;
            lesson.text = lessons[i];
            lesson.passSpeed = 120;
            texts.lessons.append(lesson);
        }
    }
    stages_.append(texts);
}

void CoursePractice::setTexts(const QList<std::pair<QString, QStringList>>& texts) {
    texts_ = texts;
    buildStages();
    // A text removed while one of its lessons was on display leaves nothing to type.
    if (!currentId_.isEmpty() && !lesson(currentId_)) {
        currentId_.clear();
        session_.reset();
        hints_.show(-1);
        emit lessonChanged();
    }
    emit standingsChanged();
}

const CourseLesson* CoursePractice::lesson(const QString& id) const {
    for (const CourseStage& stage : stages_)
        for (const CourseLesson& l : stage.lessons)
            if (l.id == id)
                return &l;
    return nullptr;
}

const CourseStage* CoursePractice::stageOf(const QString& id) const {
    for (const CourseStage& stage : stages_)
        for (const CourseLesson& l : stage.lessons)
            if (l.id == id)
                return &stage;
    return nullptr;
}

QString CoursePractice::fullName(const CourseLesson& lesson) const {
    const CourseStage* stage = stageOf(lesson.id);
    return QStringLiteral("%1 第 %2 课 %3")
        .arg(stage ? stage->name : QString())
        .arg(lesson.number)
        .arg(lesson.name);
}

CoursePractice::Standing CoursePractice::standing(const QString& id) const {
    if (progress_.lesson(id).passed)
        return Standing::Passed;
    const CourseStage* stage = stageOf(id);
    if (!stage)
        return Standing::Locked;
    if (stage->alwaysOpen || progress_.unlockAll())
        return Standing::Open;
    // A lesson opens when the one before it in the course is passed; the first one is open.
    QString before;
    for (const CourseStage& s : stages_) {
        if (s.alwaysOpen)
            continue;
        for (const CourseLesson& l : s.lessons) {
            if (l.id == id)
                return before.isEmpty() || progress_.lesson(before).passed ? Standing::Open
                                                                           : Standing::Locked;
            before = l.id;
        }
    }
    return Standing::Locked;
}

QString CoursePractice::firstToPractise() const {
    QString last;
    for (const CourseStage& stage : stages_) {
        if (stage.alwaysOpen)
            continue;
        for (const CourseLesson& l : stage.lessons) {
            if (standing(l.id) == Standing::Open)
                return l.id;
            last = l.id;
        }
    }
    return last;
}

QString CoursePractice::lessonAfter(const QString& id) const {
    const CourseStage* from = stageOf(id);
    if (!from)
        return QString();
    // The course goes on from stage to stage; the learner's own texts only among themselves.
    bool found = false;
    for (const CourseStage& stage : stages_) {
        if (found && stage.alwaysOpen != from->alwaysOpen)
            continue;
        for (const CourseLesson& l : stage.lessons) {
            if (found)
                return l.id;
            found = l.id == id;
        }
    }
    return QString();
}

void CoursePractice::setUnlockAll(bool on) {
    if (on == progress_.unlockAll())
        return;
    if (!progress_.setUnlockAll(on))
        say(QStringLiteral("课程进度无法保存：%1").arg(progress_.lastError()));
    emit standingsChanged();
}

const CourseLesson* CoursePractice::current() const {
    return lesson(currentId_);
}

QString CoursePractice::drawText(const CourseLesson& lesson, std::uint32_t seed) {
    loadWords();
    LessonTextMaker maker(words_);
    if (!options_.yicuojian())
        return maker.make(lesson, seed);

    // Weak keys come up more often: each key weighs as in the main window's draw, a floor plus
    // its recent miss rate, a key not practised yet as an average one of the lesson's keys.
    const WeakKeys& weak = history_.recentWeakKeys();
    QHash<QChar, double> rates;
    double known = 0;
    int knownCount = 0;
    for (const QChar c : lesson.keys + QStringLiteral(" ")) {
        const double rate = weak.missRate(KeyStats::keyOfCode(c.unicode()));
        rates.insert(c, rate);
        if (rate >= 0) {
            known += rate;
            ++knownCount;
        }
    }
    const double average = knownCount > 0 ? known / knownCount : 0;
    return maker.make(lesson, seed, [&rates, average](QChar c) {
        const double rate = rates.value(c, -1);
        return WeakKeys::floor + (rate >= 0 ? rate : average);
    });
}

bool CoursePractice::start(const QString& id) {
    const CourseLesson* l = lesson(id);
    if (!l || standing(id) == Standing::Locked)
        return false;
    const auto seed = std::uint32_t(std::floor(platform_.random->next() * 4294967296.0));
    QString text = drawText(*l, seed);
    currentId_ = id;
    session_ = std::make_unique<LessonSession>(text, *platform_.clock);
    connect(session_.get(), &LessonSession::finished, this, &CoursePractice::finish);
    hints_.show(-1);
    hints_.show(session_->nextCode());
    result_ = Result{};
    // In the spoken mode the first character is named as a run names its first target.
    if (options_.shengyin() == Options::spokenMode && session_->nextCode() >= 0)
        soundFor(LessonSession::Outcome::Ignored);
    emit lessonChanged();
    return true;
}

bool CoursePractice::retry() {
    return start(currentId_);
}

bool CoursePractice::startNext() {
    const QString next = lessonAfter(currentId_);
    return !next.isEmpty() && start(next);
}

bool CoursePractice::takesKeys() const {
    return session_ && session_->state() != LessonSession::State::Finished;
}

bool CoursePractice::keyDown(int vk, int modifiers) {
    if (!takesKeys())
        return false;
    const LessonSession::State before = session_->state();
    const LessonSession::Outcome outcome = session_->keyDown(vk, modifiers);
    if (outcome == LessonSession::Outcome::Ignored)
        return false;
    if (before != LessonSession::State::Running)
        emit practiceStarted();
    soundFor(outcome);
    if (session_ && session_->state() == LessonSession::State::Running)
        hints_.show(session_->nextCode());
    emit progressed();
    return true;
}

void CoursePractice::soundFor(LessonSession::Outcome outcome) {
    SoundChannel& keySound = *platform_.channels[0];
    SoundChannel& errorSound = *platform_.channels[1];
    if (outcome == LessonSession::Outcome::Wrong) {
        if (options_.cuowushengyin())
            errorSound.replay();
        return;
    }
    const int mode = options_.shengyin();
    if (mode == Options::spokenMode) {
        // The next character is named, as the main window names each new target.
        const int code = session_ ? session_->nextCode() : -1;
        if (code < 0)
            return;
        keySound.setFile(
            platform_.folder.file(QStringLiteral("声音/字符声音/") + KeyTable::stem(code)));
        keySound.play();
    } else if (mode != Options::silentMode && outcome == LessonSession::Outcome::Right) {
        keySound.replay();
    }
}

void CoursePractice::pause() {
    if (!takesKeys())
        return;
    hints_.show(-1);
    if (session_->state() != LessonSession::State::Running)
        return;
    session_->pause();
    emit progressed();
}

void CoursePractice::wake() {
    if (session_ && session_->state() == LessonSession::State::Ready)
        hints_.show(session_->nextCode());
}

void CoursePractice::finish() {
    const CourseLesson* l = current();
    if (!l || !session_)
        return;
    hints_.show(-1);
    LessonSession& s = *session_;
    RunRecord record;
    record.when = platform_.clock->localDateTime();
    record.when.setTime(
        QTime(record.when.time().hour(), record.when.time().minute(), record.when.time().second()));
    record.styleName = practiceName;
    record.lesson = l->id;
    record.lessonName = fullName(*l);
    const CourseStage* stage = stageOf(l->id);
    record.stage = stage ? stage->name : QString();
    record.count = s.count();
    record.hits = s.hits();
    record.accuracy = s.accuracy();
    record.seconds = std::round(s.seconds() * 10) / 10;
    record.speed = s.speed();
    record.keys = s.keyFigures();
    history_.add(record);

    result_ = Result{};
    result_.lesson = l->id;
    result_.speed = record.speed;
    result_.accuracy = record.accuracy;
    result_.seconds = record.seconds;
    result_.passSpeed = l->passSpeed;
    result_.passAccuracy = l->passAccuracy;
    result_.passed = record.accuracy >= l->passAccuracy && record.speed >= l->passSpeed;

    // The keys this attempt missed most, with what was pressed instead.
    const KeyStats stats({record});
    for (const int index : KeyTable::keyIndices()) {
        const KeyStats::Key& key = stats.key(index);
        if (key.missed > 0)
            result_.weakest.append({index, key.missed, key.shown, key.mostWrong()});
    }
    std::stable_sort(result_.weakest.begin(), result_.weakest.end(),
                     [](const WeakKey& a, const WeakKey& b) {
                         if (a.missed != b.missed)
                             return a.missed > b.missed;
                         return double(a.missed) / a.shown > double(b.missed) / b.shown;
                     });
    if (result_.weakest.size() > 3)
        result_.weakest.resize(3);

    if (!progress_.record(l->id, record.speed, record.accuracy, result_.passed))
        say(QStringLiteral("课程进度无法保存：%1\n已有的进度没有丢失。")
                .arg(progress_.lastError()));
    emit finished();
    emit standingsChanged();
}
