#include "course/ChineseLessonMaker.h"

#include "course/ChineseCurriculum.h"
#include "course/MissBook.h"
#include "course/SeededDraw.h"
#include "sound/WubiTables.h"

namespace {

// The first `count` of the list from `from` on, as far as it goes.
template <typename T> QList<T> slice(const QList<T>& list, int from, int count) {
    return from < list.size() ? list.mid(from, count) : QList<T>();
}

// `count` of the entries, each once while there are enough, in a drawn order.
template <typename T> QList<T> pick(QList<T> entries, int count, SeededDraw& draw) {
    QList<T> picked;
    while (!entries.isEmpty() && picked.size() < count) {
        QList<T> round = entries;
        draw.shuffle(round);
        picked += round.mid(0, count - picked.size());
    }
    return picked;
}

void appendTyped(ChineseLessonMaker::Pinyin& p, const QStringList& syllables) {
    for (const QString& syllable : syllables) {
        // üe after n and l: the table writes ue, input methods take ve as well.
        if (syllable == QLatin1String("nue") || syllable == QLatin1String("lue"))
            p.alsoAccepted.insert(int(p.text.size()) + 1, QLatin1Char('v'));
        p.text += syllable;
    }
    p.text += QLatin1Char(' ');
}

} // namespace

QString ChineseLessonMaker::verse(int edition, QChar key) {
    return WubiTables::mnemonic(edition, key.toUpper().unicode()).section(QLatin1Char(' '), 1);
}

ChineseLessonMaker::Pinyin ChineseLessonMaker::pinyin(const CourseLesson& lesson,
                                                      std::uint32_t seed) const {
    SeededDraw draw(seed);
    Pinyin p;
    if (lesson.kind == CourseLesson::Kind::Syllables) {
        QStringList syllables;
        for (const QString& s : tables_.syllables())
            if (ChineseCurriculum::matches(lesson.pattern, s))
                syllables.append(s);
        if (syllables.isEmpty())
            return p;
        while (p.text.size() < 250)
            appendTyped(p, {syllables.at(draw.below(int(syllables.size())))});
        p.text.chop(1);
        return p;
    }
    const QList<ChineseTables::Pinyin>& source =
        lesson.source == CourseLesson::Source::Words     ? tables_.words()
        : lesson.source == CourseLesson::Source::Phrases ? tables_.phrases()
                                                         : tables_.characters();
    p.entries = pick(slice(source, lesson.from, lesson.count), lesson.items, draw);
    for (const ChineseTables::Pinyin& entry : p.entries) {
        appendTyped(p, entry.syllables);
        p.items.append({int(p.text.size()), int(entry.text.size())});
    }
    return p;
}

QList<ChineseTables::Wubi> ChineseLessonMaker::wubiSource(const CourseLesson& lesson) const {
    using Source = CourseLesson::Source;
    const QList<ChineseTables::Wubi>& characters = tables_.wubiCharacters();
    QList<ChineseTables::Wubi> found;
    const QString keys = ChineseCurriculum::zones().join(QString()).toLower();
    switch (lesson.source) {
    case Source::KeyNames:
    case Source::OneKey:
        // In the order of the keys, zone by zone.
        for (const QChar key : keys) {
            const QString code = lesson.source == Source::OneKey ? QString(key) : QString(4, key);
            for (const ChineseTables::Wubi& c : characters)
                if (c.codes.contains(code)) {
                    found.append(c);
                    break;
                }
        }
        return found;
    case Source::TwoKeys:
        for (const ChineseTables::Wubi& c : characters)
            if (c.codes.first().size() == 2)
                found.append(c);
        return slice(found, lesson.from, lesson.count);
    case Source::Words:
        return slice(tables_.wubiWords(), lesson.from, lesson.count);
    default:
        return slice(characters, lesson.from, lesson.count);
    }
}

QList<WubiSession::Item> ChineseLessonMaker::wubi(const CourseLesson& lesson,
                                                  std::uint32_t seed) const {
    SeededDraw draw(seed);
    QList<WubiSession::Item> items;
    if (lesson.kind == CourseLesson::Kind::Verses) {
        QList<QChar> keys;
        for (const QChar key : lesson.pattern)
            keys.append(key);
        for (const QChar key : pick(keys, lesson.items, draw))
            items.append({verse(edition_, key), {QString(key.toLower())}, true, 1});
        return items;
    }
    const QList<ChineseTables::Wubi> source = wubiSource(lesson);
    QList<ChineseTables::Wubi> drawn = pick(source, lesson.items, draw);
    // Characters and words of the 错字本 come back, up to one item in four.
    const bool bookLesson = lesson.source == CourseLesson::Source::Characters ||
                            lesson.source == CourseLesson::Source::Words ||
                            lesson.source == CourseLesson::Source::TwoKeys;
    if (book_ && bookLesson) {
        const int wordLength = lesson.source == CourseLesson::Source::Words ? 2 : 1;
        QList<ChineseTables::Wubi> due;
        for (const MissBook::Entry& e : book_->entries())
            if (const ChineseTables::Wubi* w = tables_.wubi(e.text);
                w && w->text.size() == wordLength)
                due.append(*w);
        due = pick(due, std::min<int>(int(due.size()), lesson.items / bookShare), draw);
        QList<int> places;
        for (int i = 0; i < drawn.size(); ++i)
            places.append(i);
        draw.shuffle(places);
        for (int i = 0; i < due.size() && i < places.size(); ++i)
            drawn[places[i]] = due[i];
    }
    for (const ChineseTables::Wubi& w : drawn)
        items.append({w.text, w.codes, false, int(w.text.size())});
    return items;
}
