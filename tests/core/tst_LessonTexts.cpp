#include "TestRegistry.h"

#include "course/KeyCurriculum.h"
#include "course/LessonTextMaker.h"
#include "keyboard/KeyTable.h"

#include <QSet>
#include <QTest>

#include <algorithm>

// The texts of the 键位 and 英文 lessons, made from the build's real word list.
namespace {

const WordList& realWords() {
    static const WordList words = [] {
        WordList w;
        w.load(QStringLiteral(KEYVORA_PROGRAM_DIR "/课程/words.txt"));
        return w;
    }();
    return words;
}

// The share of a text's words that hold at least one of the keys.
double shareHolding(const QString& text, const QString& keys) {
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    int holding = 0;
    for (const QString& word : words)
        holding += std::any_of(word.begin(), word.end(), [&](QChar c) { return keys.contains(c); });
    return words.isEmpty() ? 0 : double(holding) / words.size();
}

} // namespace

class TestLessonTexts : public QObject {
    Q_OBJECT
private slots:
    void theKeyLessonsTeachEveryCharacterOnceInTheOrderTypistsLearn() {
        const CourseStage stage = KeyCurriculum::keysStage();
        QCOMPARE(stage.lessons.first().newKeys, QStringLiteral("fj"));
        QCOMPARE(stage.lessons.at(4).newKeys, QStringLiteral("gh"));
        QVERIFY(stage.lessons.size() >= 25 && stage.lessons.size() <= 30);
        QString taught;
        for (const CourseLesson& lesson : stage.lessons) {
            for (const QChar c : lesson.newKeys)
                QVERIFY2(!taught.contains(c), qPrintable(lesson.name));
            taught += lesson.newKeys;
            QCOMPARE(lesson.keys, taught);
        }
        QCOMPARE(taught.size(), 94); // every printable character but the space
        // The capitals of each hand are typed with the other hand's Shift: one lesson each.
        for (const QChar c : stage.lessons.at(15).newKeys)
            QVERIFY(KeyTable::fingerOf(c.unicode()) <= 3);
        for (const QChar c : stage.lessons.at(16).newKeys)
            QVERIFY(KeyTable::fingerOf(c.unicode()) >= 4);
    }

    void aKeyLessonTextUsesOnlyTaughtKeysAndHoldsItsNewKeysAtTheirShare_data() {
        QTest::addColumn<int>("lesson");
        const CourseStage stage = KeyCurriculum::keysStage();
        for (int i = 0; i < stage.lessons.size(); ++i)
            QTest::newRow(qPrintable(stage.lessons[i].id)) << i;
    }
    void aKeyLessonTextUsesOnlyTaughtKeysAndHoldsItsNewKeysAtTheirShare() {
        QFETCH(int, lesson);
        const CourseLesson l = KeyCurriculum::keysStage().lessons.at(lesson);
        const LessonTextMaker maker(realWords());
        QSet<QChar> seen;
        for (std::uint32_t seed : {1u, 2u, 3u, 99u}) {
            const QString text = maker.make(l, seed);
            QVERIFY2(text.size() >= LessonTextMaker::length && text.size() < 300, qPrintable(text));
            for (const QChar c : text) {
                QVERIFY2(c == QLatin1Char(' ') || l.keys.contains(c), qPrintable(text));
                seen.insert(c);
            }
            const double share = shareHolding(text, l.newKeys);
            if (lesson == 0)
                QCOMPARE(share, 1.0);
            else
                QVERIFY2(share >= 0.4 && share <= 0.75, qPrintable(text));
        }
        for (const QChar c : l.newKeys)
            QVERIFY2(seen.contains(c), qPrintable(QString(c)));
    }

    void realWordsStandInForGroupsOnceEnoughUseTheTaughtKeys_data() {
        QTest::addColumn<int>("lesson");
        QTest::addColumn<QString>("expected");
        QTest::newRow("f j: no vowel, groups only") << 0 << "groups";
        QTest::newRow("s l: still no vowel") << 2 << "groups";
        QTest::newRow("a ;: words with a") << 3 << "words";
        QTest::newRow("e i: many words") << 6 << "words";
    }
    void realWordsStandInForGroupsOnceEnoughUseTheTaughtKeys() {
        QFETCH(int, lesson);
        QFETCH(QString, expected);
        QSet<QByteArray> dictionary;
        for (const WordList::Word& w : realWords().words())
            dictionary.insert(w.text);
        const CourseLesson l = KeyCurriculum::keysStage().lessons.at(lesson);
        const QString text = LessonTextMaker(realWords()).make(l, 7);
        int words = 0;
        const QStringList tokens = text.split(QLatin1Char(' '));
        for (QString token : tokens) {
            while (!token.isEmpty() && !token.back().isLetter())
                token.chop(1);
            words += dictionary.contains(token.toLatin1()) ? 1 : 0;
        }
        if (expected == QLatin1String("groups"))
            QCOMPARE(words, 0);
        else
            QVERIFY2(words > tokens.size() / 2, qPrintable(text));
    }

    void theSameSeedGivesTheSameTextAndAnotherSeedAnother() {
        const LessonTextMaker maker(realWords());
        for (const CourseStage& stage : {KeyCurriculum::keysStage(), KeyCurriculum::englishStage()})
            for (const CourseLesson& l : stage.lessons) {
                QCOMPARE(maker.make(l, 42), maker.make(l, 42));
                QVERIFY(maker.make(l, 42) != maker.make(l, 43));
            }
    }

    void englishLessonsGradeTheirWordsByLengthThenMixInCapitalsDigitsAndPunctuation_data() {
        QTest::addColumn<int>("lesson");
        const CourseStage stage = KeyCurriculum::englishStage();
        for (int i = 0; i < stage.lessons.size(); ++i)
            QTest::newRow(qPrintable(stage.lessons[i].name)) << i;
    }
    void englishLessonsGradeTheirWordsByLengthThenMixInCapitalsDigitsAndPunctuation() {
        QFETCH(int, lesson);
        const CourseLesson l = KeyCurriculum::englishStage().lessons.at(lesson);
        const QString text = LessonTextMaker(realWords()).make(l, 5);
        QVERIFY2(text.size() >= LessonTextMaker::length && text.size() < 320, qPrintable(text));
        bool capital = false, digit = false, punctuation = false;
        for (const QString& token : text.split(QLatin1Char(' '))) {
            QString letters;
            for (const QChar c : token) {
                capital |= c.isUpper();
                digit |= c.isDigit();
                punctuation |= c.isPunct() || c.isSymbol();
                if (c.isLetter())
                    letters += c;
            }
            if (!l.capitals)
                QVERIFY2(letters.size() >= l.shortest && letters.size() <= l.longest,
                         qPrintable(token));
        }
        QCOMPARE(capital, l.capitals);
        QCOMPARE(digit, l.digitsAndPunctuation);
        QCOMPARE(punctuation, l.capitals); // sentences end with a full stop at least
    }

    void aWeakKeyComesUpMoreOftenWhenTheDrawLeansOnIt() {
        const CourseLesson l = KeyCurriculum::keysStage().lessons.at(9); // t y, all top row
        const LessonTextMaker maker(realWords());
        const auto countOf = [&](QChar key, const LessonTextMaker::KeyWeight& weight) {
            int n = 0;
            for (std::uint32_t seed = 0; seed < 20; ++seed)
                n += int(maker.make(l, seed, weight).count(key));
            return n;
        };
        const int even = countOf(QLatin1Char('k'), {});
        const int leaning =
            countOf(QLatin1Char('k'), [](QChar c) { return c == QLatin1Char('k') ? 1.1 : 0.1; });
        QVERIFY2(leaning > even * 3 / 2,
                 qPrintable(QStringLiteral("%1 %2").arg(even).arg(leaning)));
    }
};

KEYVORA_TEST_GUILESS_MAIN(LessonTexts, TestLessonTexts)
#include "tst_LessonTexts.moc"
