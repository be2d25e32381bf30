#pragma once

#include <QObject>
#include <QWidget>

namespace lumo {

class XAtomHelperPrivate;

// Window-manager hints of the Motif record, as the window manager reads them.
struct MotifWmHints
{
    unsigned long flags = 0;
    unsigned long functions = 0;
    unsigned long decorations = 0;
    long inputMode = 0;
    unsigned long status = 0;
};

enum MotifFlag : unsigned long { MWM_HINTS_FUNCTIONS = 1L << 0, MWM_HINTS_DECORATIONS = 1L << 1 };
enum MotifFunction : unsigned long { MWM_FUNC_ALL = 1L << 0 };
enum MotifDecoration : unsigned long { MWM_DECOR_ALL = 1L << 0, MWM_DECOR_BORDER = 1L << 1 };

struct CornerRadius
{
    unsigned long topLeft = 0;
    unsigned long topRight = 0;
    unsigned long bottomLeft = 0;
    unsigned long bottomRight = 0;
};

// The X11 atoms that let a frameless kit window keep a border, round corners
// and the desktop's own decoration. On other platforms every call does nothing.
class XAtomHelper : public QObject
{
    Q_OBJECT
public:
    static XAtomHelper *getInstance();

    // True when the window's Motif hints ask for a border and nothing else.
    static bool isFrameLessWindow(WId winId);

    bool isAvailable() const;
    unsigned long motifWmHintsAtom() const;
    unsigned long borderRadiusAtom() const;
    unsigned long decorationAtom() const;

    void setWindowMotifHint(WId winId, const MotifWmHints &hints);
    MotifWmHints getWindowMotifHint(WId winId) const;
    void setWindowBorderRadius(WId winId, const CornerRadius &radius);
    void setWindowBorderRadius(WId winId, int topLeft, int topRight, int bottomLeft, int bottomRight);
    void setVemoDecorationHint(WId winId, bool set = true);

    // The record every kit window uses: all functions, border only.
    static MotifWmHints borderOnlyHints();
    // Sets all three hints on a kit window.
    void applyFramelessHints(QWidget *window, int radius);

private:
    explicit XAtomHelper(QObject *parent = nullptr);
    ~XAtomHelper() override;
    XAtomHelperPrivate *const d;
};

} // namespace lumo
