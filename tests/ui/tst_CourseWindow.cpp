#include "TestRegistry.h"

#include "TrainerRig.h"

#include "app/Form1.h"
#include "course/ChineseLessonView.h"
#include "course/CourseListModel.h"
#include "course/CourseWindow.h"
#include "course/LessonFiguresPanel.h"
#include "course/LessonResultPanel.h"
#include "course/LessonTextView.h"
#include "history/RunsTableModel.h"
#include "keyboard/KeyTable.h"
#include "keyboard/KeyboardView.h"
#include "practice/FingerPanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTreeView>

#include <functional>

// The course window as a learner meets it: opened from the menu, typed into, looked at.
namespace {

const QColor litGreen(128, 255, 128);
const QColor olive(128, 128, 0);

// A main window with the build's course tables beside it, and its course window open.
struct Course {
    TrainerRig rig;
    std::unique_ptr<Form1> form;
    CourseWindow* window = nullptr;

    Course() {
        const QDir tables(QStringLiteral(KEYVORA_PROGRAM_DIR "/课程"));
        QDir(rig.dir.path()).mkpath(QStringLiteral("课程"));
        for (const QString& name : tables.entryList(QDir::Files))
            QFile::copy(tables.filePath(name), rig.dir.path() + QStringLiteral("/课程/") + name);
        form = std::make_unique<Form1>(rig.platform());
        // The settings are restored now rather than by the start-up's timer at some moment of a
        // slow run (no settings file: the finger hint off).
        form->trainer().deferredStart.tick();
        form->show();
        form->trainer().menus.kechenglianxi->trigger();
        window = form->courseWindow();
    }
    CoursePractice& course() { return window->course(); }
    // A key as the system delivers it: to the window, whichever control has the focus.
    void key(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window->windowHandle(), Qt::Key(qtKey), modifiers);
    }
    void type(QChar c) {
        rig.clock.advance(0.2);
        const bool shift = KeyTable::typing(c.unicode()).shift;
        key(c.toUpper().unicode(), shift ? Qt::ShiftModifier : Qt::NoModifier);
    }
    QImage grab() { return window->grab().toImage(); }
    QRect placeOf(const QWidget* w) { return QRect(w->mapTo(window, QPoint(0, 0)), w->size()); }
};

int count(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& wanted) {
    int n = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += wanted(image.pixel(x, y)) ? 1 : 0;
    return n;
}

bool exactly(QRgb pixel, const QColor& colour) {
    return QColor(pixel).rgb() == colour.rgb();
}

} // namespace

class TestCourseWindow : public QObject {
    Q_OBJECT
private slots:
    void theMenuOpensTheCourseOnItsFirstLessonReadyToType() {
        Course c;
        QVERIFY(c.window && c.window->isVisible());
        QCOMPARE(c.window->windowTitle(), QStringLiteral("课程练习"));
        QVERIFY2(
            c.window->frameGeometry().width() <= 1024 && c.window->height() <= 700,
            qPrintable(QStringLiteral("%1 x %2").arg(c.window->width()).arg(c.window->height())));
        QCOMPARE(c.course().current()->id, QStringLiteral("keys-01"));
        QCOMPARE(c.course().attempt()->state(), LessonAttempt::State::Ready);
        QCOMPARE(c.window->title()->text(), QStringLiteral("键位 第 1 课 f j"));
        QCOMPARE(c.window->list()->currentIndex().data().toString(),
                 QStringLiteral("第 1 课  f j"));
    }

    void noControlOfEitherWindowTakesAnInputMethod() {
        Course c;
        for (QWidget* top :
             {static_cast<QWidget*>(c.form.get()), static_cast<QWidget*>(c.window)}) {
            QList<QWidget*> widgets = top->findChildren<QWidget*>();
            widgets.prepend(top);
            for (QWidget* w : widgets)
                if (w->focusPolicy() != Qt::NoFocus || w == top)
                    QVERIFY2(!w->inputMethodQuery(Qt::ImEnabled).toBool(),
                             qPrintable(w->metaObject()->className() + QStringLiteral(" ") +
                                        w->objectName()));
        }
    }

    void everyKeyThatTypesReachesTheLessonWhicheverControlHasTheFocus_data() {
        QTest::addColumn<QString>("control");
        QTest::newRow("the course list") << "courseList";
        QTest::newRow("the unlock box") << "unlockAll";
        QTest::newRow("the import button") << "importText";
        QTest::newRow("the miss book") << "missBook";
    }
    void everyKeyThatTypesReachesTheLessonWhicheverControlHasTheFocus() {
        QFETCH(QString, control);
        Course c;
        c.window->findChild<QWidget*>(control)->setFocus();
        const QString text = c.course().textSession()->text();
        for (int i = 0; i < 5; ++i)
            c.type(text.at(i));
        QCOMPARE(c.course().textSession()->position(), 5);
        QCOMPARE(c.course().textSession()->count(), 5);
        // A screen reader reads what is left to type and the next character.
        QCOMPARE(c.window->textView()->accessibleDescription(), text.mid(5));
        QVERIFY(c.window->keyboard()->hintLabel()->accessibleName().contains(text.at(5)));
        QVERIFY(!c.window->unlockAll()->isChecked());
    }

    void escapePausesAndThenTheKeyboardWalksTheWindowUntilAKeyThatTypes() {
        Course c;
        const QString text = c.course().textSession()->text();
        c.type(text.at(0));
        c.key(Qt::Key_Escape);
        QCOMPARE(c.course().attempt()->state(), LessonAttempt::State::Paused);
        c.window->list()->setFocus();
        const QModelIndex before = c.window->list()->currentIndex();
        c.key(Qt::Key_Down);
        QVERIFY(c.window->list()->currentIndex() != before);
        QCOMPARE(c.course().attempt()->count(), 1);
        c.type(text.at(1));
        QCOMPARE(c.course().attempt()->state(), LessonAttempt::State::Running);
        QCOMPARE(c.course().textSession()->position(), 2);
    }

    void theLessonShowsCaretColoursLitKeyAndFingerHint() {
        Course c;
        c.form->trainer().options.setZhifa(true);
        c.course().setUnlockAll(true);
        QVERIFY(c.course().start(QStringLiteral("keys-16"))); // capitals of the left hand
        LessonSession* s = c.course().textSession();
        const QString text = s->text();
        const int capital =
            int(std::find_if(text.begin() + 2, text.end(), [](QChar ch) { return ch.isUpper(); }) -
                text.begin());
        QVERIFY2(capital > 1 && capital < 120, qPrintable(text));
        c.type(text.at(0));
        c.key(Qt::Key_Q == text.at(1).toUpper().unicode() ? Qt::Key_W : Qt::Key_Q); // a miss
        for (int i = 1; i < capital; ++i)
            c.type(text.at(i));

        // The blink's own timer may have ticked meanwhile: look at the start of its cycle, lit.
        LessonHints& hints = c.course().hints();
        hints.show(-1);
        hints.show(text.at(capital).unicode());
        const QImage image = c.grab();
        LessonTextView* view = c.window->textView();
        const auto inView = [&](int index) {
            return view->characterRect(index).translated(c.placeOf(view).topLeft());
        };
        const auto green = [](QRgb p) { return qGreen(p) > 90 && qRed(p) < 60 && qBlue(p) < 60; };
        const auto red = [](QRgb p) { return qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60; };
        QVERIFY2(count(image, inView(0), green) > 5, "the first character in green");
        QVERIFY2(count(image, inView(1), red) > 5, "the missed character in red");
        QVERIFY2(count(image, inView(capital), [](QRgb p) { return exactly(p, litGreen); }) > 20,
                 "the character to type on the lit colour");

        // The capital's key is lit, with the right hand's Shift; the left index finger or
        // whichever strikes it blinks, and the right Shift button is lit.
        const QChar next = text.at(capital);
        const LessonHints::Keys keys = LessonHints::keysOf(next.unicode());
        QCOMPARE(keys.shift, 26);
        KeyboardView* keyboard = c.window->keyboard();
        for (int index : {keys.key, keys.shift}) {
            const QRect cap =
                c.placeOf(keyboard->keyLabel(index, KeyPart::Cap)).adjusted(3, 3, -3, -3);
            QVERIFY2(exactly(image.pixel(cap.topLeft()), litGreen),
                     qPrintable(QString::number(index)));
        }
        FingerPanel* fingers = c.window->fingers();
        for (int i = 0; i < 8; ++i)
            QVERIFY(exactly(image.pixel(c.placeOf(fingers->finger(i)).center()),
                            i == keys.finger ? litGreen : olive));
        const QRect rightShift = c.placeOf(fingers->shift(1));
        QVERIFY(exactly(image.pixel(rightShift.left() + 6, rightShift.center().y()), litGreen));
        QVERIFY(c.window->keyboard()->hintLabel()->text().contains(QStringLiteral("右手按 Shift")));
    }

    void whatIsOnScreenMatchesAWholeRepaintAfterKeysThatRepaintOnlyParts() {
        // Each key repaints only the characters it changes and the figures only their own
        // labels: what the screen holds must still be what a whole repaint draws.
        Course c;
        const QString text = c.course().textSession()->text();
        LessonTextView* view = c.window->textView();
        int secondLine = 0;
        while (view->characterRect(secondLine).top() == view->characterRect(0).top())
            ++secondLine;
        QVERIFY(secondLine > 4 && secondLine < text.size());
        const auto onScreen = [&c](const QWidget* w) {
            QCoreApplication::processEvents();
            return c.window->screen()->grabWindow(c.window->winId()).toImage().copy(c.placeOf(w));
        };
        const auto repainted = [&](QWidget* w) {
            w->update();
            return onScreen(w);
        };
        for (int i = 0; i < secondLine + 3; ++i) {
            if (i % 3 == 1)
                c.key(text.at(i) == QLatin1Char('f') ? Qt::Key_K : Qt::Key_F); // a miss
            c.type(text.at(i));
            if (i % 4 == 0 || i >= secondLine - 1) {
                for (QWidget* w :
                     {static_cast<QWidget*>(view), static_cast<QWidget*>(c.window->figures())}) {
                    const QImage shown = onScreen(w);
                    QCOMPARE(shown, repainted(w));
                }
            }
        }
        // The clock's tenths stand apart; a screen reader reads it whole.
        const LessonAttempt* a = c.course().attempt();
        const LessonFiguresPanel* figures = c.window->figures();
        const QLabel* time = figures->value(LessonFiguresPanel::Time);
        QCOMPARE(figures->value(LessonFiguresPanel::Count)->text(), QString::number(a->count()));
        QCOMPARE(time->text() + figures->unit(LessonFiguresPanel::Time)->text(),
                 RunsTableModel::timeText(a->seconds()));
        QCOMPARE(time->accessibleDescription(), RunsTableModel::timeText(a->seconds()));
    }

    void aFinishedLessonShowsItsResultAndTheWayOn() {
        Course c;
        const QString text = c.course().textSession()->text();
        for (const QChar ch : text)
            c.type(ch);
        LessonResultPanel* result = c.window->resultPanel();
        QVERIFY(result->isVisible());
        QCOMPARE(result->verdict()->text(), QStringLiteral("过关！"));
        QVERIFY(result->figures()->text().contains(QStringLiteral("（过关要 60）")));
        QVERIFY(result->nextButton()->hasFocus());
        c.key(Qt::Key_Return);
        QCOMPARE(c.course().current()->id, QStringLiteral("keys-02"));
        QVERIFY(c.window->textView()->isVisible());
    }

    void aLessonStopsARunOfTheMainWindowAndARunPausesTheLesson() {
        Course c;
        Trainer& t = c.form->trainer();
        t.run.start();
        c.rig.clock.advance(5.2);
        t.run.tickCountdown();
        t.keyInput.keyDown(int(t.state.mubiao), 0);
        QVERIFY(t.run.running());
        c.type(c.course().textSession()->text().at(0));
        QVERIFY(!t.run.running());
        QCOMPARE(t.history.file().load().size(), 1); // the run, recorded as stopped
        t.run.start();
        QCOMPARE(c.course().attempt()->state(), LessonAttempt::State::Paused);
    }

    void anImportedTextBecomesLessonsOfItsOwn() {
        Course c;
        const QString path = c.rig.dir.path() + QStringLiteral("/my story.txt");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("“Hello,” she said. 你好 The end.\n");
        file.close();
        c.rig.fileDialog.toOpen = {path};
        c.window->findChild<QPushButton*>(QStringLiteral("importText"))->click();
        QCOMPARE(c.rig.messageBox.informations.size(), 1);
        QVERIFY(c.rig.messageBox.informations.first().contains(QStringLiteral("2 个")));
        const QString id = QStringLiteral("text:my story:1");
        QCOMPARE(CourseListModel::idAt(c.window->list()->currentIndex()), id);
        c.window->list()->setFocus();
        c.key(Qt::Key_Return);
        QCOMPARE(c.course().current()->id, id);
        QCOMPARE(c.course().textSession()->text(), QStringLiteral("\"Hello,\" she said. The end."));
    }

    void aWubiLessonShowsTheCodeOnlyAfterAMiss() {
        Course c;
        c.course().setUnlockAll(true);
        const CourseStage* wubi = nullptr;
        for (const CourseStage& s : c.course().stages())
            if (s.id == QLatin1String("wubi"))
                wubi = &s;
        QVERIFY(wubi);
        QString oneKey;
        for (const CourseLesson& l : wubi->lessons)
            if (l.source == CourseLesson::Source::OneKey)
                oneKey = l.id;
        QVERIFY(c.course().start(oneKey));
        WubiSession* session = c.course().wubiSession();
        const QString code = session->items().first().codes.first();
        ChineseLessonView* view = c.window->chineseView();
        const QRect codeArea = view->codeRect().translated(c.placeOf(view).topLeft());
        const auto red = [](QRgb p) { return qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60; };
        QCOMPARE(count(c.grab(), codeArea, red), 0);
        QCOMPARE(c.course().hints().code(), -1); // no key gives the code away

        const int wrongKey = code == QLatin1String("z") ? Qt::Key_Y : Qt::Key_Z;
        c.key(wrongKey);
        QVERIFY2(count(c.grab(), codeArea, red) > 20, "the code beneath the character");
        QVERIFY(view->spoken().contains(QStringLiteral("编码 ") + code));
        QCOMPARE(c.course().hints().code(), int(code.at(0).unicode()));
        c.key(code.at(0).toUpper().unicode());
        c.key(Qt::Key_Space);
        QCOMPARE(session->current(), 1);
        QVERIFY(session->missed(0));
    }
};

KEYVORA_TEST_MAIN(CourseWindow, TestCourseWindow)
#include "tst_CourseWindow.moc"
