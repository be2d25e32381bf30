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

namespace {
bool showExposed(QWidget &w, QSize size = QSize())
{
    if (size.isValid())
        w.resize(size);
    w.show();
    return QTest::qWaitForWindowExposed(&w);
}

// Which of menu, minimise, maximise and close are shown, as "0111".
QString shownButtons(lumo::KWindowButtonBar *bar)
{
    QString shown;
    for (QWidget *b : QList<QWidget *> {
             bar->menuButton(), bar->minimumButton(), bar->maximumButton(), bar->closeButton() })
        shown += b->isHidden() ? '0' : '1';
    return shown;
}

QColor fill(QWidget *area)
{
    return area->palette().color(QPalette::Window);
}

QIcon redIcon(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::red);
    return QIcon(pm);
}
} // namespace

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
        const QStringList names { w.iconBar()->objectName(), w.titleBar()->objectName(),
            w.sideBar()->objectName(), w.baseBar()->objectName() };
        QCOMPARE(names, QStringList({ "IconBar", "TitleBar", "SideWidget", "BaseWidget" }));
        QCOMPARE(w.windowButtonBar(), w.titleBar());

        QVERIFY(showExposed(w, QSize(910, 520)));
        QCOMPARE(w.iconBar()->geometry(), QRect(0, 0, 200, 40));
        QCOMPARE(w.titleBar()->geometry(), QRect(200, 0, 710, 40));
        // Default layout type 0: no side widget, the base fills the row.
        QVERIFY(w.sideBar()->isHidden());
        QCOMPARE(w.baseBar()->geometry(), QRect(0, 40, 910, 480));

        w.setLayoutType(lumo::HorizontalType);
        QTRY_COMPARE(w.sideBar()->geometry(), QRect(0, 40, 200, 480));
        // The exact geometries also show that the areas have no spacing or margins.
        QCOMPARE(w.baseBar()->geometry(), QRect(200, 40, 710, 480));
    }

    void layoutTypes()
    {
        KWidget w;
        const QColor base = w.palette().color(QPalette::Base);
        const QRgb window = w.palette().color(QPalette::Window).rgb();

        w.setLayoutType(lumo::VerticalType);
        QVERIFY(w.sideBar()->isHidden());
        for (QWidget *area : QList<QWidget *> { w.iconBar(), w.titleBar(), w.baseBar() })
            QCOMPARE(fill(area), base);

        w.setLayoutType(1);
        QCOMPARE(w.layoutType(), lumo::HorizontalType);
        QVERIFY(!w.sideBar()->isHidden());
        QCOMPARE(fill(w.sideBar()).rgb(), window);
        QCOMPARE(fill(w.iconBar()).rgb(), window);
        QCOMPARE(fill(w.baseBar()), base);

        w.setLayoutType(lumo::MixedType);
        QVERIFY(!w.sideBar()->isHidden());
        QCOMPARE(fill(w.sideBar()).rgb(), window);
        QCOMPARE(fill(w.iconBar()), base);

        QTest::ignoreMessage(QtWarningMsg, "unknown KWidget layout type 7");
        w.setLayoutType(7);
        QCOMPARE(w.layoutType(), lumo::MixedType);
    }

    void windowFlagRules_data()
    {
        QTest::addColumn<Qt::WindowType>("type");
        QTest::addColumn<QString>("shown"); // menu, minimise, maximise, close
        QTest::newRow("window") << Qt::Window << "0111";
        QTest::newRow("dialog") << Qt::Dialog << "0001";
        QTest::newRow("sheet") << Qt::Sheet << "0001";
        QTest::newRow("tool") << Qt::Tool << "0001";
        QTest::newRow("drawer") << Qt::Drawer << "0011";
        QTest::newRow("popup") << Qt::Popup << "0000";
        QTest::newRow("tooltip") << Qt::ToolTip << "0000";
        QTest::newRow("splash") << Qt::SplashScreen << "0000";
        QTest::newRow("cover window keeps all") << Qt::CoverWindow << "0111";
    }

    void windowFlagRules()
    {
        QFETCH(Qt::WindowType, type);
        KWidget w;
        // Start from a dialog so that "keeps" really has to show buttons again.
        w.setWindowFlags(Qt::Dialog);
        w.windowButtonBar()->menuButton()->show();
        // Extra hints do not change the rule; only the type counts.
        w.setWindowFlags(type | Qt::WindowStaysOnTopHint);
        QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(w.windowType(), type);
        QTEST(shownButtons(w.windowButtonBar()), "shown");
    }

    void desktopTypeDeletesItself()
    {
        QPointer<KWidget> w = new KWidget;
        QTest::ignoreMessage(QtWarningMsg, "KWidget cannot be a desktop window, deleting it");
        w->setWindowFlags(Qt::Desktop);
        QVERIFY(w);
        QCOMPARE(shownButtons(w->windowButtonBar()).mid(1), QString("000"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.isNull());
    }

    void windowButtons()
    {
        KWidget w;
        lumo::KWindowButtonBar *bar = w.windowButtonBar();
        const QList<QPushButton *> buttons { bar->minimumButton(), bar->maximumButton(), bar->closeButton() };
        const char *tips[] = { "Minimize", "Maximize", "Close" };
        auto *row = qobject_cast<QHBoxLayout *>(bar->layout());
        QVERIFY(row);
        // The four buttons in their documented order, right-aligned.
        QCOMPARE(row->itemAt(1)->widget(), static_cast<QWidget *>(bar->menuButton()));
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(row->itemAt(i + 2)->widget(), static_cast<QWidget *>(buttons[i]));
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
    }

    void maximiseRestoreAndClose()
    {
        KWidget w;
        QVERIFY(showExposed(w, QSize(600, 400)));
        QPushButton *max = w.windowButtonBar()->maximumButton();
        const qint64 maximiseIcon = max->icon().cacheKey();

        QTest::mouseClick(max, Qt::LeftButton);
        QTRY_VERIFY(w.isMaximized());
        QCOMPARE(max->toolTip(), QString("Restore"));
        QVERIFY(max->icon().cacheKey() != maximiseIcon);

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
        QVERIFY(showExposed(w, QSize(500, 300)));
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

        w.setIcon(redIcon(32));
        QVERIFY(!w.iconBar()->iconLabel()->isHidden());
        QCOMPARE(w.iconBar()->iconLabel()->size(), QSize(24, 24));
        QVERIFY(!w.windowIcon().isNull());
    }

    void dialogShowsOnlyClose()
    {
        lumo::KDialog dialog;
        dialog.setWindowTitle("About");
        QCOMPARE(shownButtons(dialog.windowButtonBar()), QString("0001"));
        QCOMPARE(dialog.iconBar()->widgetName(), QString("About"));
        dialog.setWindowIcon(redIcon(16));
        QVERIFY(!dialog.iconBar()->icon().isNull());
        QVERIFY(showExposed(dialog));
        QTest::mouseClick(dialog.windowButtonBar()->closeButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(KWidgetTest)
#include "tst_kwidget.moc"
