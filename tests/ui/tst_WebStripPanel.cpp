#include "TestRegistry.h"

#include "web/WebStripPanel.h"

#include "FakeDialogs.h"
#include "FakeHostLookup.h"
#include "LocalHttpServer.h"
#include "TrainerRig.h"
#include "web/WebPage.h"
#include "web/WebPeriphery.h"
#include "web/WebStrip.h"
#include "web/WebView.h"

#include <QBuffer>
#include <QEnterEvent>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Pixels of the view that are pure red, or dark enough to be text.
int countPixels(const QImage& image, bool red) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += red ? (c == QColor(Qt::red)) : (c.lightness() < 100);
        }
    return n;
}

// The leftmost column that shows text, or -1.
int leftmostText(const QImage& image) {
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(x, y).lightness() < 100)
                return x;
    return -1;
}

} // namespace

class WebStripPanelTest : public QObject {
    Q_OBJECT

    struct ViewRig {
        LocalHttpServer server;
        FakeConnection connection;
        FakeShell shell;
        FakeHostLookup names;
        WebPage page;
        WebView view{page, shell};

        ViewRig() {
            page.setHostLookup(&names);
            view.setConnection(&connection);
            view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            view.resize(240, 60);
            view.show();
        }
        void open(const QByteArray& html) {
            server.setPage(QStringLiteral("/p.htm"), html);
            QSignalSpy shown(&page, &WebPage::loaded);
            page.navigate(server.base().resolved(QUrl(QStringLiteral("p.htm"))));
            QVERIFY(shown.wait());
        }
    };

    struct Rig {
        QTemporaryDir dir;
        FakeConnection connection;
        FakeShell shell;
        WebPage page;
        WebStrip strip{connection, page, DataFolder(dir.path()), QUrl(), QStringLiteral("kv"), [] {
                           return QDate(2024, 1, 1);
                       }};
        QWidget window;
        WebStripPanel panel{strip, page, shell, &window};

        Rig() { window.show(); }
    };

private slots:
    // The panel and its text view are built only for a page the strip goes on to show, and that
    // page is in the view as soon as it is built.
    void thePanelIsBuiltOnlyForAPageTheStripShows_data() {
        QTest::addColumn<bool>("online");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("shown");
        const QByteArray scrolling("<body><marquee>新版本发布</marquee></body>");
        QTest::newRow("a scrolling page") << true << scrolling << true;
        QTest::newRow("a still page") << true << QByteArray("<body>新版本发布</body>") << false;
        QTest::newRow("no page at that address") << true << QByteArray() << false;
        QTest::newRow("offline") << false << scrolling << false;
    }
    void thePanelIsBuiltOnlyForAPageTheStripShows() {
        QFETCH(bool, online);
        QFETCH(QByteArray, body);
        QFETCH(bool, shown);
        TrainerRig rig;
        rig.connection.online = online;
        LocalHttpServer server;
        if (!body.isEmpty())
            server.setPage(QStringLiteral("/rjshengji/gg.htm"), body);
        QWidget window;
        WebPeriphery web(&window, rig.platform(), WebAddresses(server.base()));
        window.show();
        for (int i = 0; i < 300 && web.strip().count() < 12; ++i) {
            web.strip().tick();
            QTest::qWait(5);
        }
        auto* panel = window.findChild<WebStripPanel*>();
        QCOMPARE(panel != nullptr, shown);
        if (panel) {
            QVERIFY(panel->isVisible());
            QVERIFY(panel->webView()->toPlainText().contains(QStringLiteral("新版本发布")));
        }
    }

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

    void thePicturesOfAPageShowOnlyWhileOnline_data() {
        QTest::addColumn<bool>("online");
        QTest::newRow("online") << true;
        QTest::newRow("offline") << false;
    }
    void thePicturesOfAPageShowOnlyWhileOnline() {
        QFETCH(bool, online);
        ViewRig rig;
        QImage red(30, 20, QImage::Format_RGB32);
        red.fill(Qt::red);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        red.save(&buffer, "PNG");
        rig.server.setPage(QStringLiteral("/red.png"), {200, png, "image/png"});
        rig.connection.online = online;
        rig.open("<html><body><img src=\"red.png\"><img src=\"file:///etc/passwd\"></body></html>");
        if (online)
            QTRY_COMPARE(countPixels(rig.view.grab().toImage(), true), 30 * 20);
        QCOMPARE(rig.server.requests.size(), online ? 2 : 1);
        if (!online)
            QCOMPARE(countPixels(rig.view.grab().toImage(), true), 0);
    }

    void aMarqueeCarriesItsTextAcrossTheViewAndAgain() {
        ViewRig rig;
        rig.open("<html><body><marquee>新闻资讯</marquee></body></html>");
        QVERIFY(rig.view.hasMarquee());
        // The text starts just outside the right edge and moves left step by step.
        QCOMPARE(countPixels(rig.view.grab().toImage(), false), 0);
        int steps = 0;
        while (leftmostText(rig.view.grab().toImage()) < 0 && steps < 100) {
            rig.view.tickMarquee();
            ++steps;
        }
        QVERIFY(steps > 0 && steps < 100);
        int left = leftmostText(rig.view.grab().toImage());
        for (int i = 0; i < 5; ++i) {
            rig.view.tickMarquee();
            const int now = leftmostText(rig.view.grab().toImage());
            QCOMPARE(now, left - WebView::marqueeStepPx);
            left = now;
        }
        // Having left at the other edge, it comes in again from the right.
        for (int i = 0; i < 200 && countPixels(rig.view.grab().toImage(), false) > 0; ++i)
            rig.view.tickMarquee();
        QCOMPARE(countPixels(rig.view.grab().toImage(), false), 0);
        for (int i = 0; i < 200 && leftmostText(rig.view.grab().toImage()) < 0; ++i)
            rig.view.tickMarquee();
        QVERIFY(leftmostText(rig.view.grab().toImage()) > rig.view.width() / 2);
    }

    // As a browser does with a hidden tab, the marquee rests where it is and goes on from there;
    // a page that arrives meanwhile waits at its start.
    void aMarqueeRestsWhileItsWindowIsMinimisedOrHidden_data() {
        QTest::addColumn<bool>("minimised");
        QTest::addColumn<bool>("newPage");
        QTest::newRow("minimised") << true << false;
        QTest::newRow("page arrives while minimised") << true << true;
        QTest::newRow("hidden") << false << false;
    }
    void aMarqueeRestsWhileItsWindowIsMinimisedOrHidden() {
        QFETCH(bool, minimised);
        QFETCH(bool, newPage);
        QWidget window; // outlives the rig's view
        ViewRig rig;
        rig.view.setParent(&window);
        rig.view.show();
        window.show();
        rig.open("<html><body><marquee>新闻资讯</marquee></body></html>");
        const int start = rig.view.horizontalScrollBar()->value();
        rig.view.tickMarquee();
        minimised ? window.showMinimized() : window.hide();
        QVERIFY(!rig.view.isScrolling());
        if (newPage)
            rig.open("<html><body><marquee>又一条</marquee></body></html>");
        QVERIFY(!rig.view.isScrolling());
        window.showNormal();
        QVERIFY(rig.view.isScrolling());
        QCOMPARE(rig.view.horizontalScrollBar()->value(),
                 newPage ? start : start + WebView::marqueeStepPx);
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

KEYVORA_TEST_MAIN(WebStripPanel, WebStripPanelTest)
#include "tst_WebStripPanel.moc"
