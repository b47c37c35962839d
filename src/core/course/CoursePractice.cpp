#include "course/CoursePractice.h"

#include "course/ChineseCurriculum.h"
#include "course/ChineseLessonMaker.h"
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
                               const LearnerFiles& files, QObject* parent)
    : QObject(parent), platform_(platform), options_(options), history_(history),
      progress_(platform.data, files.progress()), missBook_(platform.data, files.missBook()),
      hints_(keyboard_, options), soundHold_(platform.soundDevice) {
    if (platform_.clock)
        hints_.setClock(*platform_.clock);
    connect(&options_, &Options::shengyinChanged, this, &CoursePractice::updateSoundHold);
    connect(&options_, &Options::cuowushengyinChanged, this, &CoursePractice::updateSoundHold);
    connect(&options_, &Options::beijingyinyueChanged, this, &CoursePractice::updateSoundHold);
    buildStages();
}

CoursePractice::~CoursePractice() = default;

void CoursePractice::say(const QString& text) const {
    if (platform_.messageBox)
        platform_.messageBox->showWarning(title, text);
}

void CoursePractice::load() {
    loadData();
    loadLearner();
}

void CoursePractice::setLearner(const LearnerFiles& files) {
    currentId_.clear();
    attempt_.reset();
    pinyinEntries_.clear();
    result_ = Result{};
    hints_.show(-1);
    progress_ = CourseProgress(platform_.data, files.progress());
    missBook_ = MissBook(platform_.data, files.missBook());
    loadLearner();
    updateSoundHold();
    emit lessonChanged();
}

void CoursePractice::loadLearner() {
    const QDateTime now = platform_.clock->localDateTime();
    if (!missBook_.load(now))
        say(missBook_.setAsideAs().isEmpty()
                ? QStringLiteral("无法读取错字本文件：\n%1\n%2\n这次练习的错字不会覆盖它。")
                      .arg(missBook_.path(), missBook_.lastError())
                : QStringLiteral("错字本文件已损坏，无法读取。它已改名保存为：\n%1")
                      .arg(missBook_.setAsideAs()));
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
    emit missBookChanged();
}

void CoursePractice::loadData() {
    if (dataLoaded_)
        return;
    dataLoaded_ = true;
    if (!words_.load(platform_.folder.file(QStringLiteral("课程/words.txt"))))
        qCWarning(lcCourse) << "no word list; the lessons use letter groups alone";
    if (!tables_.loadPinyin(platform_.folder.file(QStringLiteral("课程/pinyin.tsv"))) ||
        !tables_.loadWubi(platform_.folder.file(QStringLiteral("课程/wubi86.tsv"))))
        qCWarning(lcCourse) << "no Chinese tables; the 拼音 and 五笔 lessons have nothing to type";
}

void CoursePractice::buildStages() {
    stages_ = {KeyCurriculum::keysStage(), KeyCurriculum::englishStage(),
               ChineseCurriculum::pinyinStage(), ChineseCurriculum::wubiStage()};
    CourseStage texts;
    texts.id = textsStage;
    texts.name = QStringLiteral("我的文本");
    texts.alwaysOpen = true;
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
        attempt_.reset();
        hints_.show(-1);
        updateSoundHold();
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
    // A lesson opens when the one before it in the course is passed, or for the first of a stage
    // the one the stage opens after; the very first one is open.
    QString before;
    for (const CourseStage& s : stages_) {
        if (s.alwaysOpen)
            continue;
        if (!s.opensAfter.isEmpty())
            before = s.opensAfter;
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

LessonSession* CoursePractice::textSession() const {
    return qobject_cast<LessonSession*>(attempt_.get());
}

WubiSession* CoursePractice::wubiSession() const {
    return qobject_cast<WubiSession*>(attempt_.get());
}

int CoursePractice::edition() const {
    // The Wubi character lessons teach the 86 edition, whose codes they use.
    const CourseLesson* l = current();
    return l && l->kind == CourseLesson::Kind::Wubi ? 86 : options_.banci();
}

QString CoursePractice::drawText(const CourseLesson& lesson, std::uint32_t seed) {
    loadData();
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

std::unique_ptr<LessonAttempt> CoursePractice::makeAttempt(const CourseLesson& lesson,
                                                           std::uint32_t seed) {
    loadData();
    pinyinEntries_.clear();
    switch (lesson.kind) {
    case CourseLesson::Kind::Syllables:
    case CourseLesson::Kind::Pinyin: {
        ChineseLessonMaker::Pinyin p =
            ChineseLessonMaker(tables_, nullptr, 86).pinyin(lesson, seed);
        auto session = std::make_unique<LessonSession>(p.text, *platform_.clock);
        session->setAlsoAccepted(p.alsoAccepted);
        session->setItems(p.items);
        pinyinEntries_ = p.entries;
        return session;
    }
    case CourseLesson::Kind::Verses:
    case CourseLesson::Kind::Wubi: {
        const int verses = lesson.kind == CourseLesson::Kind::Verses ? options_.banci() : 86;
        return std::make_unique<WubiSession>(
            ChineseLessonMaker(tables_, &missBook_, verses).wubi(lesson, seed), *platform_.clock);
    }
    case CourseLesson::Kind::Keys:
    case CourseLesson::Kind::Words:
    case CourseLesson::Kind::Text:
        break;
    }
    return std::make_unique<LessonSession>(drawText(lesson, seed), *platform_.clock);
}

bool CoursePractice::start(const QString& id) {
    const CourseLesson* l = lesson(id);
    if (!l || standing(id) == Standing::Locked)
        return false;
    const auto seed = std::uint32_t(std::floor(platform_.random->next() * 4294967296.0));
    currentId_ = id;
    attempt_ = makeAttempt(*l, seed);
    connect(attempt_.get(), &LessonAttempt::finished, this, &CoursePractice::finish);
    hints_.show(-1);
    hints_.show(attempt_->nextCode());
    result_ = Result{};
    // In the spoken mode the first character is named as a run names its first target.
    if (options_.shengyin() == Options::spokenMode && attempt_->nextCode() >= 0)
        soundFor(LessonAttempt::Outcome::Ignored);
    updateSoundHold();
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
    return attempt_ && attempt_->state() != LessonAttempt::State::Finished;
}

bool CoursePractice::keyDown(int vk, int modifiers) {
    if (!takesKeys())
        return false;
    const LessonAttempt::State before = attempt_->state();
    const LessonAttempt::Outcome outcome = attempt_->keyDown(vk, modifiers);
    if (outcome == LessonAttempt::Outcome::Ignored)
        return false;
    if (before != LessonAttempt::State::Running)
        emit practiceStarted();
    soundFor(outcome);
    if (attempt_ && attempt_->state() == LessonAttempt::State::Running)
        hints_.show(attempt_->nextCode());
    emit progressed();
    return true;
}

bool CoursePractice::reveal() {
    WubiSession* wubi = wubiSession();
    if (!wubi || wubi->state() == LessonAttempt::State::Finished)
        return false;
    wubi->reveal();
    hints_.show(wubi->nextCode());
    emit progressed();
    return true;
}

void CoursePractice::soundFor(LessonAttempt::Outcome outcome) {
    SoundChannel& keySound = *platform_.channels[0];
    SoundChannel& errorSound = *platform_.channels[1];
    if (outcome == LessonAttempt::Outcome::Wrong) {
        if (options_.cuowushengyin())
            errorSound.replay();
        return;
    }
    const int mode = options_.shengyin();
    if (mode == Options::spokenMode) {
        // The next character is named, as the main window names each new target; a Wubi code
        // is not told before the learner asks for it.
        const int code = textSession() ? textSession()->nextCode() : -1;
        if (code < 0)
            return;
        keySound.setFile(
            platform_.folder.file(QStringLiteral("声音/字符声音/") + KeyTable::stem(code)));
        keySound.play();
    } else if (mode != Options::silentMode && outcome == LessonAttempt::Outcome::Right) {
        keySound.replay();
    }
}

void CoursePractice::pause() {
    if (!takesKeys() || attempt_->state() != LessonAttempt::State::Running)
        return;
    hints_.show(-1);
    attempt_->pause();
    emit progressed();
}

void CoursePractice::setPresent(bool present) {
    present_ = present;
    if (!present) {
        pause();
        hints_.show(-1);
    } else if (attempt_ && attempt_->state() == LessonAttempt::State::Ready) {
        hints_.show(attempt_->nextCode());
    }
    updateSoundHold();
}

void CoursePractice::updateSoundHold() {
    // As for a run: the device stays open while a lesson is on display in a window the learner
    // is in and it can sound, so that every key sounds at once, the first one included.
    const bool underWay = present_ && takesKeys();
    const bool canSound = options_.shengyin() != Options::silentMode || options_.cuowushengyin() ||
                          options_.beijingyinyue();
    soundHold_.set(underWay && canSound);
}

void CoursePractice::finish() {
    const CourseLesson* l = current();
    if (!l || !attempt_)
        return;
    hints_.show(-1);
    LessonAttempt& a = *attempt_;
    RunRecord record;
    record.when = platform_.clock->localDateTime();
    record.when.setTime(
        QTime(record.when.time().hour(), record.when.time().minute(), record.when.time().second()));
    record.styleName = practiceName;
    record.lesson = l->id;
    record.lessonName = fullName(*l);
    const CourseStage* stage = stageOf(l->id);
    record.stage = stage ? stage->name : QString();
    record.count = a.count();
    record.hits = textSession() ? textSession()->hits() : 0;
    record.accuracy = a.accuracy();
    record.seconds = std::round(a.seconds() * 10) / 10;
    record.speed = a.speed();
    record.characters = a.characters();
    record.charSpeed = record.characters > 0 ? a.charSpeed() : 0;
    record.codeLength = std::round(a.codeLength() * 100) / 100;
    record.keys = a.keyFigures();
    if (WubiSession* wubi = wubiSession()) {
        int clean = 0;
        for (int i = 0; i < wubi->items().size(); ++i)
            clean += wubi->missed(i) ? 0 : 1;
        record.hits = clean;
    }
    history_.add(record);

    result_ = Result{};
    result_.lesson = l->id;
    result_.keySpeed = record.speed;
    result_.speed = l->unit == CourseLesson::Unit::Characters ? a.charSpeed() : record.speed;
    result_.accuracy = record.accuracy;
    result_.seconds = record.seconds;
    result_.codeLength = record.codeLength;
    result_.passSpeed = l->passSpeed;
    result_.passAccuracy = l->passAccuracy;
    result_.passed = record.accuracy >= l->passAccuracy && result_.speed >= l->passSpeed;

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

    updateSoundHold();
    if (l->kind == CourseLesson::Kind::Wubi)
        noteMisses();
    if (!progress_.record(l->id, result_.speed, record.accuracy, result_.passed))
        say(QStringLiteral("课程进度无法保存：%1\n已有的进度没有丢失。")
                .arg(progress_.lastError()));
    emit finished();
    emit standingsChanged();
}

void CoursePractice::noteMisses() {
    // A character missed, or taken over twice the learner's own median time in this attempt,
    // goes into the 错字本; one typed right counts towards its leaving.
    const WubiSession* wubi = wubiSession();
    QList<double> times;
    for (int i = 0; i < wubi->items().size(); ++i)
        times.append(wubi->secondsFor(i));
    std::sort(times.begin(), times.end());
    const qsizetype n = times.size();
    const double median = n == 0 ? 0 : n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
    bool changed = false;
    for (int i = 0; i < wubi->items().size(); ++i) {
        const WubiSession::Item& item = wubi->items()[i];
        const bool slow = median > 0 && wubi->secondsFor(i) > 2 * median;
        changed |= missBook_.note(item.text, item.codes.value(0), wubi->missed(i) || slow);
    }
    if (changed)
        emit missBookChanged();
}
