#include "TestRegistry.h"

#include "keyboard/KeyLayout.h"
#include "keyboard/KeyboardModel.h"
#include "keyboard/KeyboardView.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// Counts palette changes per widget, to see which labels a colour change touched.
class PaletteChanges : public QObject {
public:
    QHash<QObject*, int> counts;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::PaletteChange)
            ++counts[watched];
        return false;
    }
};

} // namespace

class KeyboardViewTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void frameAndCapsStandAtTheirTwipsOverFifteen_data();
    void frameAndCapsStandAtTheirTwipsOverFifteen();
    void aColourChangeRecoloursOnlyThatKeysLabels();
    void rightButtonReleaseOpensTheMenuOnlyOverItsSurfaces_data();
    void rightButtonReleaseOpensTheMenuOnlyOverItsSurfaces();
    void hoverReportsCapsAndTheBareFrameButNotGlyphs();
    void leftReleaseOnACapReportsAClick();
    void mnemonicStandsAboveTheKeyAndHidingKeepsItsPlace();
    void countdownShowsTheNumber();
    void blankCapsHaveAnAccessibleName();

private:
    // Points are in the view's coordinates; the events go through the window as real ones do.
    void move(QPoint at);
    void click(Qt::MouseButton button, QPoint at);
    QPoint centreOf(const QString& objectName) const;

    std::unique_ptr<KeyboardModel> model_;
    std::unique_ptr<QWidget> area_; // the practice area holding the frame
    KeyboardView* view_ = nullptr;
};

void KeyboardViewTest::init() {
    model_ = std::make_unique<KeyboardModel>();
    area_ = std::make_unique<QWidget>();
    area_->resize(497, 385);
    view_ = new KeyboardView(*model_, area_.get());
    area_->show();
    QVERIFY(QTest::qWaitForWindowExposed(area_.get()));
}

void KeyboardViewTest::cleanup() {
    area_.reset();
    model_.reset();
}

void KeyboardViewTest::move(QPoint at) {
    QTest::mouseMove(area_->windowHandle(), view_->mapTo(area_.get(), at));
}

void KeyboardViewTest::click(Qt::MouseButton button, QPoint at) {
    QTest::mouseClick(area_->windowHandle(), button, {}, view_->mapTo(area_.get(), at));
}

QPoint KeyboardViewTest::centreOf(const QString& objectName) const {
    if (objectName == QLatin1String("Frame2"))
        return {10, 20};
    auto* widget = view_->findChild<QWidget*>(objectName);
    return widget ? widget->geometry().center() : QPoint(-1, -1);
}

void KeyboardViewTest::frameAndCapsStandAtTheirTwipsOverFifteen_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("frame") << "Frame2" << QRect(4, -4, 485, 386);
    QTest::newRow("A") << "Label4_65" << QRect(60, 200, 29, 25);
    QTest::newRow("space") << "Label4_32" << QRect(132, 264, 213, 25);
    QTest::newRow("Enter, lower arm") << "Label4_13" << QRect(413, 201, 66, 22);
    QTest::newRow("Enter, upper arm") << "Label6_13" << QRect(436, 169, 44, 33);
    QTest::newRow("right Ctrl") << "Label4_27" << QRect(444, 264, 37, 25);
    QTest::newRow("hint") << "Label7" << QRect(28, 56, 425, 41);
    QTest::newRow("countdown number") << "daojishi_2" << QRect(248, 320, 33, 37);
}

void KeyboardViewTest::frameAndCapsStandAtTheirTwipsOverFifteen() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QWidget* widget = name == QLatin1String("Frame2") ? view_ : view_->findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
}

void KeyboardViewTest::aColourChangeRecoloursOnlyThatKeysLabels() {
    PaletteChanges changes;
    QList<QLabel*> all;
    for (int key : KeyTable::keyIndices()) {
        for (KeyPart part : {KeyPart::Cap, KeyPart::Lower, KeyPart::Upper}) {
            if (QLabel* label = view_->keyLabel(key, part)) {
                QCOMPARE(label->palette().color(QPalette::Window).rgb(), KeyboardModel::keyColour);
                label->installEventFilter(&changes);
                all << label;
            }
        }
    }
    QCOMPARE(all.size(), 61 + 12 + 14);

    model_->setKeyColour(13, KeyboardModel::litColour);
    const QList<QLabel*> enter{view_->keyLabel(13, KeyPart::Cap),
                               view_->keyLabel(13, KeyPart::Lower),
                               view_->keyLabel(13, KeyPart::Upper)};
    for (QLabel* label : all) {
        const bool isEnter = enter.contains(label);
        QCOMPARE(changes.counts.value(label), isEnter ? 1 : 0);
        QCOMPARE(label->palette().color(QPalette::Window).rgb(),
                 isEnter ? KeyboardModel::litColour : KeyboardModel::keyColour);
    }

    changes.counts.clear();
    model_->setKeyColour(13, KeyboardModel::keyColour);
    model_->setKeyColour(65, KeyboardModel::keyColour); // unchanged: nothing repaints
    for (QLabel* label : all)
        QCOMPARE(changes.counts.value(label), enter.contains(label) ? 1 : 0);
    QCOMPARE(enter[1]->palette().color(QPalette::Window).rgb(), KeyboardModel::keyColour);
}

void KeyboardViewTest::rightButtonReleaseOpensTheMenuOnlyOverItsSurfaces_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("opens");
    QTest::newRow("frame surface") << "Frame2" << true;
    QTest::newRow("hint") << "Label7" << true;
    QTest::newRow("cap") << "Label4_65" << true;
    QTest::newRow("Enter cap") << "Label4_13" << true;
    QTest::newRow("lower glyph") << "Label5_186" << true;
    QTest::newRow("quote patch") << "Label5_222" << true;
    QTest::newRow("upper glyph") << "Label6_49" << false;
    QTest::newRow("Enter upper arm") << "Label6_13" << false;
    QTest::newRow("mnemonic") << "Label8" << false;
    QTest::newRow("countdown text") << "daojishi_1" << false;
    QTest::newRow("countdown number") << "daojishi_2" << false;
}

void KeyboardViewTest::rightButtonReleaseOpensTheMenuOnlyOverItsSurfaces() {
    QFETCH(QString, target);
    QFETCH(bool, opens);
    view_->setMnemonic(true, 65, QStringLiteral("15A 工戈草头右筐七"));
    view_->setCountdown(true, QStringLiteral("5"));
    const QPoint at = centreOf(target);
    QVERIFY(view_->rect().contains(at));

    QSignalSpy menu(view_, &KeyboardView::contextMenuRequested);
    click(Qt::LeftButton, at);
    click(Qt::MiddleButton, at);
    QCOMPARE(menu.count(), 0);
    click(Qt::RightButton, at);
    QCOMPARE(menu.count(), opens ? 1 : 0);
    if (opens)
        QCOMPARE(menu.at(0).at(0).toPoint(), view_->mapToGlobal(at));
}

void KeyboardViewTest::hoverReportsCapsAndTheBareFrameButNotGlyphs() {
    QSignalSpy keys(view_, &KeyboardView::keyHovered);
    QSignalSpy frame(view_, &KeyboardView::frameHovered);

    move(centreOf(QStringLiteral("Label4_65")));
    QCOMPARE(keys.count(), 1);
    QCOMPARE(keys.at(0).at(0).toInt(), 65);

    for (const char* glyph : {"Label6_49", "Label5_186", "Label6_13"})
        move(centreOf(QLatin1String(glyph)));
    move(centreOf(QStringLiteral("Label7")));
    QCOMPARE(keys.count(), 1);
    QCOMPARE(frame.count(), 0);

    // Over a line segment the pointer is still over the key beneath it.
    const QLine stem = KeyLayout::lines()[8].line;
    move(KeyLayout::pixels(QPoint(stem.x1(), 3300)));
    QCOMPARE(keys.count(), 2);
    QCOMPARE(keys.at(1).at(0).toInt(), 13);

    move(QPoint(10, 20));
    QCOMPARE(frame.count(), 1);
    QCOMPARE(keys.count(), 2);
}

void KeyboardViewTest::leftReleaseOnACapReportsAClick() {
    QSignalSpy clicks(view_, &KeyboardView::keyClicked);
    click(Qt::RightButton, centreOf(QStringLiteral("Label4_70")));
    click(Qt::LeftButton, centreOf(QStringLiteral("Label6_49")));
    click(Qt::LeftButton, QPoint(10, 20));
    QCOMPARE(clicks.count(), 0);
    click(Qt::LeftButton, centreOf(QStringLiteral("Label4_70")));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(clicks.at(0).at(0).toInt(), 70);
}

void KeyboardViewTest::mnemonicStandsAboveTheKeyAndHidingKeepsItsPlace() {
    QLabel* label = view_->mnemonicLabel();
    QVERIFY(label->isHidden());

    const QString verse = QStringLiteral("35Q 金勺缺点无尾鱼，犬旁留义儿一点夕，氏无七");
    view_->setMnemonic(true, 81, verse);
    QVERIFY(label->isVisible());
    QCOMPARE(label->text(), verse);
    QCOMPARE(label->pos(), KeyLayout::pixels(QPoint(780, 2520 - 240)));
    QCOMPARE(label->height(), 16);
    QVERIFY(label->width() >= label->sizeHint().width());

    view_->setMnemonic(true, 83, QStringLiteral("14S 木丁西"));
    QCOMPARE(label->pos(), KeyLayout::pixels(QPoint(1380, 3000 - 240)));
    QVERIFY(label->width() < KeyLayout::pixels(6000));

    view_->setMnemonic(false, 90, QString());
    QVERIFY(label->isHidden());
    QCOMPARE(label->pos(), KeyLayout::pixels(QPoint(1380, 3000 - 240)));
    QCOMPARE(label->text(), QStringLiteral("14S 木丁西"));
}

void KeyboardViewTest::countdownShowsTheNumber() {
    QVERIFY(view_->countdownLabel(1)->isHidden());
    view_->setCountdown(true, QStringLiteral("3"));
    QVERIFY(view_->countdownLabel(1)->isVisible());
    QVERIFY(view_->countdownLabel(2)->isVisible());
    QCOMPARE(view_->countdownLabel(1)->text(), QStringLiteral("倒计时：  秒"));
    QCOMPARE(view_->countdownLabel(2)->text(), QStringLiteral("3"));
    view_->setCountdown(false, QStringLiteral("0"));
    QVERIFY(view_->countdownLabel(1)->isHidden());
    QVERIFY(view_->countdownLabel(2)->isHidden());
}

void KeyboardViewTest::blankCapsHaveAnAccessibleName() {
    for (int key : KeyTable::keyIndices()) {
        QLabel* cap = view_->keyLabel(key, KeyPart::Cap);
        QVERIFY(cap);
        if (cap->text().trimmed().isEmpty())
            QVERIFY2(!cap->accessibleName().isEmpty(), qPrintable(QString::number(key)));
    }
    QCOMPARE(view_->keyLabel(32, KeyPart::Cap)->accessibleName(), QStringLiteral("空格键"));
}

KEYVORA_TEST_MAIN(KeyboardView, KeyboardViewTest)
#include "tst_KeyboardView.moc"
