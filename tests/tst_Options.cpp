#include "settings/Options.h"

#include <QMetaMethod>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

using Change = std::function<void(Options&)>;
Q_DECLARE_METATYPE(Change)

namespace {

// Every choice as one line, to see that a refused value changed nothing.
QString snapshot(const Options& o) {
    return QStringLiteral("%1 %2 %3/%4 %5/%6/%7 %8%9%10 %11 %12%13")
        .arg(o.fengge())
        .arg(o.shengyin())
        .arg(o.level())
        .arg(o.levelChosen())
        .arg(o.zongshu())
        .arg(o.total())
        .arg(o.totalEntered())
        .arg(o.zhifa())
        .arg(o.cuowushengyin())
        .arg(o.beijingyinyue())
        .arg(o.banci())
        .arg(o.yicuojian())
        .arg(o.reciting());
}

// Counts the emissions of every signal the options declare.
struct SignalLog {
    explicit SignalLog(const Options& options) {
        const QMetaObject& meta = Options::staticMetaObject;
        for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
            if (meta.method(i).methodType() == QMetaMethod::Signal)
                spies.push_back(std::make_unique<QSignalSpy>(&options, meta.method(i)));
    }
    // "name×count" for each signal that fired since the last call.
    QStringList take() {
        QStringList fired;
        for (const auto& spy : spies) {
            if (spy->count() > 0)
                fired << QStringLiteral("%1x%2")
                             .arg(QString::fromLatin1(
                                 spy->signal().mid(0, spy->signal().indexOf('('))))
                             .arg(spy->count());
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
        QTest::addColumn<Change>("change");
        QTest::addColumn<QString>("signal");
        QTest::addColumn<Change>("refused");
        QTest::newRow("style") << Change([](Options& o) { o.setFengge(11); }) << "fenggeChanged"
                               << Change([](Options& o) {
                                      for (int style : {-1, 4, 12})
                                          o.setFengge(style);
                                  });
        QTest::newRow("key-sound mode")
            << Change([](Options& o) { o.setShengyin(0); }) << "shengyinChanged"
            << Change([](Options& o) { o.setShengyin(9); });
        QTest::newRow("the design level chosen drops the design text")
            << Change([](Options& o) { o.setLevel(3); }) << "levelChanged"
            << Change([](Options& o) {
                   o.setLevel(0);
                   o.setLevel(21);
               });
        QTest::newRow("total item") << Change([](Options& o) { o.setTotal(10); }) << "totalChanged"
                                    << Change([](Options& o) { o.setTotal(12, 30); });
        QTest::newRow("custom total")
            << Change([](Options& o) { o.setTotal(11, 12.5, true); }) << "totalChanged"
            << Change([](Options& o) { o.setTotal(-1, 30); });
        QTest::newRow("custom total 50 beside item 50")
            << Change([](Options& o) { o.setTotal(11, 50, true); }) << "totalChanged"
            << Change(nullptr);
        QTest::newRow("finger hint")
            << Change([](Options& o) { o.setZhifa(false); }) << "zhifaChanged" << Change(nullptr);
        QTest::newRow("error sound") << Change([](Options& o) { o.setCuowushengyin(false); })
                                     << "cuowushengyinChanged" << Change(nullptr);
        QTest::newRow("music") << Change([](Options& o) { o.setBeijingyinyue(true); })
                               << "beijingyinyueChanged" << Change(nullptr);
        QTest::newRow("edition") << Change([](Options& o) { o.setBanci(86); }) << "banciChanged"
                                 << Change([](Options& o) { o.setBanci(87); });
        QTest::newRow("weak keys") << Change([](Options& o) { o.setYicuojian(true); })
                                   << "yicuojianChanged" << Change(nullptr);
        QTest::newRow("recitation") << Change([](Options& o) { o.setReciting(true); })
                                    << "recitingChanged" << Change(nullptr);
    }
    void eachChoiceSignalsOnceOnARealChangeAndRefusesValuesOutsideItsRange() {
        QFETCH(Change, change);
        QFETCH(QString, signal);
        QFETCH(Change, refused);
        Options options;
        SignalLog log(options);
        change(options);
        QCOMPARE(log.take(), QStringList{signal + QStringLiteral("x1")});
        const QString chosen = snapshot(options);
        change(options);
        if (refused)
            refused(options);
        QCOMPARE(log.take(), QStringList());
        QCOMPARE(snapshot(options), chosen);
    }

    void theDesignStateIsTheDefaultOfEveryMenu() {
        const Options o;
        QCOMPARE(snapshot(o), QStringLiteral("0 1 3/0 4/50/0 110 98 00"));
    }

    void anItemTotalIsItsCaptionsNumber() {
        for (int item = 0; item < Options::customTotal; ++item)
            QCOMPARE(QString::number(Options::itemTotal(item)), Options::totalCaptions().at(item));
    }
};

QTEST_GUILESS_MAIN(OptionsTest)
#include "tst_Options.moc"
