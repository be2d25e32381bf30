#include "kit/xatomhelper.h"
#include "kit/xatomhelper_p.h"

#include <QDebug>
#include <QX11Info>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace lumo {

XAtomHelperPrivate::XAtomHelperPrivate(QObject *parent)
    : QObject(parent)
{
    if (!QX11Info::isPlatformX11())
        return;
    m_display = QX11Info::display();
    if (!m_display)
        return;
    // The Motif atom is only meaningful when a window manager knows it.
    m_motifAtom = XInternAtom(m_display, "_MOTIF_WM_HINTS", True);
    m_radiusAtom = XInternAtom(m_display, "_UNITY_GTK_BORDER_RADIUS", False);
    m_decorationAtom = XInternAtom(m_display, "_KWIN_VEMO_DECORAION", False);
}

XAtomHelper::XAtomHelper(QObject *parent)
    : QObject(parent)
    , d(new XAtomHelperPrivate(this))
{
}

XAtomHelper::~XAtomHelper() = default;

XAtomHelper *XAtomHelper::getInstance()
{
    static XAtomHelper *instance = new XAtomHelper;
    return instance;
}

bool XAtomHelper::isAvailable() const
{
    return d->m_display != nullptr;
}

unsigned long XAtomHelper::motifWmHintsAtom() const
{
    return d->m_motifAtom;
}

unsigned long XAtomHelper::borderRadiusAtom() const
{
    return d->m_radiusAtom;
}

unsigned long XAtomHelper::decorationAtom() const
{
    return d->m_decorationAtom;
}

MotifWmHints XAtomHelper::borderOnlyHints()
{
    MotifWmHints hints;
    hints.flags = MWM_HINTS_FUNCTIONS | MWM_HINTS_DECORATIONS;
    hints.functions = MWM_FUNC_ALL;
    hints.decorations = MWM_DECOR_BORDER;
    hints.inputMode = 0;
    hints.status = 0;
    return hints;
}

bool XAtomHelper::isFrameLessWindow(WId winId)
{
    const MotifWmHints hints = getInstance()->getWindowMotifHint(winId);
    return (hints.flags & MWM_HINTS_DECORATIONS) && hints.decorations == MWM_DECOR_BORDER;
}

void XAtomHelper::setWindowMotifHint(WId winId, const MotifWmHints &hints)
{
    if (!d->m_display || !d->m_motifAtom || !winId)
        return;
    // Format 32 properties are passed as longs, whatever their width.
    long data[5] = { long(hints.flags), long(hints.functions), long(hints.decorations), hints.inputMode,
        long(hints.status) };
    XChangeProperty(d->m_display, winId, d->m_motifAtom, d->m_motifAtom, 32, PropModeReplace,
        reinterpret_cast<unsigned char *>(data), 5);
    XFlush(d->m_display);
}

MotifWmHints XAtomHelper::getWindowMotifHint(WId winId) const
{
    MotifWmHints hints;
    if (!d->m_display || !d->m_motifAtom || !winId)
        return hints;
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char *data = nullptr;
    const int status = XGetWindowProperty(d->m_display, winId, d->m_motifAtom, 0, 5, False, AnyPropertyType,
        &type, &format, &count, &after, &data);
    if (status == Success && data && format == 32 && count >= 5) {
        const long *values = reinterpret_cast<const long *>(data);
        hints.flags = static_cast<unsigned long>(values[0]);
        hints.functions = static_cast<unsigned long>(values[1]);
        hints.decorations = static_cast<unsigned long>(values[2]);
        hints.inputMode = values[3];
        hints.status = static_cast<unsigned long>(values[4]);
    }
    if (data)
        XFree(data);
    return hints;
}

void XAtomHelper::setWindowBorderRadius(WId winId, const CornerRadius &radius)
{
    if (!d->m_display || !d->m_radiusAtom || !winId)
        return;
    long data[4]
        = { long(radius.topLeft), long(radius.topRight), long(radius.bottomLeft), long(radius.bottomRight) };
    XChangeProperty(d->m_display, winId, d->m_radiusAtom, XA_CARDINAL, 32, PropModeReplace,
        reinterpret_cast<unsigned char *>(data), 4);
    XFlush(d->m_display);
}

void XAtomHelper::setWindowBorderRadius(WId winId, int topLeft, int topRight, int bottomLeft, int bottomRight)
{
    CornerRadius radius;
    radius.topLeft = static_cast<unsigned long>(qMax(0, topLeft));
    radius.topRight = static_cast<unsigned long>(qMax(0, topRight));
    radius.bottomLeft = static_cast<unsigned long>(qMax(0, bottomLeft));
    radius.bottomRight = static_cast<unsigned long>(qMax(0, bottomRight));
    setWindowBorderRadius(winId, radius);
}

void XAtomHelper::setVemoDecorationHint(WId winId, bool set)
{
    if (!d->m_display || !d->m_decorationAtom || !winId)
        return;
    long value = set ? 1 : 0;
    XChangeProperty(d->m_display, winId, d->m_decorationAtom, d->m_decorationAtom, 32, PropModeReplace,
        reinterpret_cast<unsigned char *>(&value), 1);
    XFlush(d->m_display);
}

void XAtomHelper::applyFramelessHints(QWidget *window, int radius)
{
    if (!isAvailable() || !window)
        return;
    const WId id = window->winId();
    setWindowMotifHint(id, borderOnlyHints());
    setWindowBorderRadius(id, radius, radius, radius, radius);
    setVemoDecorationHint(id, true);
}

} // namespace lumo
