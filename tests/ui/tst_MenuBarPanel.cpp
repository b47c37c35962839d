#include "TestRegistry.h"

#include "app/MenuBarPanel.h"
#include "app/PopupMenus.h"
#include "look/Twips.h"
#include "menus/MenuTree.h"
#include "settings/Options.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QWidget>

namespace {

const QColor hover(193, 210, 238);
const QColor pressed(181, 190, 214);

} // namespace

class MenuBarPanelTest : public QObject {
    Q_OBJECT

    struct Fixture {
        QWidget window;
        Options options;
        MenuTree tree{options};
        PopupMenus* menus;
        MenuBarPanel* bar;
        Fixture() {
            window.resize(Twips::px(11880), Twips::px(8190));
            menus = new PopupMenus(tree, &window);
            bar = new MenuBarPanel(&window, *menus);
        }
    };

    // The fill of the highlight.
    static QColor shown(const Fixture& f) {
        return f.bar->highlight()->palette().color(QPalette::Window);
    }

private slots:
    void highlightIsHiddenAtStart() {
        Fixture f;
        QVERIFY(!f.bar->highlightVisible());
    }

    void hoverPlacesTheHighlightAroundTheLabelInTheHoverColour_data() {
        QTest::addColumn<int>("label");
        QTest::addColumn<int>("left");
        QTest::newRow("file") << 0 << 180;
        QTest::newRow("options") << 1 << 1020;
        QTest::newRow("help") << 2 << 1860;
    }
    void hoverPlacesTheHighlightAroundTheLabelInTheHoverColour() {
        QFETCH(int, label);
        QFETCH(int, left);
        Fixture f;
        f.bar->hoverLabel(label);
        QVERIFY(f.bar->highlightVisible());
        QCOMPARE(shown(f), hover);
        QCOMPARE(f.bar->highlight()->geometry(), Twips::rect(left - 50, 30, 855, 250));
    }

    void movingFromFileToOptionsMovesTheHighlightWithoutHidingIt() {
        Fixture f;
        f.bar->hoverLabel(0);
        f.bar->hoverLabel(1);
        QVERIFY(f.bar->highlightVisible());
        QCOMPARE(f.bar->highlight()->x(), Twips::px(1020 - 50));
        QCOMPARE(shown(f), hover);
    }

    void pressedColourSurvivesTheMenuClosingAndFurtherHoverOnTheSameLabel() {
        Fixture f;
        f.bar->releaseLabel(1);
        QCOMPARE(shown(f), pressed);
        f.menus->menu(1)->hide();
        f.bar->hoverLabel(1);
        QCOMPARE(shown(f), pressed);
        QVERIFY(f.bar->highlightVisible());
        // Another label takes the hover colour again.
        f.bar->hoverLabel(2);
        QCOMPARE(shown(f), hover);
        f.bar->hideHighlight();
        QVERIFY(!f.bar->highlightVisible());
    }

    void leftReleaseOpensTheLabelsMenuBelowIt() {
        Fixture f;
        f.window.show();
        f.bar->releaseLabel(0);
        QMenu* menu = f.menus->wenjian();
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(menu->pos(), f.window.mapToGlobal(QPoint(Twips::px(120), Twips::px(325))));
        menu->hide();
    }

    void rightReleaseOnABarLabelDoesNothing() {
        Fixture f;
        f.window.show();
        QTest::mouseClick(f.bar->label(0), Qt::RightButton);
        QVERIFY(!f.menus->wenjian()->isVisible());
        QVERIFY(!f.bar->highlightVisible());
    }

    void radioGroupItemsShowTheSameTickAsEveryCheckableItem() {
        Fixture f;
        QMenu* levels = f.menus->xuanxiang()->findChild<QMenu*>(QStringLiteral("lianxijibie"));
        QVERIFY(levels);
        levels->adjustSize();
        const QImage grouped = levels->grab().toImage();
        for (QAction* item : f.tree.jibie)
            item->setActionGroup(nullptr);
        QCOMPARE(levels->grab().toImage(), grouped);
    }
};

KEYVORA_TEST_MAIN(MenuBarPanel, MenuBarPanelTest)
#include "tst_MenuBarPanel.moc"
