// Tab bar, navigation bar, borderless button and link label.
#include "kit/kborderlessbutton.h"
#include "kit/knavigationbar.h"
#include "kit/ktabbar.h"
#include "kit/linklabel.h"

#include <QListView>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QVariantAnimation>
#include <QtTest>

class ControlsTest : public QObject
{
    Q_OBJECT

private slots:
    void tabBarStylesAndAnimation()
    {
        QCOMPARE(lumo::KTabBar(0, nullptr).barStyle(), lumo::SegmentDark);
        QCOMPARE(lumo::KTabBar(lumo::Sliding).barStyle(), lumo::Sliding);
        QTest::ignoreMessage(QtWarningMsg, "unknown tab bar style 9 - using the light segments");
        QCOMPARE(lumo::KTabBar(9, nullptr).barStyle(), lumo::SegmentLight);
        lumo::KTabBar tabs(1, nullptr);
        QCOMPARE(tabs.barStyle(), lumo::SegmentLight);
        tabs.setFixedSize(200, 36);
        tabs.addTab("Alarm Logs");
        tabs.addTab("Alarm Statistics");
        tabs.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tabs));
        QCOMPARE(tabs.tabRect(0).height(), 36);
        QCOMPARE(tabs.tabRect(0).width() + tabs.tabRect(1).width(), 200);

        // The highlight slides from the old tab and comes to rest on the new one.
        auto *animation = tabs.findChild<QVariantAnimation *>();
        QTest::mouseClick(&tabs, Qt::LeftButton, Qt::NoModifier, tabs.tabRect(1).center());
        QCOMPARE(tabs.currentIndex(), 1);
        QCOMPARE(animation->startValue().toRectF(), QRectF(tabs.tabRect(0)));
        QTRY_COMPARE_WITH_TIMEOUT(animation->state(), QAbstractAnimation::Stopped, 2000);
        QCOMPARE(animation->currentValue().toRectF(), QRectF(tabs.tabRect(1)));
    }

    void navigationBar()
    {
        lumo::KNavigationBar bar;
        for (const char *name : { "Basic Setting", "Defense Setting", "AI Network Threat Detect" }) {
            auto *item = new QStandardItem(name);
            item->setData(Qt::AlignLeft, Qt::TextAlignmentRole);
            bar.addItem(item);
        }
        bar.addGroupItems({ new QStandardItem("Report") }, "More");
        QCOMPARE(bar.model()->rowCount(), 5);
        QCOMPARE(bar.model()->item(3)->flags(), Qt::NoItemFlags);
        QVERIFY(!(bar.model()->item(4)->flags() & Qt::ItemIsEditable));

        bar.resize(bar.sizeHint().width(), 400);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QListView *list = bar.listview();
        const QRect second = list->visualRect(bar.model()->index(1, 0));
        QCOMPARE(second.height(), 36);
        // The list is as tall as its items, so nothing is cut off.
        QVERIFY(list->height() >= list->visualRect(bar.model()->index(4, 0)).bottom());

        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
        QCOMPARE(list->currentIndex().row(), 1);
        // A group title cannot be chosen.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
            list->visualRect(bar.model()->index(3, 0)).center());
        QCOMPARE(list->currentIndex().row(), 1);
    }

    void borderlessButtonAndLinkLabel()
    {
        lumo::KBorderlessButton button("See all");
        QVERIFY(button.sizeHint().width() >= button.fontMetrics().horizontalAdvance("See all"));

        lumo::LinkLabel link("support@zorvasoft.com");
        link.resize(200, 20);
        link.show();
        QSignalSpy clicked(&link, &lumo::LinkLabel::clicked);
        QTest::mouseClick(&link, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QCOMPARE(clicked.count(), 1);
        // Pressing and letting go elsewhere is no click.
        QTest::mousePress(&link, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QTest::mouseRelease(&link, Qt::LeftButton, Qt::NoModifier, QPoint(300, 10));
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(link.textFormat(), Qt::PlainText);
    }
};

QTEST_MAIN(ControlsTest)
#include "tst_controls.moc"
