#include "TestRegistry.h"

#include "web/WebPage.h"

#include "FakeHostLookup.h"
#include "LocalHttpServer.h"

#include <QFile>
#include <QNetworkProxy>
#include <QSignalSpy>
#include <QTest>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

class WebPageTest : public QObject {
    Q_OBJECT
    FakeHostLookup names;

private slots:
    // First of all, while nothing in this process has used TLS yet.
    void anUnknownHostEndsTheFetchBeforeAnyTlsIsLoaded() {
        const QUrl address(QStringLiteral("https://keyvora-test.invalid/index.htm"));
        const auto proxies = QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(address));
        if (!proxies.isEmpty() && proxies.first().type() != QNetworkProxy::NoProxy)
            QSKIP("a proxy is configured: the proxy would look the name up");
        WebPage page;
        page.setHostLookup(&names);
        QSignalSpy loaded(&page, &WebPage::loaded);
        page.navigate(address);
        QVERIFY(page.isBusy());
        QVERIFY(loaded.wait(20000));
        QCOMPARE(loaded.size(), 1);
        QVERIFY(!page.isBusy());
        QVERIFY(page.html().isEmpty());
        QCOMPARE(names.asked, QStringList{QStringLiteral("keyvora-test.invalid")});
#if defined(Q_OS_LINUX)
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY(!maps.readAll().contains("libssl"));
#elif defined(Q_OS_WIN)
        QVERIFY(!GetModuleHandleW(L"qschannelbackend.dll")); // the TLS plugin
#endif
    }

    void aLookupLeftBehindByANewNavigationIsIgnored() {
        LocalHttpServer server;
        server.setPage(QStringLiteral("/page.htm"), "<body>here</body>");
        WebPage page;
        page.setHostLookup(&names);
        QSignalSpy loaded(&page, &WebPage::loaded);
        page.navigate(QUrl(QStringLiteral("http://keyvora-test.invalid/")));
        page.navigate(server.base().resolved(QUrl(QStringLiteral("page.htm"))));
        QVERIFY(loaded.wait(5000));
        QCOMPARE(page.bodyHtml(), QStringLiteral("here"));
        QTest::qWait(50); // room for the abandoned lookup to come back, were it not dropped
        QCOMPARE(loaded.size(), 1);
        QCOMPARE(page.bodyHtml(), QStringLiteral("here"));
    }

    void bodyIsTheInnerHtmlOfTheBodyTag_data() {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("body");
        QTest::newRow("plain")
            << "<html><head><title>t</title></head><body>Hi <b>x</b></body></html>"
            << "Hi <b>x</b>";
        QTest::newRow("attributes and capitals")
            << "<HTML><BODY bgcolor=\"#fff\" onload='a()'>\n<MARQUEE>新闻</MARQUEE>\n</BODY></HTML>"
            << "\n<MARQUEE>新闻</MARQUEE>\n";
        QTest::newRow("no closing tag") << "<body class=a>open ended"
                                        << "open ended";
        QTest::newRow("no body tag") << "<marquee>bare</marquee>"
                                     << "<marquee>bare</marquee>";
        QTest::newRow("tbody is not body") << "<table><tbody><tr><td>x</td></tr></tbody></table>"
                                           << "<table><tbody><tr><td>x</td></tr></tbody></table>";
    }
    void bodyIsTheInnerHtmlOfTheBodyTag() {
        QFETCH(QString, html);
        QFETCH(QString, body);
        QCOMPARE(WebPage::bodyOf(html), body);
    }

    void aFetchedPageEndsBusyWithItsBody() {
        LocalHttpServer server;
        server.setPage(
            QStringLiteral("/a.htm"),
            QStringLiteral("<html><body>资讯 <marquee>x</marquee></body></html>").toUtf8());
        WebPage page;
        page.setHostLookup(&names);
        QSignalSpy loaded(&page, &WebPage::loaded);
        page.navigate(server.base().resolved(QUrl(QStringLiteral("a.htm"))));
        QVERIFY(page.isBusy());
        QVERIFY(loaded.wait(5000));
        QVERIFY(!page.isBusy());
        QCOMPARE(page.bodyHtml(), QStringLiteral("资讯 <marquee>x</marquee>"));
    }

    void aChineseLegacyCharsetDecodesThePage_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("contentType");
        // "新闻" in GB2312, which GBK extends.
        QTest::newRow("named by the server") << QByteArray("<body>\xd0\xc2\xce\xc5</body>")
                                             << QByteArray("text/html; charset=gb2312");
        QTest::newRow("named by the page")
            << QByteArray("<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
                          "charset=gbk\"></head><body>\xd0\xc2\xce\xc5</body></html>")
            << QByteArray("text/html");
    }
    void aChineseLegacyCharsetDecodesThePage() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, contentType);
        LocalHttpServer server;
        server.setPage(QStringLiteral("/gb.htm"), LocalHttpServer::Page{200, bytes, contentType});
        WebPage page;
        page.setHostLookup(&names);
        QSignalSpy loaded(&page, &WebPage::loaded);
        page.navigate(server.base().resolved(QUrl(QStringLiteral("gb.htm"))));
        QVERIFY(loaded.wait(5000));
        QCOMPARE(page.bodyHtml(), QStringLiteral("新闻"));
    }

    void aFailedFetchEndsNotBusyAndEmpty_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<qint64>("sizeCap");
        QTest::newRow("not found") << "missing.htm" << WebPage::defaultSizeCap;
        QTest::newRow("server error") << "broken.htm" << WebPage::defaultSizeCap;
        QTest::newRow("larger than the cap") << "big.htm" << qint64(1000);
    }
    void aFailedFetchEndsNotBusyAndEmpty() {
        QFETCH(QString, path);
        QFETCH(qint64, sizeCap);
        LocalHttpServer server;
        server.setPage(QStringLiteral("/broken.htm"), "<body>oops</body>", 500);
        server.setPage(QStringLiteral("/big.htm"), "<body>" + QByteArray(5000, 'x') + "</body>");
        WebPage page(nullptr, WebPage::defaultTimeoutMs, sizeCap);
        page.setHostLookup(&names);
        QSignalSpy loaded(&page, &WebPage::loaded);
        page.navigate(server.base().resolved(QUrl(path)));
        QVERIFY(loaded.wait(5000));
        QCOMPARE(loaded.size(), 1);
        QVERIFY(!page.isBusy());
        QVERIFY(page.html().isEmpty());
        QVERIFY(page.bodyHtml().isEmpty());
    }

    void anAddressThatIsNotWebEndsAsAFailure_data() {
        QTest::addColumn<QUrl>("address");
        QTest::newRow("empty") << QUrl();
        QTest::newRow("local file") << QUrl::fromLocalFile(QStringLiteral("/etc/hostname"));
    }
    void anAddressThatIsNotWebEndsAsAFailure() {
        QFETCH(QUrl, address);
        WebPage page;
        page.setHostLookup(&names);
        QSignalSpy loaded(&page, &WebPage::loaded);
        page.navigate(address);
        QVERIFY(page.isBusy());
        QVERIFY(loaded.wait(5000));
        QVERIFY(!page.isBusy());
        QVERIFY(page.html().isEmpty());
    }

    void aNewNavigationReplacesTheOneUnderWay() {
        LocalHttpServer server;
        server.setPage(QStringLiteral("/first.htm"), "<body>first</body>");
        server.setPage(QStringLiteral("/second.htm"), "<body>second</body>");
        WebPage page;
        page.setHostLookup(&names);
        QSignalSpy loaded(&page, &WebPage::loaded);
        page.navigate(QUrl());
        page.navigate(server.base().resolved(QUrl(QStringLiteral("first.htm"))));
        page.navigate(server.base().resolved(QUrl(QStringLiteral("second.htm"))));
        QVERIFY(loaded.wait(5000));
        QCOMPARE(page.bodyHtml(), QStringLiteral("second"));
        QCoreApplication::processEvents();
        QCOMPARE(loaded.size(), 1);
    }
};

KEYVORA_TEST_GUILESS_MAIN(WebPage, WebPageTest)
#include "tst_WebPage.moc"
