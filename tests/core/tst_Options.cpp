#include "TestRegistry.h"

#include "settings/Options.h"

#include <QMetaMethod>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

namespace {

using Change = std::function<void(Options&)>;

struct Case {
    const char* name;
    const char* signal; // the one signal the change emits
    Change change;
    Change refused; // values outside the range, which change nothing
};

const Case cases[] = {
    {"style", "fenggeChanged", [](Options& o) { o.setFengge(11); },
     [](Options& o) {
         o.setFengge(4);
         o.setFengge(12);
         o.setFengge(-1);
     }},
    {"key-sound mode", "shengyinChanged", [](Options& o) { o.setShengyin(0); },
     [](Options& o) { o.setShengyin(9); }},
    {"the design level chosen", "levelChanged", [](Options& o) { o.setLevel(3); },
     [](Options& o) {
         o.setLevel(0);
         o.setLevel(21);
     }},
    {"total item", "totalChanged", [](Options& o) { o.setTotal(10); },
     [](Options& o) { o.setTotal(12, 30); }},
    {"custom total", "totalChanged", [](Options& o) { o.setTotal(11, 12.5, true); },
     [](Options& o) { o.setTotal(-1, 30); }},
    {"custom 50 beside item 50", "totalChanged", [](Options& o) { o.setTotal(11, 50, true); },
     nullptr},
    {"finger hint", "zhifaChanged", [](Options& o) { o.setZhifa(false); }, nullptr},
    {"error sound", "cuowushengyinChanged", [](Options& o) { o.setCuowushengyin(false); }, nullptr},
    {"music", "beijingyinyueChanged", [](Options& o) { o.setBeijingyinyue(true); }, nullptr},
    {"edition", "banciChanged", [](Options& o) { o.setBanci(86); },
     [](Options& o) { o.setBanci(87); }},
    {"weak keys", "yicuojianChanged", [](Options& o) { o.setYicuojian(true); }, nullptr},
    {"recitation", "recitingChanged", [](Options& o) { o.setReciting(true); }, nullptr},
};

QVariantList snapshot(const Options& o) {
    return {o.fengge(), o.shengyin(),     o.level(),   o.levelChosen(),   o.zongshu(),
            o.total(),  o.totalEntered(), o.zhifa(),   o.cuowushengyin(), o.beijingyinyue(),
            o.banci(),  o.yicuojian(),    o.reciting()};
}

// The names of the signals emitted since the last call, one entry per emission.
struct SignalLog {
    explicit SignalLog(const Options& options) {
        const QMetaObject& meta = Options::staticMetaObject;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
            spies.push_back(std::make_unique<QSignalSpy>(&options, meta.method(i)));
    }
    QStringList take() {
        QStringList fired;
        for (const auto& spy : spies) {
            for (int n = 0; n < spy->count(); ++n)
                fired << QString::fromLatin1(spy->signal().left(spy->signal().indexOf('(')));
            spy->clear();
        }
        return fired;
    }
    std::vector<std::unique_ptr<QSignalSpy>> spies;
};

} // namespace

class OptionsTest : public QObject {
    Q_OBJECT
private slots:
    void eachChoiceSignalsOnceOnARealChangeAndRefusesValuesOutsideItsRange_data() {
        QTest::addColumn<int>("row");
        for (int row = 0; row < int(std::size(cases)); ++row)
            QTest::newRow(cases[row].name) << row;
    }
    void eachChoiceSignalsOnceOnARealChangeAndRefusesValuesOutsideItsRange() {
        QFETCH(int, row);
        const Case& c = cases[row];
        Options options;
        SignalLog log(options);
        c.change(options);
        QCOMPARE(log.take(), QStringList{QString::fromLatin1(c.signal)});
        const QVariantList chosen = snapshot(options);
        c.change(options);
        if (c.refused)
            c.refused(options);
        QCOMPARE(log.take(), QStringList());
        QCOMPARE(snapshot(options), chosen);
    }

    void anItemTotalIsItsCaptionsNumber() {
        for (int item = 0; item < Options::customTotal; ++item)
            QCOMPARE(QString::number(Options::itemTotal(item)), Options::totalCaptions().at(item));
    }
};

KEYVORA_TEST_GUILESS_MAIN(Options, OptionsTest)
#include "tst_Options.moc"
