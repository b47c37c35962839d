#include "TestRegistry.h"

#include "RadioGroupHandlers.h"
#include "RecordingSoundChannel.h"
#include "menus/MenuTree.h"
#include "platform/DataFolder.h"
#include "platform/ProgramFolder.h"
#include "practice/PracticeState.h"
#include "settings/DefaultSettings.h"
#include "settings/SettingsStore.h"
#include "sound/SoundSwitches.h"
#include "sound/WubiMnemonics.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A channel that writes what it is asked into a log shared with the other channels.
class LoggingChannel final : public SoundChannel {
public:
    LoggingChannel(QStringList& log, int number) : log_(log), number_(number) {}
    void setFile(const QString& path) override { file_ = path; }
    QString file() const override { return file_; }
    void play() override { log_ << QStringLiteral("play %1").arg(number_); }
    void halt() override { log_ << QStringLiteral("halt %1").arg(number_); }

private:
    QStringList& log_;
    int number_;
    QString file_;
};

struct Program {
    QTemporaryDir dir;
    ProgramFolder folder{dir.path()};
    Options options;
    MenuTree menus{options};
    PracticeState practice{options};
    QStringList log; // handler calls and channel calls, in order
    LoggingChannel c1{log, 1}, c2{log, 2}, c3{log, 3}, c4{log, 4};
    RadioGroupHandlers radio;
    GroupHandlers handlers = logged(radio.make(options));
    DefaultSettings defaults{options, handlers, {&c1, &c2, &c3, &c4}};
    SoundSwitches switches{options, c4, folder};
    WubiMnemonics wubi{options, practice, c3, c4, folder, [](int) { return QString(); }};

    GroupHandlers logged(GroupHandlers h) {
        const auto wrap = [this](const QString& name, std::function<void(int)> f) {
            return [this, name, f](int index) {
                log << QStringLiteral("%1(%2)").arg(name).arg(index);
                f(index);
            };
        };
        return {wrap(QStringLiteral("fengge1"), h.fengge1),
                wrap(QStringLiteral("shengyin1"), h.shengyin1),
                wrap(QStringLiteral("jibie"), h.jibie), wrap(QStringLiteral("zongshu"), h.zongshu)};
    }

    // Every choice away from its default.
    void scramble() {
        handlers.fengge1(9);
        handlers.shengyin1(0);
        handlers.jibie(17);
        handlers.zongshu(11);
        options.setZhifa(false);
        options.setCuowushengyin(false);
        options.setBanci(86);
        log.clear();
    }

    QString state() const {
        QStringList parts;
        for (const QList<QAction*>* group :
             {&menus.fengge1, &menus.shengyin1, &menus.jibie, &menus.zongshu, &menus.banci1})
            parts << QString::number(MenuTree::checkedIndex(*group));
        for (const QAction* item : {menus.zhifa, menus.cuowushengyin, menus.beijingyinyue})
            parts << QString::number(item->isChecked());
        parts << QString::number(menus.beijingyinyue->isEnabled())
              << QString::number(menus.shengyin1[1]->isEnabled()) << menus.bofangwubi->text();
        return parts.join(u' ');
    }
};

const QStringList restoreOrder{"fengge1(0)", "shengyin1(1)", "jibie(2)", "zongshu(4)",
                               "halt 1",     "halt 2",       "halt 3",   "halt 4"};

} // namespace

class DefaultSettingsTest : public QObject {
    Q_OBJECT
private slots:
    void restoringSetsTheDesignDefaultsAndHaltsEveryChannelInOrder() {
        Program p;
        const QString design = p.state();
        p.scramble();
        p.defaults.huifu();
        QCOMPARE(p.state(), design);
        QCOMPARE(p.log, restoreOrder);
    }

    void restoringTwiceGivesTheSameStateAsOnce() {
        Program p;
        p.scramble();
        p.defaults.huifu();
        const QString once = p.state();
        p.log.clear();
        p.defaults.huifu();
        QCOMPARE(p.state(), once);
        QCOMPARE(p.log, restoreOrder);
    }

    void restoringStopsTheMusic() {
        Program p;
        p.switches.toggleMusic();
        p.defaults.huifu();
        QVERIFY(!p.menus.beijingyinyue->isChecked());
        QVERIFY(p.menus.beijingyinyue->isEnabled());
        QCOMPARE(p.log.last(), QStringLiteral("halt 4"));
    }

    void restoringStopsTheRecitationAndFreesTheMusicItem() {
        Program p;
        p.wubi.toggleRecitation();
        QVERIFY(p.wubi.reciting());
        p.log.clear();
        p.defaults.huifu();
        QVERIFY(!p.wubi.reciting());
        QCOMPARE(p.menus.bofangwubi->text(), MenuTree::bofangCaption);
        QVERIFY(!p.menus.beijingyinyue->isChecked());
        QVERIFY(p.menus.beijingyinyue->isEnabled());
        QCOMPARE(p.log, restoreOrder);
    }

    void theStateSavedAfterRestoringIsTheDefaultFile() {
        Program p;
        QVERIFY(QDir(p.dir.path()).mkdir(QStringLiteral("数据库")));
        p.scramble();
        p.switches.toggleMusic();
        p.defaults.huifu();
        const DataFolder data(p.dir.path());
        SettingsStore store(p.options, data, p.handlers);
        store.jiyicaidan();
        QFile file(store.path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(),
                 QByteArray(" 0\r\n 1\r\n 2\r\n 4\r\nTrue\r\nTrue\r\nFalse\r\nFalse\r\n"));
    }

    void fingeringTogglesOnlyItsOwnMark() {
        Program p;
        const QString before = p.state();
        p.defaults.zhifa();
        QVERIFY(!p.menus.zhifa->isChecked());
        p.defaults.zhifa();
        QCOMPARE(p.state(), before);
        QVERIFY(p.log.isEmpty());
    }
};

KEYVORA_TEST_MAIN(DefaultSettings, DefaultSettingsTest)
#include "tst_DefaultSettings.moc"
