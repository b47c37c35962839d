#include "TestRegistry.h"

#include "FakeClock.h"

#include "course/LessonSession.h"

#include <QSignalSpy>
#include <QTest>

// One attempt at a lesson's text, driven key by key with the time moved by hand.
namespace {

constexpr int shift = 1, ctrl = 2, alt = 4;

// A key as the window hands it over: its virtual-key code and modifier bits.
struct Key {
    int vk;
    int modifiers = 0;
};

QString marks(const LessonSession& s) {
    QString m;
    for (int i = 0; i < s.text().size(); ++i)
        m += QStringLiteral("-+x").at(int(s.mark(i)));
    return m;
}

} // namespace

Q_DECLARE_METATYPE(QList<Key>)

class TestLessonSession : public QObject {
    Q_OBJECT
private slots:
    void keysAreCountedCheckedAndMarked_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<Key>>("keys");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("hits");
        QTest::addColumn<QString>("marks");
        const Key f{'F'}, j{'J'}, space{' '}, d{'D'};
        QTest::newRow("all right") << "fj f" << QList<Key>{f, j, space, f} << 4 << 4 << 4 << "++++";
        QTest::newRow("a wrong key keeps the caret and marks the character")
            << "fj" << QList<Key>{d, f, j} << 2 << 3 << 1 << "x+";
        QTest::newRow("two wrong keys count twice, miss once")
            << "fj" << QList<Key>{f, d, d, j} << 2 << 4 << 1 << "+x";
        QTest::newRow("a capital needs Shift")
            << "Fj" << QList<Key>{f, {'F', shift}, j} << 2 << 3 << 1 << "x+";
        QTest::newRow("shifted punctuation")
            << ":)" << QList<Key>{{186, shift}, {'0', shift}} << 2 << 2 << 2 << "++";
        QTest::newRow("lone Shift, Ctrl, Alt and Caps Lock are no keys")
            << "f" << QList<Key>{{16, shift}, {17, ctrl}, {18, alt}, {20}, f} << 1 << 1 << 1 << "+";
        QTest::newRow("keys with Ctrl or Alt are commands, not typing")
            << "f" << QList<Key>{{'F', ctrl}, {'F', alt}, f} << 1 << 1 << 1 << "+";
        QTest::newRow("Enter and Backspace type nothing: wrong")
            << "f" << QList<Key>{{13}, {8}, f} << 1 << 3 << 0 << "x";
        QTest::newRow("keys after the end are ignored")
            << "f" << QList<Key>{f, f, j} << 1 << 1 << 1 << "+";
    }
    void keysAreCountedCheckedAndMarked() {
        QFETCH(QString, text);
        QFETCH(QList<Key>, keys);
        FakeClock clock;
        LessonSession session(text, clock);
        for (const Key& key : keys)
            session.keyDown(key.vk, key.modifiers);
        QTEST(session.position(), "position");
        QTEST(session.count(), "count");
        QTEST(session.hits(), "hits");
        QTEST(marks(session), "marks");
    }

    void theClockStartsAtTheFirstKeyStopsWhilePausedAndTheFiguresFollowIt() {
        FakeClock clock;
        LessonSession session(QStringLiteral("ffff"), clock);
        QSignalSpy finished(&session, &LessonSession::finished);
        clock.advance(30); // reading the lesson before typing costs nothing
        QCOMPARE(session.state(), LessonSession::State::Ready);
        session.keyDown('F', 0);
        clock.advance(6);
        session.keyDown('D', 0);
        session.pause();
        QCOMPARE(session.state(), LessonSession::State::Paused);
        clock.advance(100);
        QCOMPARE(session.seconds(), 6.0);
        session.keyDown('F', 0); // a key that types resumes
        clock.advance(6);
        session.keyDown('F', 0);
        session.keyDown('F', 0);
        QCOMPARE(session.state(), LessonSession::State::Finished);
        QCOMPARE(finished.count(), 1);
        clock.advance(60);
        QCOMPARE(session.seconds(), 12.0);
        QCOMPARE(session.speed(), 20);    // 4 characters in 12 s
        QCOMPARE(session.accuracy(), 60); // 3 hits of 5 keys
    }

    void theKeyFiguresNameTheKeysPressedInstead() {
        FakeClock clock;
        LessonSession session(QStringLiteral("fA"), clock);
        for (const Key& key : {Key{'D'}, Key{'F'}, Key{'A'}, Key{'A', shift}})
            session.keyDown(key.vk, key.modifiers);
        const QList<KeyFigures> keys = session.keyFigures();
        QCOMPARE(keys.size(), 2);
        QCOMPARE(keys[0].code, int('A'));
        QCOMPARE(keys[0].shiftSlips, 1); // the right key without Shift
        QCOMPARE(keys[1].code, int('f'));
        QCOMPARE(keys[1].wrong, (QList<std::pair<int, int>>{{'D', 1}}));
    }

    void anotherCharacterCanBeAcceptedWhereTheTextSaysSo() {
        FakeClock clock;
        LessonSession session(QStringLiteral("lve"), clock);
        session.setAlsoAccepted({{1, QLatin1Char('u')}});
        for (const int vk : {'L', 'U', 'E'})
            session.keyDown(vk, 0);
        QCOMPARE(marks(session), QStringLiteral("+++"));
    }
};

KEYVORA_TEST_GUILESS_MAIN(LessonSession, TestLessonSession)
#include "tst_LessonSession.moc"
