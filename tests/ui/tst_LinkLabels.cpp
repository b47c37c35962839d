#include "TestRegistry.h"

#include "web/LinkLabels.h"

#include "FakeDialogs.h"
#include "look/SongFont.h"

#include <QEnterEvent>
#include <QLabel>
#include <QTest>

namespace {

void hover(QLabel* label) {
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(label, &enter);
}

bool looksHovered(const QLabel* label) {
    return label->palette().color(QPalette::WindowText) == QColor(255, 0, 0) &&
           label->font().underline();
}

bool looksPlain(const QLabel* label) {
    return label->palette().color(QPalette::WindowText) == QColor(0, 0, 255) &&
           !label->font().underline();
}

} // namespace

class LinkLabelsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // Text widths are measured in the font the program draws with, its own cut of the Song
        // font when the build made one; a system without a Song font (Wine) would have nothing
        // but a fallback to measure.
        SongFont::addOwnFont(QStringLiteral(KEYVORA_PROGRAM_DIR "/") + SongFont::ownFile);
    }

    void linksStartBlueWithTheSitesAddresses() {
        FakeShell shell;
        const WebAddresses site(QUrl(QStringLiteral("http://127.0.0.1:9/")));
        LinkLabels links(shell, site);
        for (int i = 0; i < 2; ++i) {
            QVERIFY(looksPlain(links.link(i)));
            QVERIFY(site.base().isParentOf(QUrl(links.link(i)->text())) ||
                    QUrl(links.link(i)->text()) == site.base());
            QVERIFY(!links.link(i)->toolTip().isEmpty());
            QCOMPARE(links.link(i)->cursor().shape(), Qt::PointingHandCursor);
            QVERIFY(!links.caption(i)->text().isEmpty());
        }
        QVERIFY(links.link(0)->text() != links.link(1)->text());
    }

    void hoverTurnsOnlyThatLinkRedAndUnderlined() {
        FakeShell shell;
        LinkLabels links(shell);
        hover(links.link(1));
        QVERIFY(looksHovered(links.link(1)));
        QVERIFY(looksPlain(links.link(0)));
        hover(links.link(0));
        QVERIFY(looksHovered(links.link(0)));
        QVERIFY(looksHovered(links.link(1)));
    }

    void resetTurnsBothLinksBackToBlue() {
        FakeShell shell;
        LinkLabels links(shell);
        hover(links.link(0));
        hover(links.link(1));
        links.resetLinks();
        QVERIFY(looksPlain(links.link(0)));
        QVERIFY(looksPlain(links.link(1)));
    }

    void clickOpensTheTrimmedCaption() {
        FakeShell shell;
        LinkLabels links(shell);
        links.show();
        const QString address = links.link(1)->text();
        links.link(1)->setText(QStringLiteral("  ") + address + QStringLiteral(" "));
        QTest::mouseClick(links.link(1), Qt::LeftButton);
        QCOMPARE(shell.opened, QStringList{address});
        QTest::mouseClick(links.link(0), Qt::RightButton);
        QCOMPARE(shell.opened.size(), 1);
    }

    void linksFitTheirLabels() {
        FakeShell shell;
        LinkLabels links(shell);
        for (int i = 0; i < 2; ++i) {
            for (QLabel* label : {links.link(i), links.caption(i)}) {
                // What is drawn must fit: a synthetic bold adds a pixel to every advance on some
                // platforms (Windows) and none on others, while the ink stays the same.
                QVERIFY2(label->fontMetrics().tightBoundingRect(label->text()).width() <=
                             label->width(),
                         qPrintable(label->text()));
                QVERIFY(links.rect().contains(label->geometry()));
            }
        }
    }
};

KEYVORA_TEST_MAIN(LinkLabels, LinkLabelsTest)
#include "tst_LinkLabels.moc"
