#include "TestRegistry.h"

#include "web/NewsPopup.h"

#include "FakeDialogs.h"
#include "web/WebPage.h"
#include "web/WebView.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

class NewsPopupTest : public QObject {
    Q_OBJECT

private slots:
    void loadPlacesTheHiddenWindowAtTheWorkAreasLowerRight() {
        FakeShell shell;
        NewsPopup popup(shell);
        popup.load(QUrl());
        QVERIFY(!popup.isVisible());
        const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(work.contains(popup.geometry()));
        QCOMPARE(popup.geometry().bottomRight(), work.bottomRight());
    }

    void revealRollsUpFromTheBottomAndEndsWithTheWholeWindow() {
        FakeShell shell;
        NewsPopup popup(shell);
        popup.load(QUrl());
        QVERIFY(popup.isRevealing());
        const int h = popup.height();
        QCOMPARE(popup.mask().boundingRect(), QRect(0, h - 10, popup.width(), 10));
        int steps = 0;
        int lastTop = h - 10;
        while (popup.isRevealing() && steps < 100) {
            popup.revealStep();
            ++steps;
            if (popup.isRevealing()) {
                const QRect band = popup.mask().boundingRect();
                QCOMPARE(band.top(), lastTop - 10);
                QCOMPARE(band.bottom(), h - 1);
                lastTop = band.top();
            }
        }
        QCOMPARE(steps, (h - 1) / 10);
        QVERIFY(popup.mask().isEmpty());
        popup.show();
        QVERIFY(popup.mask().isEmpty());
    }

    void closingFadesOutBeforeTheWindowHides() {
        FakeShell shell;
        NewsPopup popup(shell);
        popup.show();
        QVERIFY(!popup.close());
        QVERIFY(popup.isVisible());
        QVERIFY(popup.isFading());
        int steps = 0;
        while (popup.isVisible() && steps < 100) {
            QCOMPARE(popup.opacityLevel(), 255 - 10 * steps);
            QVERIFY(qAbs(popup.windowOpacity() - popup.opacityLevel() / 255.0) < 0.01);
            popup.fadeStep();
            ++steps;
        }
        QCOMPARE(steps, 24);
        QCOMPARE(popup.opacityLevel(), 15);
        QVERIFY(qAbs(popup.windowOpacity() - 15 / 255.0) < 0.01);
        QVERIFY(!popup.isVisible());
        QVERIFY(!popup.isFading());

        popup.show();
        QCOMPARE(popup.windowOpacity(), 1.0);
    }

    void closeLabelStartsTheSameFade() {
        FakeShell shell;
        NewsPopup popup(shell);
        popup.show();
        QTest::mouseClick(popup.closeLabel(), Qt::LeftButton);
        QVERIFY(popup.isFading());
        QVERIFY(popup.isVisible());
        QTest::mouseClick(popup.closeLabel(), Qt::LeftButton);
        QCOMPARE(popup.opacityLevel(), 255);
    }

    void aHiddenPopupClosesAtOnce() {
        FakeShell shell;
        NewsPopup popup(shell);
        QVERIFY(popup.close());
        QVERIFY(!popup.isFading());
    }

    void titleAndPageBoxAreLaidOut() {
        FakeShell shell;
        NewsPopup popup(shell);
        QCOMPARE(popup.titleLabel()->text(), QStringLiteral("  新闻资讯"));
        QCOMPARE(popup.closeLabel()->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(popup.rect().contains(popup.pageBox()->geometry()));
        QVERIFY(popup.pageBox()->geometry().top() >= popup.titleLabel()->geometry().bottom());
        const QSize view = popup.webView()->size();
        QCOMPARE(view, popup.pageBox()->size() + QSize(27, 27));
    }

    void dragByTheTitleMovesTheWindow() {
        FakeShell shell;
        NewsPopup popup(shell);
        popup.move(100, 100);
        popup.show();
        QLabel* title = popup.titleLabel();
        QTest::mousePress(title, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseMove(title, QPoint(40, 30));
        QTest::mouseRelease(title, Qt::LeftButton, {}, QPoint(40, 30));
        QCOMPARE(popup.pos(), QPoint(130, 120));
    }
};

KEYVORA_TEST_MAIN(NewsPopup, NewsPopupTest)
#include "tst_NewsPopup.moc"
