#include "TestRegistry.h"

#include "TrainerRig.h"

#include "app/Form1.h"
#include "app/MenuBarPanel.h"
#include "app/PopupMenus.h"
#include "keyboard/KeyboardView.h"
#include "look/Twips.h"
#include "practice/FingerPanel.h"
#include "practice/PracticeArea.h"
#include "practice/StatisticsPanel.h"
#include "web/LinkLabels.h"
#include "web/WebPeriphery.h"
#include "web/WebStripPanel.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

QWidget* surface(Form1& form, const QString& name) {
    if (name == QLatin1String("window"))
        return &form;
    if (name == QLatin1String("Frame1"))
        return form.statisticsPanel().frame();
    if (name == QLatin1String("Label2"))
        return form.statisticsPanel().caption(3);
    if (name == QLatin1String("Label3"))
        return form.statisticsPanel().value(4);
    if (name == QLatin1String("Picture1"))
        return form.practiceArea().frame();
    if (name == QLatin1String("Label1"))
        return form.titleBanner();
    KeyboardView* keys = form.practiceArea().keyboard();
    if (name == QLatin1String("Frame2"))
        return keys;
    if (name == QLatin1String("Label7"))
        return keys->hintLabel();
    if (name == QLatin1String("Label4"))
        return keys->keyLabel(65, KeyPart::Cap);
    if (name == QLatin1String("Label5"))
        return keys->keyLabel(186, KeyPart::Lower);
    if (name == QLatin1String("Label6"))
        return keys->keyLabel(49, KeyPart::Upper);
    if (name == QLatin1String("Command2"))
        return form.fingerPanel().finger(0);
    if (name == QLatin1String("Command3"))
        return form.fingerPanel().shift(1);
    if (name == QLatin1String("xialuozifu"))
        return form.practiceArea().fallingLabel();
    if (name == QLatin1String("Lab_caidan"))
        return form.menuBar().label(0);
    if (name.startsWith(QLatin1String("daojishi"))) {
        form.practiceArea().setCountdown(true, QStringLiteral("5"));
        return form.practiceArea().countdownLabel(name.back().digitValue());
    }
    return nullptr;
}

// A point of the widget that no child covers.
QPoint freePoint(QWidget* widget) {
    for (int y = 10; y < widget->height(); y += 3)
        for (int x = 10; x < widget->width(); x += 3)
            if (widget->childAt(x, y) == nullptr)
                return QPoint(x, y);
    return QPoint(1, 1);
}

void startRun(TrainerRig& rig, Form1& form) {
    form.trainer().run.start();
    rig.clock.advance(5.01);
    form.trainer().run.tickCountdown();
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT
private slots:
    void captionCarriesTheVersion() {
        TrainerRig rig;
        Form1 form(rig.platform());
        QCOMPARE(form.windowTitle(), QStringLiteral("Keyvora 6.20"));
    }

    void screenWidthDecidesTheWindowState_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("maximized");
        QTest::newRow("800 pixels") << 800 << true;
        QTest::newRow("801 pixels") << 801 << false;
        QTest::newRow("640 pixels") << 640 << true;
    }
    void screenWidthDecidesTheWindowState() {
        QFETCH(int, width);
        QFETCH(bool, maximized);
        TrainerRig rig;
        Form1 form(rig.platform(width));
        QCOMPARE(form.windowState().testFlag(Qt::WindowMaximized), maximized);
        if (!maximized)
            QCOMPARE(form.size(), QSize(Twips::px(11880), Twips::px(8190)));
    }

    void theWindowShowsWithTheSoundFolderMissingAndTheChannelsHoldTheirStartUpFiles() {
        TrainerRig rig;
        Form1 form(rig.platform());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        // The platform's separators, as the program hands paths to the sound channels.
        QVERIFY(QDir::fromNativeSeparators(rig.channel(1).file()).endsWith(u"声音/音效/音效1"));
        QVERIFY(QDir::fromNativeSeparators(rig.channel(2).file()).endsWith(u"声音/音效/击键错误"));
        QVERIFY(rig.channel(1).calls.indexOf(QStringLiteral("play")) < 0);
        QVERIFY(form.practiceArea().fallingLabel()->text().isEmpty());
    }

    void controlsStandAtTheirDesignPlaces() {
        TrainerRig rig;
        Form1 form(rig.platform());
        QCOMPARE(form.statisticsPanel().frame()->geometry(), Twips::rect(600, 1500, 2655, 5415));
        QCOMPARE(form.practiceArea().frame()->geometry(), Twips::rect(3720, 1200, 7455, 5775));
        QCOMPARE(form.titleBanner()->geometry(), Twips::rect(900, 540, 10875, 435));
        QCOMPARE(form.fingerPanel().finger(4)->geometry(), Twips::rect(7740, 7080, 375, 375));
        QCOMPARE(form.fingerPanel().shift(1)->geometry(), Twips::rect(9900, 7080, 1035, 375));
        QCOMPARE(form.menuBar().label(2)->geometry(), Twips::rect(1860, 60, 855, 195));
        QCOMPARE(form.statisticsPanel().value(0)->text(), QStringLiteral("  3"));
        QCOMPARE(form.statisticsPanel().value(1)->text(), QStringLiteral("50"));
        QCOMPARE(form.titleBanner()->text(), QStringLiteral("K e y v o r a"));
    }

    void rightReleaseOpensTheFileMenuOnlyOverTheListedSurfaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("opens");
        for (const char* name : {"window", "Frame1", "Label2", "Label3", "Picture1", "Label1",
                                 "Frame2", "Label7", "Label4", "Label5"})
            QTest::newRow(name) << QString::fromLatin1(name) << true;
        for (const char* name : {"Label6", "Command2", "Command3", "xialuozifu", "Lab_caidan",
                                 "daojishi3", "daojishi4"})
            QTest::newRow(name) << QString::fromLatin1(name) << false;
    }
    void rightReleaseOpensTheFileMenuOnlyOverTheListedSurfaces() {
        QFETCH(QString, name);
        QFETCH(bool, opens);
        TrainerRig rig;
        Form1 form(rig.platform());
        form.trainer().falling.setCaption(QStringLiteral("A"));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QWidget* target = surface(form, name);
        QVERIFY(target);
        QMenu* menu = form.popupMenus().wenjian();
        QSignalSpy shown(menu, &QMenu::aboutToShow);
        QTest::mouseClick(target, Qt::RightButton, {}, freePoint(target));
        QCOMPARE(menu->isVisible(), opens);
        QCOMPARE(shown.size(), opens ? 1 : 0);
        menu->hide();
    }

    void onlyTheWindowSurfaceResetsTheLinkLabels_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("resets");
        QTest::newRow("window") << QStringLiteral("window") << true;
        QTest::newRow("Frame1") << QStringLiteral("Frame1") << false;
        QTest::newRow("Label1") << QStringLiteral("Label1") << false;
    }
    void onlyTheWindowSurfaceResetsTheLinkLabels() {
        QFETCH(QString, name);
        QFETCH(bool, resets);
        TrainerRig rig;
        Form1 form(rig.platform());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QLabel* link = form.web().links()->link(0);
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(link, &enter);
        QCOMPARE(link->palette().color(QPalette::WindowText), LinkLabels::hoverColour());
        QWidget* target = surface(form, name);
        QTest::mouseMove(target, freePoint(target));
        QCoreApplication::processEvents();
        QCOMPARE(link->palette().color(QPalette::WindowText),
                 resets ? LinkLabels::linkColour() : LinkLabels::hoverColour());
    }

    void everyKeyReachesTheHandlerAndNoneMovesTheFocus_data() {
        QTest::addColumn<bool>("throughTheSystem");
        QTest::newRow("from the system, a control focused") << true;
        QTest::newRow("sent to the window") << false;
    }
    void everyKeyReachesTheHandlerAndNoneMovesTheFocus() {
        QFETCH(bool, throughTheSystem);
        TrainerRig rig;
        Form1 form(rig.platform());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        startRun(rig, form);
        // A control that would take Tab, Space and Return for itself if it saw them.
        auto* button = form.findChild<QAbstractButton*>();
        QVERIFY(button);
        button->setFocusPolicy(Qt::StrongFocus);
        button->setFocus();
        int pressed = 0;
        connect(button, &QAbstractButton::pressed, this, [&pressed] { ++pressed; });
        QWidget* focused = QApplication::focusWidget();
        const int before = form.trainer().state.jishu();
        for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return, Qt::Key_Down, Qt::Key_F,
                            Qt::Key_VolumeUp}) {
            if (throughTheSystem)
                QTest::keyClick(form.windowHandle(), key, Qt::NoModifier);
            else
                QTest::keyClick(&form, key);
        }
        QCOMPARE(form.trainer().state.jishu(), before + 6);
        QCOMPARE(QApplication::focusWidget(), focused);
        QCOMPARE(pressed, 0);
    }

    void altAOpensTheFileMenuAtThePointer() {
        TrainerRig rig;
        Form1 form(rig.platform());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::keyClick(&form, Qt::Key_A, Qt::AltModifier);
        QVERIFY(form.popupMenus().wenjian()->isVisible());
        form.popupMenus().wenjian()->hide();
    }

    void closingSavesTheSettingsAndEndsTheProgramAtOnceWhenOnline_data() {
        QTest::addColumn<bool>("online");
        QTest::newRow("online") << true;
        QTest::newRow("offline") << false;
    }
    void closingSavesTheSettingsAndEndsTheProgramAtOnceWhenOnline() {
        QFETCH(bool, online);
        TrainerRig rig;
        rig.connection.online = online;
        Form1 form(rig.platform());
        QSignalSpy end(&form, &Form1::programEndRequested);
        form.show();
        form.trainer().menus.tuichu->trigger();
        QVERIFY(!form.isVisible());
        QCOMPARE(rig.settingsBytes(),
                 QByteArray(" 0\r\n 1\r\n 2\r\n 4\r\nTrue\r\nTrue\r\nFalse\r\nFalse\r\n"));
        QCOMPARE(end.size(), online ? 1 : 0);
    }

    void menuChoicesSurviveClosingTheWindowAndOpeningItAgain() {
        TrainerRig rig;
        {
            Form1 first(rig.platform());
            first.trainer().deferredStart.tick();
            first.trainer().menus.fengge1[6]->trigger();
            first.trainer().menus.jibie[9]->trigger();
            first.trainer().menus.banci1[0]->trigger();
            first.close();
        }
        Form1 second(rig.platform());
        QCOMPARE(MenuTree::checkedIndex(second.trainer().menus.fengge1), 0);
        second.trainer().deferredStart.tick();
        QCOMPARE(MenuTree::checkedIndex(second.trainer().menus.fengge1), 6);
        QCOMPARE(second.statisticsPanel().value(0)->text(), QStringLiteral("10"));
        QCOMPARE(second.titleBanner()->text(), QStringLiteral("Keyvora-数字和字母(小写显示)"));
        QVERIFY(second.practiceArea().keyboard()->isHidden());
        QVERIFY(second.trainer().menus.banci1[0]->isChecked());
    }

    void theCountdownShowsInBothAreasAndTheFiguresFollowTheRun() {
        TrainerRig rig;
        Form1 form(rig.platform());
        form.show();
        form.trainer().run.start();
        QVERIFY(form.practiceArea().countdownLabel(3)->isVisibleTo(form.practiceArea().frame()));
        QCOMPARE(form.practiceArea().keyboard()->countdownLabel(2)->text(), QStringLiteral("5"));
        rig.clock.advance(2.0);
        form.trainer().run.tickCountdown();
        QCOMPARE(form.practiceArea().countdownLabel(4)->text(), QStringLiteral("3"));
        rig.clock.advance(3.01);
        form.trainer().run.tickCountdown();
        QVERIFY(!form.practiceArea().countdownLabel(4)->isVisibleTo(form.practiceArea().frame()));
        form.trainer().statistics.tick();
        QCOMPARE(form.statisticsPanel().value(3)->text(), QStringLiteral(" 1"));
    }

    void hoveringALetterShowsItsMnemonicAndTheFrameHidesIt() {
        TrainerRig rig;
        Form1 form(rig.platform());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        KeyboardView* keys = form.practiceArea().keyboard();
        QTest::mouseMove(keys->keyLabel(71, KeyPart::Cap));
        QTRY_VERIFY(keys->mnemonicLabel()->isVisible());
        QCOMPARE(keys->mnemonicLabel()->text(), QStringLiteral("11G 王旁青头五夫一"));
        QTest::mouseMove(keys, freePoint(keys));
        QTRY_VERIFY(!keys->mnemonicLabel()->isVisible());
    }

    void theWebStripStaysHiddenOffline() {
        TrainerRig rig;
        Form1 form(rig.platform());
        form.show();
        for (int i = 0; i < 20; ++i)
            form.web().strip().tick();
        QVERIFY(form.web().stripPanel()->isHidden());
        QVERIFY(!QFile::exists(rig.dir.path() + QStringLiteral("/gg.jl")));
    }
};

KEYVORA_TEST_MAIN(Form1, Form1Test)
#include "tst_Form1.moc"
