#include "web/WebStripPanel.h"

#include "FakeDialogs.h"
#include "web/WebPage.h"
#include "web/WebStrip.h"
#include "web/WebView.h"

#include <QEnterEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

class WebStripPanelTest : public QObject {
    Q_OBJECT

    struct Rig {
        QTemporaryDir dir;
        FakeConnection connection;
        FakeShell shell;
        WebPage page;
        WebStrip strip{
            connection, page, DataFolder(dir.path()), QUrl(), QStringLiteral("kv"), [] {
                return QDate(2024, 1, 1);
            }};
        QWidget window;
        WebStripPanel panel{strip, page, shell, &window};

        Rig() { window.show(); }
    };

private slots:
    void stripStartsHiddenAtItsDesignSize() {
        Rig rig;
        QVERIFY(!rig.panel.isVisible());
        QCOMPARE(rig.panel.size(), QSize(489, 28));
        QCOMPARE(rig.panel.palette().color(QPalette::Window), QColor(215, 220, 248));
        QCOMPARE(rig.panel.hideButton()->toolTip(), QStringLiteral("隐藏"));
        QCOMPARE(rig.panel.label()->text(), WebStripPanel::labelCaption());
    }

    void layoutFillsTheStripWithTheInnerBox() {
        Rig rig;
        emit rig.strip.laidOut();
        const QRect strip = rig.panel.rect();
        QCOMPARE(rig.panel.frameShape(), QFrame::NoFrame);
        QCOMPARE(rig.panel.innerBox()->geometry(), strip);
        const QRect button = rig.panel.hideButton()->geometry();
        QCOMPARE(button.height(), strip.height());
        QCOMPARE(button.right(), strip.right());
        QCOMPARE(rig.panel.webView()->size(), strip.size() + QSize(80, 80));
        QCOMPARE(rig.panel.webView()->pos(), QPoint(-4, -4));
        const QRect label = rig.panel.label()->geometry();
        QCOMPARE(label.width(), strip.width() - 13);
        QVERIFY(qAbs(label.left() - (strip.right() - label.right())) <= 1);
    }

    void stripFollowsTheSequencesVerdict() {
        Rig rig;
        emit rig.strip.stripVisibleChanged(true);
        QVERIFY(rig.panel.isVisible());
    }

    void hideButtonAndLabelToggleTheInnerBox() {
        Rig rig;
        emit rig.strip.laidOut();
        emit rig.strip.stripVisibleChanged(true);
        QTest::mouseClick(rig.panel.hideButton(), Qt::LeftButton);
        QVERIFY(!rig.panel.innerBox()->isVisible());
        QVERIFY(rig.panel.label()->isVisible());
        QTest::mouseClick(rig.panel.label(), Qt::LeftButton);
        QVERIFY(rig.panel.innerBox()->isVisible());
    }

    void pointerOverTheLabelAndOffItChangesTheCaption() {
        Rig rig;
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(rig.panel.label(), &enter);
        QCOMPARE(rig.panel.label()->text(), WebStripPanel::hoverCaption());
        QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), QPointF(1, 1), QPointF(1, 1),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&rig.panel, &move);
        QCOMPARE(rig.panel.label()->text(), QString());
    }
};

QTEST_MAIN(WebStripPanelTest)
#include "tst_WebStripPanel.moc"
