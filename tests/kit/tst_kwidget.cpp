// The frameless window: its areas, layout types, window-flag rules and
// title-bar buttons, as a window's owner and its user meet them.
#include "kit/kdialog.h"
#include "kit/kiconbar.h"
#include "kit/kmenubutton.h"
#include "kit/kwidget.h"
#include "kit/kwindowbuttonbar.h"

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

QRgb fill(QWidget *area)
{
    return area->palette().color(QPalette::Window).rgb();
}
} // namespace

class KWidgetTest : public QObject
{
    Q_OBJECT

private slots:
    // Names and sizes the desktop's style and the application's windows rely on.
    void areasButtonsAndName()
    {
        KWidget w;
        QCOMPARE(w.objectName(), QString("Kwidget"));
        QVERIFY(w.testAttribute(Qt::WA_TranslucentBackground));
        const QStringList names { w.iconBar()->objectName(), w.titleBar()->objectName(),
            w.sideBar()->objectName(), w.baseBar()->objectName() };
        QCOMPARE(names, QStringList({ "IconBar", "TitleBar", "SideWidget", "BaseWidget" }));

        lumo::KWindowButtonBar *bar = w.windowButtonBar();
        const struct
        {
            QPushButton *button;
            const char *tip;
            int windowButton, highlight;
        } buttons[] = { { bar->minimumButton(), "Minimize", 1, 2 },
            { bar->maximumButton(), "Maximize", 1, 2 }, { bar->closeButton(), "Close", 2, 8 } };
        for (const auto &b : buttons) {
            QCOMPARE(b.button->toolTip(), QString(b.tip));
            QCOMPARE(b.button->size(), QSize(30, 30));
            QVERIFY(!b.button->icon().isNull());
            QCOMPARE(b.button->property("isWindowButton").toInt(), b.windowButton);
            QCOMPARE(b.button->property("useIconHighlightEffect").toInt(), b.highlight);
        }
        QCOMPARE(bar->closeButton()->objectName(), QString("CloseButton"));

        // The title and the icon bar's name follow each other.
        w.setWidgetName("Zorva Intrusion Detector Setting");
        QCOMPARE(w.windowTitle(), QString("Zorva Intrusion Detector Setting"));
        w.setWindowTitle("Other");
        QCOMPARE(w.iconBar()->nameLabel()->text(), QString("Other"));
        QPixmap pm(32, 32);
        pm.fill(Qt::red);
        w.setIcon(QIcon(pm));
        QCOMPARE(w.iconBar()->iconLabel()->size(), QSize(24, 24));

        QVERIFY(showExposed(w, QSize(910, 520)));
        QCOMPARE(w.iconBar()->geometry(), QRect(0, 0, 200, 40));
        QCOMPARE(w.titleBar()->geometry(), QRect(200, 0, 710, 40));
        QVERIFY(w.sideBar()->isHidden());
        QCOMPARE(w.baseBar()->geometry(), QRect(0, 40, 910, 480));
        w.setLayoutType(lumo::HorizontalType);
        QTRY_COMPARE(w.sideBar()->geometry(), QRect(0, 40, 200, 480));
        QCOMPARE(w.baseBar()->geometry(), QRect(200, 40, 710, 480));
    }

    void layoutTypes()
    {
        KWidget w;
        const QRgb base = w.palette().color(QPalette::Base).rgb();
        const QRgb window = w.palette().color(QPalette::Window).rgb();
        const struct
        {
            int type;
            bool side;
            QRgb icon, sideFill, baseFill;
        } types[] = { { lumo::VerticalType, false, base, 0, base }, { 1, true, window, window, base },
            { lumo::MixedType, true, base, window, base } };
        for (const auto &t : types) {
            w.setLayoutType(t.type);
            QCOMPARE(w.layoutType(), t.type);
            QCOMPARE(w.sideBar()->isHidden(), !t.side);
            QCOMPARE(fill(w.iconBar()), t.icon);
            QCOMPARE(fill(w.baseBar()), t.baseFill);
            if (t.side)
                QCOMPARE(fill(w.sideBar()), t.sideFill);
        }
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

        // Double-clicking the title bar or the icon bar toggles as well; a right button does not.
        QTest::mouseDClick(w.titleBar(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 20));
        QTRY_VERIFY(!w.isMaximized());
        QCOMPARE(max->toolTip(), QString("Maximize"));
        QTest::mouseDClick(w.iconBar(), Qt::RightButton, Qt::NoModifier, QPoint(100, 20));
        QTest::mouseDClick(w.iconBar(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 20));
        QTRY_VERIFY(w.isMaximized());
        QTest::mouseClick(w.windowButtonBar()->closeButton(), Qt::LeftButton);
        QTRY_VERIFY(!w.isVisible());

        // A dialog is never maximised.
        w.setWindowFlags(Qt::Dialog);
        w.showNormal();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseDClick(w.titleBar(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 20));
        QTest::qWait(50);
        QVERIFY(!w.isMaximized());
    }

    void dialogShowsOnlyClose()
    {
        lumo::KDialog dialog;
        dialog.setWindowTitle("About");
        QCOMPARE(shownButtons(dialog.windowButtonBar()), QString("0001"));
        QCOMPARE(dialog.iconBar()->widgetName(), QString("About"));
        QPixmap pm(16, 16);
        pm.fill(Qt::red);
        dialog.setWindowIcon(QIcon(pm));
        QVERIFY(!dialog.iconBar()->icon().isNull());
        QVERIFY(showExposed(dialog));
        QTest::mouseClick(dialog.windowButtonBar()->closeButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(KWidgetTest)
#include "tst_kwidget.moc"
