#include "kit/ktabbar.h"
#include "kit/ktabbar_p.h"
#include "logging/logcategories.h"

#include "kit/kitstyle.h"
#include "kit/parmscontroller.h"
#include "kit/themecontroller.h"
#include "kit/themecontroller_p.h"

#include <QDebug>
#include <QEasingCurve>
#include <QMouseEvent>
#include <QPainter>
#include <QVariantAnimation>

namespace lumo {

namespace {
const int kAnimationMs = 300;
const int kInset = 2;
const int kTextPadding = 16;
const int kMinPadding = 6;
} // namespace

KTabBarPrivate::KTabBarPrivate(KTabBar *parent)
    : QObject(parent)
    , q(parent)
{
    m_animation = new QVariantAnimation(this);
    m_animation->setDuration(kAnimationMs);
    m_animation->setEasingCurve(QEasingCurve::InOutQuad);
    connect(m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        m_indicator = value.toRectF();
        q->update();
    });
    connect(q, &QTabBar::currentChanged, this, &KTabBarPrivate::onCurrentChanged);
    connect(Parmscontroller::self(), &Parmscontroller::modeChanged, this, [this] {
        // Setting the icon size again is what makes the tab bar forget its
        // cached tab sizes.
        q->setIconSize(q->iconSize());
        syncIndicator();
    });
    connect(KitTheme::instance(), &KitTheme::themeChanged, q, QOverload<>::of(&QWidget::update));
}

void KTabBarPrivate::onCurrentChanged(int index)
{
    if (index < 0) {
        m_animation->stop();
        m_indicator = QRectF();
        q->update();
        return;
    }
    const QRectF target = q->tabRect(index);
    // The first tab appears in place; later changes slide from the old mark.
    if (m_indicator.isNull() || !q->isVisible()) {
        m_animation->stop();
        m_indicator = target;
        q->update();
        return;
    }
    m_animation->stop();
    m_animation->setStartValue(m_indicator);
    m_animation->setEndValue(target);
    m_animation->start();
}

void KTabBarPrivate::syncIndicator()
{
    if (m_animation->state() == QAbstractAnimation::Running)
        m_animation->stop();
    m_indicator = q->currentIndex() >= 0 ? QRectF(q->tabRect(q->currentIndex())) : QRectF();
    q->update();
}

KTabBar::KTabBar(KTabBarStyle barStyle, QWidget *parent)
    : QTabBar(parent)
    , d(new KTabBarPrivate(this))
{
    setObjectName("KTabBar");
    d->m_style = barStyle;
    setDrawBase(false);
    setExpanding(true);
    setElideMode(Qt::ElideRight);
    // A fixed-width bar elides its labels instead of scrolling them.
    setUsesScrollButtons(false);
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
}

KTabBar::KTabBar(int barStyle, QWidget *parent)
    : KTabBar(
        barStyle >= SegmentDark && barStyle <= Sliding ? static_cast<KTabBarStyle>(barStyle) : SegmentLight,
        parent)
{
    if (barStyle < SegmentDark || barStyle > Sliding)
        qCWarning(lcKit) << "unknown tab bar style" << barStyle << "- using the light segments";
}

KTabBar::~KTabBar() = default;

void KTabBar::setTabBarStyle(KTabBarStyle barStyle)
{
    d->m_style = barStyle;
    update();
}

KTabBarStyle KTabBar::barStyle() const
{
    return d->m_style;
}

void KTabBar::setBorderRadius(int radius)
{
    d->m_radius = qBound(0, radius, 20);
    update();
}

int KTabBar::borderRadius() const
{
    return d->m_radius;
}

QSize KTabBar::tabSizeHint(int index) const
{
    const int height = Parmscontroller::parm(Parmscontroller::PM_TabBarHeight);
    int width = fontMetrics().horizontalAdvance(tabText(index)) + 2 * kTextPadding;
    if (!tabIcon(index).isNull())
        width += iconSize().width() + 6;
    return QSize(width, height);
}

QSize KTabBar::minimumTabSizeHint(int index) const
{
    // A squeezed bar first gives up padding and elides only when the labels
    // themselves no longer fit side by side.
    auto tight = [this](int i) { return tabSizeHint(i).width() - 2 * kTextPadding + 2 * kMinPadding; };
    int total = 0;
    for (int i = 0; i < count(); ++i)
        total += tight(i);
    QSize hint = tabSizeHint(index);
    if (total <= width())
        hint.setWidth(tight(index));
    else
        hint.setWidth(2 * kMinPadding + fontMetrics().horizontalAdvance(QStringLiteral("...")));
    return hint;
}

void KTabBar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool dark = ThemeController::isDarkTheme();
    const int radius = d->m_radius;

    if (d->m_style != Sliding && count() > 0) {
        QRectF trackRect;
        for (int i = 0; i < count(); ++i)
            trackRect = trackRect.united(tabRect(i));
        style::fillRoundedRect(p, trackRect, radius + kInset, style::track());
    }

    // The current mark is drawn under the labels so they stay readable while it moves.
    if (!d->m_indicator.isNull()) {
        const QRectF mark = d->m_indicator.adjusted(kInset, kInset, -kInset, -kInset);
        switch (d->m_style) {
        case SegmentDark:
            style::fillRoundedRect(p, mark, radius, isEnabled() ? style::accent() : style::separator());
            break;
        case SegmentLight:
            style::fillRoundedRect(p, mark.translated(0, 1), radius, QColor(0, 0, 0, dark ? 60 : 18));
            style::fillRoundedRect(p, mark, radius, dark ? QColor("#45464B") : QColor("#FFFFFF"));
            break;
        case Sliding: {
            const qreal barWidth = qMax<qreal>(16, d->m_indicator.width() - 2 * kTextPadding);
            const QRectF bar(
                d->m_indicator.center().x() - barWidth / 2, d->m_indicator.bottom() - 3, barWidth, 3);
            style::fillRoundedRect(p, bar, 1.5, style::accent());
            break;
        }
        }
    }

    for (int i = 0; i < count(); ++i) {
        const QRect r = tabRect(i);
        const bool current = i == currentIndex();
        const bool hovered = i == d->m_hovered && !current && isTabEnabled(i);

        if (hovered && d->m_style != Sliding)
            style::fillRoundedRect(
                p, QRectF(r).adjusted(kInset, kInset, -kInset, -kInset), radius, style::hoverOverlay());

        QColor textColour = palette().color(QPalette::WindowText);
        if (!isEnabled() || !isTabEnabled(i))
            textColour = palette().color(QPalette::Disabled, QPalette::WindowText);
        else if (current && d->m_style == SegmentDark)
            textColour = Qt::white;
        else if (current)
            textColour = style::accent();
        else if (!hovered)
            textColour = dark ? QColor("#C8C9CC") : QColor("#595959");

        QRect content = r.adjusted(kMinPadding, 0, -kMinPadding, 0);
        const QIcon icon = tabIcon(i);
        const QString label = fontMetrics().elidedText(tabText(i), elideMode(), content.width());
        int textWidth = fontMetrics().horizontalAdvance(label);
        int x = content.x() + (content.width() - textWidth) / 2;
        if (!icon.isNull()) {
            const int total = iconSize().width() + 6 + textWidth;
            x = content.x() + (content.width() - total) / 2;
            const QPixmap pm = style::tintedPixmap(icon, iconSize(), textColour, devicePixelRatioF());
            p.drawPixmap(QPoint(x, r.y() + (r.height() - iconSize().height()) / 2), pm);
            x += iconSize().width() + 6;
        }
        p.setPen(textColour);
        p.drawText(QRect(x, r.y(), textWidth + 1, r.height()),
            Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, label);
    }
}

void KTabBar::mouseMoveEvent(QMouseEvent *event)
{
    const int hovered = tabAt(event->pos());
    if (hovered != d->m_hovered) {
        d->m_hovered = hovered;
        update();
    }
    QTabBar::mouseMoveEvent(event);
}

void KTabBar::leaveEvent(QEvent *event)
{
    d->m_hovered = -1;
    update();
    QTabBar::leaveEvent(event);
}

void KTabBar::resizeEvent(QResizeEvent *event)
{
    QTabBar::resizeEvent(event);
    d->syncIndicator();
}

void KTabBar::tabLayoutChange()
{
    QTabBar::tabLayoutChange();
    if (d->m_animation->state() != QAbstractAnimation::Running)
        d->syncIndicator();
}

} // namespace lumo
