#include "course/ChineseCurriculum.h"

#include <QStringList>

namespace {

// The lesson after which the Chinese stages open: the last one that adds letters.
const QString lettersTaught = QStringLiteral("keys-15");

QString lessonId(const QString& stage, int number) {
    return QStringLiteral("%1-%2").arg(stage).arg(number, 2, 10, QLatin1Char('0'));
}

CourseLesson lesson(CourseStage& stage, CourseLesson::Kind kind, const QString& name, int passSpeed,
                    CourseLesson::Unit unit) {
    CourseLesson l;
    l.number = int(stage.lessons.size()) + 1;
    l.id = lessonId(stage.id, l.number);
    l.stage = stage.id;
    l.kind = kind;
    l.name = name;
    l.passSpeed = passSpeed;
    l.unit = unit;
    return l;
}

QString initialOf(const QString& syllable) {
    for (const char* two : {"zh", "ch", "sh"})
        if (syllable.startsWith(QLatin1String(two)))
            return QLatin1String(two);
    const QChar first = syllable.at(0);
    return QStringLiteral("aoe").contains(first) ? QString() : QString(first);
}

// Syllables with ü: written v after n and l (nv, lv), ue for üe after n and l, and u after j, q,
// x and y, where no u can stand.
bool withUmlaut(const QString& syllable) {
    const QString initial = initialOf(syllable);
    if (syllable.contains(QLatin1Char('v')) || syllable == QLatin1String("nue") ||
        syllable == QLatin1String("lue"))
        return true;
    return QStringLiteral("jqxy").contains(initial) && initial.size() == 1 &&
           syllable.at(1) == QLatin1Char('u');
}

struct SyllableLesson {
    const char* pattern;
    const char* name;
};

const SyllableLesson syllableLessons[] = {
    {"bpmfdtnl", "声母 b p m f d t n l"},   {"gkhjqx", "声母 g k h j q x"},
    {"zhchsh", "声母 zh ch sh r z c s"},    {"yw", "y w 和零声母"},
    {"ng", "后鼻韵母 -ang -eng -ing -ong"}, {"v", "ü 的写法：nv lv nue lue ju"},
};

} // namespace

namespace ChineseCurriculum {

const QStringList& zones() {
    static const QStringList z = {QStringLiteral("GFDSA"), QStringLiteral("HJKLM"),
                                  QStringLiteral("TREWQ"), QStringLiteral("YUIOP"),
                                  QStringLiteral("NBVCX")};
    return z;
}

bool matches(const QString& pattern, const QString& syllable) {
    if (syllable.isEmpty())
        return false;
    const QString initial = initialOf(syllable);
    if (pattern == QLatin1String("v"))
        return withUmlaut(syllable);
    if (pattern == QLatin1String("ng"))
        return syllable.endsWith(QLatin1String("ng"));
    if (pattern == QLatin1String("zhchsh"))
        return initial.size() == 2 ||
               (initial.size() == 1 && QStringLiteral("rzcs").contains(initial));
    if (pattern == QLatin1String("yw"))
        return initial.isEmpty() || initial == QLatin1String("y") || initial == QLatin1String("w");
    // A set of single initials; the ü syllables have a lesson of their own.
    return initial.size() == 1 && pattern.contains(initial) && !withUmlaut(syllable);
}

CourseStage pinyinStage() {
    using Kind = CourseLesson::Kind;
    using Source = CourseLesson::Source;
    using Unit = CourseLesson::Unit;
    CourseStage stage;
    stage.id = QStringLiteral("pinyin");
    stage.name = QStringLiteral("拼音");
    stage.opensAfter = lettersTaught;
    for (const SyllableLesson& s : syllableLessons) {
        CourseLesson l = lesson(stage, Kind::Syllables, QString::fromUtf8(s.name), 60, Unit::Keys);
        l.pattern = QLatin1String(s.pattern);
        stage.lessons.append(l);
    }
    // The commonest 500 characters in groups of 50, then words and phrases.
    struct Group {
        Source source;
        const char* name;
        int groups, size, items;
    };
    const Group groups[] = {{Source::Characters, "常用字 %1-%2", 10, 50, 30},
                            {Source::Words, "常用词 %1-%2", 5, 100, 20},
                            {Source::Phrases, "短语 %1-%2", 2, 100, 12}};
    for (const Group& g : groups)
        for (int i = 0; i < g.groups; ++i) {
            CourseLesson l =
                lesson(stage, Kind::Pinyin,
                       QString::fromUtf8(g.name).arg(i * g.size + 1).arg((i + 1) * g.size), 20,
                       Unit::Characters);
            l.source = g.source;
            l.from = i * g.size;
            l.count = g.size;
            l.items = g.items;
            stage.lessons.append(l);
        }
    return stage;
}

CourseStage wubiStage() {
    using Kind = CourseLesson::Kind;
    using Source = CourseLesson::Source;
    using Unit = CourseLesson::Unit;
    CourseStage stage;
    stage.id = QStringLiteral("wubi");
    stage.name = QStringLiteral("五笔");
    stage.opensAfter = lettersTaught;
    const char* zoneNames[] = {"横区", "竖区", "撇区", "捺区", "折区"};
    QString every;
    for (int z = 0; z < zones().size(); ++z) {
        CourseLesson l = lesson(
            stage, Kind::Verses,
            QStringLiteral("字根口诀：%1 %2").arg(QString::fromUtf8(zoneNames[z]), zones()[z]), 40,
            Unit::Characters);
        l.pattern = zones()[z];
        l.items = 20;
        every += zones()[z];
        stage.lessons.append(l);
    }
    CourseLesson mixed =
        lesson(stage, Kind::Verses, QStringLiteral("字根口诀：五区混合"), 40, Unit::Characters);
    mixed.pattern = every;
    mixed.items = 30;
    stage.lessons.append(mixed);

    struct Group {
        Source source;
        const char* name;
        int groups, size, items, passSpeed;
    };
    const Group groups[] = {{Source::KeyNames, "键名字", 1, 25, 25, 40},
                            {Source::OneKey, "一级简码", 1, 25, 25, 40},
                            {Source::TwoKeys, "二级简码 %1-%2", 6, 100, 30, 30},
                            {Source::Characters, "常用字 %1-%2", 10, 50, 30, 20},
                            {Source::Words, "常用词 %1-%2", 3, 100, 20, 20}};
    for (const Group& g : groups)
        for (int i = 0; i < g.groups; ++i) {
            QString name = QString::fromUtf8(g.name);
            if (g.groups > 1)
                name = name.arg(i * g.size + 1).arg((i + 1) * g.size);
            CourseLesson l = lesson(stage, Kind::Wubi, name, g.passSpeed, Unit::Characters);
            l.source = g.source;
            l.from = i * g.size;
            l.count = g.size;
            l.items = g.items;
            stage.lessons.append(l);
        }
    return stage;
}

} // namespace ChineseCurriculum
