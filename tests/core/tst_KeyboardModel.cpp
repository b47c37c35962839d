#include "TestRegistry.h"

#include "keyboard/KeyboardModel.h"

#include <QSignalSpy>
#include <QTest>

class KeyboardModelTest : public QObject {
    Q_OBJECT
private slots:
    void enterLightsCapArrowAndUpperArmTogether();
    void partsAKeyLacksKeepTheKeyColour();
    void indicesWithoutLabelsAreSkipped_data();
    void indicesWithoutLabelsAreSkipped();
};

void KeyboardModelTest::enterLightsCapArrowAndUpperArmTogether() {
    KeyboardModel model;
    QSignalSpy changed(&model, &KeyboardModel::keyColourChanged);
    model.setKeyColour(13, KeyboardModel::litColour);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), 13);
    for (KeyPart part : {KeyPart::Cap, KeyPart::Lower, KeyPart::Upper})
        QCOMPARE(model.colour(13, part), KeyboardModel::litColour);
}

void KeyboardModelTest::partsAKeyLacksKeepTheKeyColour() {
    KeyboardModel model;
    model.setKeyColour(65, KeyboardModel::litColour);
    model.setKeyColour(49, KeyboardModel::litColour);
    QCOMPARE(model.colour(65, KeyPart::Lower), KeyboardModel::keyColour);
    QCOMPARE(model.colour(65, KeyPart::Upper), KeyboardModel::keyColour);
    QCOMPARE(model.colour(49, KeyPart::Upper), KeyboardModel::litColour);
    QCOMPARE(model.colour(49, KeyPart::Lower), KeyboardModel::keyColour);
}

void KeyboardModelTest::indicesWithoutLabelsAreSkipped_data() {
    QTest::addColumn<int>("keyIndex");
    QTest::newRow("1") << 1;
    QTest::newRow("100") << 100;
    QTest::newRow("218") << 218;
    QTest::newRow("past the table") << 223;
    QTest::newRow("negative") << -1;
}

void KeyboardModelTest::indicesWithoutLabelsAreSkipped() {
    QFETCH(int, keyIndex);
    KeyboardModel model;
    QSignalSpy changed(&model, &KeyboardModel::keyColourChanged);
    model.setKeyColour(keyIndex, KeyboardModel::litColour);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(model.colour(keyIndex, KeyPart::Cap), KeyboardModel::keyColour);
}

KEYVORA_TEST_GUILESS_MAIN(KeyboardModel, KeyboardModelTest)
#include "tst_KeyboardModel.moc"
