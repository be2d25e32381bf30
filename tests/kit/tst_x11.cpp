// Window-manager hints of the kit's frameless windows on a real X server (run under xvfb-run).
#include "kit/kwidget.h"
#include "kit/xatomhelper.h"

#include <QX11Info>
#include <QtTest>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

using lumo::XAtomHelper;

namespace {

QVector<long> readProperty(WId window, const char *name)
{
    Display *display = QX11Info::display();
    const Atom atom = XInternAtom(display, name, True);
    QVector<long> values;
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    if (atom != 0
        && XGetWindowProperty(
               display, window, atom, 0, 64, False, AnyPropertyType, &type, &format, &count, &after, &data)
            == 0
        && data && format == 32) {
        const long *longs = reinterpret_cast<const long *>(data);
        values = QVector<long>(longs, longs + count);
    }
    if (data)
        XFree(data);
    return values;
}

// A frameless window without system decorations: flags, functions, decorations.
const QVector<long> kFramelessHints { 3, 1, 2, 0, 0 };
} // namespace

class X11Test : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(QX11Info::isPlatformX11(), "run under xvfb-run with the xcb platform");
        XAtomHelper *helper = XAtomHelper::getInstance();
        QVERIFY(helper->isAvailable() && helper->motifWmHintsAtom() && helper->borderRadiusAtom()
            && helper->decorationAtom());
    }

    void windowAndDialogHints()
    {
        lumo::KWidget widget;
        widget.setWindowFlags(Qt::Dialog);
        widget.resize(400, 300);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        const WId id = widget.winId();

        QCOMPARE(readProperty(id, "_MOTIF_WM_HINTS"), kFramelessHints);
        QCOMPARE(XAtomHelper::getInstance()->getWindowMotifHint(id).decorations, 2ul);
        QVERIFY(XAtomHelper::isFrameLessWindow(id));
        QCOMPARE(readProperty(id, "_KWIN_VEMO_DECORAION"), QVector<long>({ 1 }));
        QCOMPARE(readProperty(id, "_UNITY_GTK_BORDER_RADIUS").size(), 4);
        // Blur behind the translucent window is asked for.
        QVERIFY(!readProperty(id, "_KDE_NET_WM_BLUR_BEHIND_REGION").isEmpty());

        // Changing the flags again keeps the frameless hints.
        widget.setWindowFlags(Qt::Window);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        const WId window = widget.winId();
        QCOMPARE(readProperty(window, "_MOTIF_WM_HINTS"), kFramelessHints);
        // A negative radius is sent as none.
        XAtomHelper::getInstance()->setWindowBorderRadius(window, 12, 10, 8, -3);
        QCOMPARE(readProperty(window, "_UNITY_GTK_BORDER_RADIUS"), QVector<long>({ 12, 10, 8, 0 }));
        XAtomHelper::getInstance()->setVemoDecorationHint(window, false);
        QCOMPARE(readProperty(window, "_KWIN_VEMO_DECORAION"), QVector<long>({ 0 }));
    }
};

QTEST_MAIN(X11Test)
#include "tst_x11.moc"
