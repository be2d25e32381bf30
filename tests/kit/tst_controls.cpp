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

        auto *animation = tabs.findChild<QVariantAnimation *>();
        QVERIFY(animation);
        QCOMPARE(animation->duration(), 300);
        QCOMPARE(animation->easingCurve().type(), QEasingCurve::InOutQuad);

        QSignalSpy changed(&tabs, &QTabBar::currentChanged);
        QTest::mouseClick(&tabs, Qt::LeftButton, Qt::NoModifier, tabs.tabRect(1).center());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(animation->state(), QAbstractAnimation::Running);
        QCOMPARE(animation->startValue().toRectF(), QRectF(tabs.tabRect(0)));
        QCOMPARE(animation->endValue().toRectF(), QRectF(tabs.tabRect(1)));
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
        QCOMPARE(list->spacing(), 4);
        const QRect first = list->visualRect(bar.model()->index(0, 0));
        const QRect second = list->visualRect(bar.model()->index(1, 0));
        QCOMPARE(first.height(), 36);
        QCOMPARE(second.top() - first.bottom() - 1, 8); // spacing on both sides of each item
        // The list is as tall as its items, so nothing is cut off.
        QVERIFY(list->height() >= list->visualRect(bar.model()->index(4, 0)).bottom());

        QSignalSpy clicked(list, &QListView::clicked);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
        QCOMPARE(clicked.count(), 1);
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
        QSignalSpy pressed(&button, &QPushButton::clicked);
        button.show();
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(pressed.count(), 1);

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
