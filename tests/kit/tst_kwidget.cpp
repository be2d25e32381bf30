// The frameless window: its areas, layout types, window-flag rules and
// title-bar buttons, as a window's owner and its user meet them.
#include "kit/kdialog.h"
#include "kit/kiconbar.h"
#include "kit/kmenubutton.h"
#include "kit/kwidget.h"
#include "kit/kwindowbuttonbar.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using lumo::KWidget;

Q_DECLARE_METATYPE(Qt::WindowType)

class KWidgetTest : public QObject
{
    Q_OBJECT

private slots:
    void areasAndSizes()
    {
        KWidget w;
        QCOMPARE(w.objectName(), QString("Kwidget"));
        QVERIFY(w.testAttribute(Qt::WA_TranslucentBackground));
        QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(w.iconBar()->objectName(), QString("IconBar"));
        QCOMPARE(w.titleBar()->objectName(), QString("TitleBar"));
        QCOMPARE(w.sideBar()->objectName(), QString("SideWidget"));
        QCOMPARE(w.baseBar()->objectName(), QString("BaseWidget"));
        QCOMPARE(w.windowButtonBar(), w.titleBar());

        w.resize(910, 520);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.iconBar()->geometry(), QRect(0, 0, 200, 40));
        QCOMPARE(w.titleBar()->geometry(), QRect(200, 0, 710, 40));
        // Default layout type 0: no side widget, the base fills the row.
        QVERIFY(w.sideBar()->isHidden());
        QCOMPARE(w.baseBar()->geometry(), QRect(0, 40, 910, 480));

        w.setLayoutType(lumo::HorizontalType);
        QTRY_COMPARE(w.sideBar()->geometry(), QRect(0, 40, 200, 480));
        QCOMPARE(w.baseBar()->geometry(), QRect(200, 40, 710, 480));

        auto *layout = qobject_cast<QBoxLayout *>(w.layout());
        QVERIFY(layout);
        QCOMPARE(layout->spacing(), 0);
        QCOMPARE(layout->contentsMargins(), QMargins());
    }

    void layoutTypes()
    {
        KWidget w;
        const QColor base = w.palette().color(QPalette::Base);
        const QColor window = w.palette().color(QPalette::Window);
        auto fill = [](QWidget *area) { return area->palette().color(QPalette::Window); };

        w.setLayoutType(lumo::VerticalType);
        QVERIFY(w.sideBar()->isHidden());
        QCOMPARE(fill(w.iconBar()), base);
        QCOMPARE(fill(w.titleBar()), base);
        QCOMPARE(fill(w.baseBar()), base);

        w.setLayoutType(1);
        QCOMPARE(w.layoutType(), lumo::HorizontalType);
        QVERIFY(!w.sideBar()->isHidden());
        QCOMPARE(fill(w.sideBar()).rgb(), window.rgb());
        QCOMPARE(fill(w.iconBar()).rgb(), window.rgb());
        QCOMPARE(fill(w.baseBar()), base);

        w.setLayoutType(lumo::MixedType);
        QVERIFY(!w.sideBar()->isHidden());
        QCOMPARE(fill(w.sideBar()).rgb(), window.rgb());
        QCOMPARE(fill(w.iconBar()), base);

        QTest::ignoreMessage(QtWarningMsg, "unknown KWidget layout type 7");
        w.setLayoutType(7);
        QCOMPARE(w.layoutType(), lumo::MixedType);
    }

    void windowFlagRules_data()
    {
        QTest::addColumn<Qt::WindowType>("type");
        QTest::addColumn<bool>("minimum");
        QTest::addColumn<bool>("maximum");
        QTest::addColumn<bool>("close");
        QTest::newRow("window") << Qt::Window << true << true << true;
        QTest::newRow("dialog") << Qt::Dialog << false << false << true;
        QTest::newRow("sheet") << Qt::Sheet << false << false << true;
        QTest::newRow("tool") << Qt::Tool << false << false << true;
        QTest::newRow("drawer") << Qt::Drawer << false << true << true;
        QTest::newRow("popup") << Qt::Popup << false << false << false;
        QTest::newRow("tooltip") << Qt::ToolTip << false << false << false;
        QTest::newRow("splash") << Qt::SplashScreen << false << false << false;
        QTest::newRow("cover window keeps all") << Qt::CoverWindow << true << true << true;
    }

    void windowFlagRules()
    {
        QFETCH(Qt::WindowType, type);
        QFETCH(bool, minimum);
        QFETCH(bool, maximum);
        QFETCH(bool, close);
        KWidget w;
        // Start from a dialog so that "keeps" really has to show buttons again.
        w.setWindowFlags(Qt::Dialog);
        w.windowButtonBar()->menuButton()->show();
        // Extra hints do not change the rule; only the type counts.
        w.setWindowFlags(type | Qt::WindowStaysOnTopHint);
        lumo::KWindowButtonBar *bar = w.windowButtonBar();
        QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(w.windowType(), type);
        QVERIFY(bar->menuButton()->isHidden());
        QCOMPARE(!bar->minimumButton()->isHidden(), minimum);
        QCOMPARE(!bar->maximumButton()->isHidden(), maximum);
        QCOMPARE(!bar->closeButton()->isHidden(), close);
    }

    void desktopTypeDeletesItself()
    {
        QPointer<KWidget> w = new KWidget;
        QTest::ignoreMessage(QtWarningMsg, "KWidget cannot be a desktop window, deleting it");
        w->setWindowFlags(Qt::Desktop);
        QVERIFY(w);
        lumo::KWindowButtonBar *bar = w->windowButtonBar();
        QVERIFY(bar->minimumButton()->isHidden() && bar->maximumButton()->isHidden());
        QVERIFY(bar->closeButton()->isHidden());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
    }

    void windowButtons()
    {
        KWidget w;
        lumo::KWindowButtonBar *bar = w.windowButtonBar();
        QPushButton *buttons[] = { bar->minimumButton(), bar->maximumButton(), bar->closeButton() };
        const char *tips[] = { "Minimize", "Maximize", "Close" };
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(buttons[i]->toolTip(), QString(tips[i]));
            QCOMPARE(buttons[i]->size(), QSize(30, 30));
            QVERIFY(!buttons[i]->icon().isNull());
            QVERIFY(buttons[i]->property("isWindowButton").isValid());
            QVERIFY(buttons[i]->property("useIconHighlightEffect").isValid());
        }
        QCOMPARE(bar->closeButton()->objectName(), QString("CloseButton"));
        QCOMPARE(bar->closeButton()->property("isWindowButton").toInt(), 2);
        QCOMPARE(bar->closeButton()->property("useIconHighlightEffect").toInt(), 8);
        QCOMPARE(bar->maximumButton()->property("isWindowButton").toInt(), 1);

        // The four buttons in their documented order, right-aligned.
        auto *row = qobject_cast<QHBoxLayout *>(bar->layout());
        QVERIFY(row);
        QCOMPARE(row->itemAt(1)->widget(), static_cast<QWidget *>(bar->menuButton()));
        QCOMPARE(row->itemAt(2)->widget(), static_cast<QWidget *>(bar->minimumButton()));
        QCOMPARE(row->itemAt(3)->widget(), static_cast<QWidget *>(bar->maximumButton()));
        QCOMPARE(row->itemAt(4)->widget(), static_cast<QWidget *>(bar->closeButton()));
    }

    void maximiseRestoreAndClose()
    {
        KWidget w;
        w.resize(600, 400);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QPushButton *max = w.windowButtonBar()->maximumButton();
        const QIcon maximiseIcon = max->icon();

        QTest::mouseClick(max, Qt::LeftButton);
        QTRY_VERIFY(w.isMaximized());
        QCOMPARE(max->toolTip(), QString("Restore"));
        QVERIFY(max->icon().cacheKey() != maximiseIcon.cacheKey());

        // Double-clicking the title bar or the icon bar toggles as well.
        QSignalSpy titleSpy(w.titleBar(), &lumo::KWindowButtonBar::doubleClick);
        QTest::mouseDClick(w.titleBar(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 20));
        QCOMPARE(titleSpy.count(), 1);
        QTRY_VERIFY(!w.isMaximized());
        QCOMPARE(max->toolTip(), QString("Maximize"));

        QSignalSpy iconSpy(w.iconBar(), &lumo::KIconBar::doubleClick);
        QTest::mouseDClick(w.iconBar(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 20));
        QCOMPARE(iconSpy.count(), 1);
        QTRY_VERIFY(w.isMaximized());
        QTest::mouseDClick(w.iconBar(), Qt::RightButton, Qt::NoModifier, QPoint(100, 20));
        QCOMPARE(iconSpy.count(), 1);

        QTest::mouseClick(w.windowButtonBar()->closeButton(), Qt::LeftButton);
        QTRY_VERIFY(!w.isVisible());
    }

    void dialogTypeIgnoresDoubleClick()
    {
        KWidget w;
        w.setWindowFlags(Qt::Dialog);
        w.resize(500, 300);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseDClick(w.titleBar(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 20));
        QTest::qWait(50);
        QVERIFY(!w.isMaximized());
    }

    void nameAndIcon()
    {
        KWidget w;
        w.setWidgetName("Zorva Intrusion Detector Setting");
        QCOMPARE(w.windowTitle(), QString("Zorva Intrusion Detector Setting"));
        QCOMPARE(w.iconBar()->nameLabel()->text(), QString("Zorva Intrusion Detector Setting"));
        w.setWindowTitle("Other");
        QCOMPARE(w.iconBar()->widgetName(), QString("Other"));

        QPixmap pm(32, 32);
        pm.fill(Qt::red);
        w.setIcon(QIcon(pm));
        QVERIFY(!w.iconBar()->iconLabel()->isHidden());
        QCOMPARE(w.iconBar()->iconLabel()->size(), QSize(24, 24));
        QVERIFY(!w.windowIcon().isNull());
    }

    void dialogShowsOnlyClose()
    {
        lumo::KDialog dialog;
        dialog.setWindowTitle("About");
        lumo::KWindowButtonBar *bar = dialog.windowButtonBar();
        QVERIFY(bar->menuButton()->isHidden());
        QVERIFY(bar->minimumButton()->isHidden());
        QVERIFY(bar->maximumButton()->isHidden());
        QVERIFY(!bar->closeButton()->isHidden());
        QCOMPARE(dialog.iconBar()->widgetName(), QString("About"));
        QPixmap pm(16, 16);
        pm.fill(Qt::red);
        dialog.setWindowIcon(QIcon(pm));
        QVERIFY(!dialog.iconBar()->icon().isNull());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(bar->closeButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(KWidgetTest)
#include "tst_kwidget.moc"
