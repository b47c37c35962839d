#include "course/KeyCurriculum.h"

#include "keyboard/KeyTable.h"

namespace {

struct Step {
    const char* keys; // the new characters; empty: the capitals of one hand
    int hand;         // for capitals: 0 left, 1 right
    const char* name; // empty: the new keys, spaced
    int passSpeed;
};

// The order touch typists learn the keys in. The capitals of a hand follow from the key table.
const Step steps[] = {
    {"fj", 0, "", 60},           {"dk", 0, "", 60},           {"sl", 0, "", 60},
    {"a;", 0, "", 60},           {"gh", 0, "", 60},           {"ru", 0, "", 70},
    {"ei", 0, "", 70},           {"wo", 0, "", 70},           {"qp", 0, "", 70},
    {"ty", 0, "", 70},           {"vm", 0, "", 80},           {"c,", 0, "", 80},
    {"x.", 0, "", 80},           {"z/", 0, "", 80},           {"bn", 0, "", 80},
    {"", 0, "左手大写字母", 90}, {"", 1, "右手大写字母", 90}, {"47", 0, "", 90},
    {"38", 0, "", 90},           {"29", 0, "", 90},           {"10", 0, "", 90},
    {"56", 0, "", 90},           {"'\":", 0, "", 90},         {"-=_+", 0, "", 90},
    {"[]{}", 0, "", 90},         {"<>?", 0, "", 90},          {"!@#$%", 0, "", 90},
    {"^&*()", 0, "", 90},        {"\\|`~", 0, "", 90},
};

// The capitals struck by one hand's fingers, in keyboard order.
QString capitalsOfHand(int hand) {
    QString capitals;
    for (const KeyTable::Key& key : KeyTable::keys())
        if (key.kind == KeyTable::KeyKind::Letter && (key.finger <= 3) == (hand == 0))
            capitals += QChar(key.shifted.code);
    return capitals;
}

QString spaced(const QString& keys) {
    QString text;
    for (const QChar c : keys)
        text += (text.isEmpty() ? QString() : QStringLiteral(" ")) + c;
    return text;
}

QString lessonId(const char* stage, int number) {
    return QStringLiteral("%1-%2").arg(QLatin1String(stage)).arg(number, 2, 10, QLatin1Char('0'));
}

} // namespace

namespace KeyCurriculum {

CourseStage keysStage() {
    CourseStage stage;
    stage.id = QStringLiteral("keys");
    stage.name = QStringLiteral("键位");
    QString taught;
    int number = 0;
    for (const Step& step : steps) {
        CourseLesson lesson;
        lesson.number = ++number;
        lesson.id = lessonId("keys", number);
        lesson.stage = stage.id;
        lesson.kind = CourseLesson::Kind::Keys;
        lesson.newKeys = *step.keys ? QString::fromLatin1(step.keys) : capitalsOfHand(step.hand);
        taught += lesson.newKeys;
        lesson.keys = taught;
        lesson.name = *step.name ? QString::fromUtf8(step.name) : spaced(lesson.newKeys);
        lesson.passSpeed = step.passSpeed;
        stage.lessons.append(lesson);
    }
    return stage;
}

CourseStage englishStage() {
    struct Words {
        const char* name;
        int shortest, longest;
        bool capitals, digitsAndPunctuation;
        int passSpeed;
    };
    const Words lessons[] = {
        {"两三个字母的单词", 2, 3, false, false, 100}, {"四个字母的单词", 4, 4, false, false, 110},
        {"五个字母的单词", 5, 5, false, false, 120},   {"六个字母的单词", 6, 6, false, false, 130},
        {"七八个字母的单词", 7, 8, false, false, 140}, {"长单词", 9, 12, false, false, 140},
        {"句子：大写字母", 2, 8, true, false, 150},    {"句子：数字和标点", 2, 8, true, true, 150},
    };
    CourseStage stage;
    stage.id = QStringLiteral("english");
    stage.name = QStringLiteral("英文");
    const QString all = everyKey();
    int number = 0;
    for (const Words& w : lessons) {
        CourseLesson lesson;
        lesson.number = ++number;
        lesson.id = lessonId("english", number);
        lesson.stage = stage.id;
        lesson.kind = CourseLesson::Kind::Words;
        lesson.name = QString::fromUtf8(w.name);
        lesson.shortest = w.shortest;
        lesson.longest = w.longest;
        lesson.capitals = w.capitals;
        lesson.digitsAndPunctuation = w.digitsAndPunctuation;
        lesson.keys = all;
        lesson.passSpeed = w.passSpeed;
        stage.lessons.append(lesson);
    }
    return stage;
}

QString everyKey() {
    QString keys;
    for (const Step& step : steps)
        keys += *step.keys ? QString::fromLatin1(step.keys) : capitalsOfHand(step.hand);
    return keys;
}

} // namespace KeyCurriculum
