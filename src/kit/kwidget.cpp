#include "kit/kwidget.h"
#include "kit/kwidget_p.h"
#include "logging/logcategories.h"

#include "kit/kiconbar.h"
#include "kit/kmenubutton.h"
#include "kit/kwindowbuttonbar.h"
#include "kit/parmscontroller.h"
#include "kit/themecontroller_p.h"
#include "kit/windowframe_p.h"
#include "kit/windowgrip.h"

#include <QDebug>
#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumo {

KWidgetPrivate::KWidgetPrivate(KWidget *parent)
    : QObject(parent)
    , q(parent)
{
    m_iconBar = new KIconBar(q);
    m_titleBar = new KWindowButtonBar(q);
    m_titleBar->setObjectName("TitleBar");
    m_sideBar = new QWidget(q);
    m_sideBar->setObjectName("SideWidget");
    m_baseBar = new QWidget(q);
    m_baseBar->setObjectName("BaseWidget");

    m_mainLayout = new QVBoxLayout(q);
    m_mainLayout->setSpacing(0);
    m_mainLayout->setContentsMargins(0, 0, 0, 0);
    m_topLayout = new QHBoxLayout;
    m_topLayout->setSpacing(0);
    m_topLayout->setContentsMargins(0, 0, 0, 0);
    m_bottomLayout = new QHBoxLayout;
    m_bottomLayout->setSpacing(0);
    m_bottomLayout->setContentsMargins(0, 0, 0, 0);

    m_topLayout->addWidget(m_iconBar);
    m_topLayout->addWidget(m_titleBar);
    m_bottomLayout->addWidget(m_sideBar);
    m_bottomLayout->addWidget(m_baseBar);
    m_mainLayout->addLayout(m_topLayout);
    m_mainLayout->addLayout(m_bottomLayout, 1);

    connect(m_titleBar->minimumButton(), &QPushButton::clicked, q, &QWidget::showMinimized);
    connect(m_titleBar->maximumButton(), &QPushButton::clicked, this, &KWidgetPrivate::toggleMaximized);
    connect(m_titleBar->closeButton(), &QPushButton::clicked, q, &QWidget::close);
    auto onDoubleClick = [this] {
        // Only windows that offer the maximise button change size this way.
        if (m_titleBar->maximumButton()->isVisibleTo(m_titleBar))
            toggleMaximized();
    };
    connect(m_titleBar, &KWindowButtonBar::doubleClick, this, onDoubleClick);
    connect(m_iconBar, &KIconBar::doubleClick, this, onDoubleClick);

    auto *grip = new WindowGrip(q);
    grip->addMoveArea(m_iconBar);
    grip->addMoveArea(m_titleBar);

    connect(Parmscontroller::self(), &Parmscontroller::modeChanged, this, [this] { applySizes(); });
    connect(KitTheme::instance(), &KitTheme::transparencyChanged, this, [this] { applyLayoutType(); });

    applySizes();
}

void KWidgetPrivate::applySizes()
{
    const int height = Parmscontroller::parm(Parmscontroller::PM_IconBarHeight);
    const int width = Parmscontroller::parm(Parmscontroller::PM_SideWidgetWidth);
    m_iconBar->setFixedWidth(width);
    m_iconBar->setFixedHeight(height);
    m_titleBar->setFixedHeight(height);
    m_sideBar->setFixedWidth(width);
}

void KWidgetPrivate::applyLayoutType()
{
    const QPalette windowPalette = q->palette();
    const QColor base = windowPalette.color(QPalette::Active, QPalette::Base);
    QColor translucent = windowPalette.color(QPalette::Active, QPalette::Window);
    translucent.setAlphaF(ThemeController::transparency());

    auto fill = [](QWidget *w, const QColor &colour) {
        QPalette p = w->palette();
        p.setColor(QPalette::Window, colour);
        w->setPalette(p);
    };

    fill(m_titleBar, base);
    fill(m_baseBar, base);
    switch (m_layoutType) {
    case VerticalType:
        m_sideBar->hide();
        fill(m_iconBar, base);
        break;
    case HorizontalType:
        m_sideBar->show();
        fill(m_sideBar, translucent);
        fill(m_iconBar, translucent);
        break;
    case MixedType:
        m_sideBar->show();
        fill(m_sideBar, translucent);
        fill(m_iconBar, base);
        break;
    }
    q->update();
}

void KWidgetPrivate::toggleMaximized()
{
    if (q->isMaximized())
        q->showNormal();
    else
        q->showMaximized();
    updateMaximumButton();
}

void KWidgetPrivate::updateMaximumButton()
{
    m_titleBar->setMaximumButtonState(q->isMaximized() ? Restore : Maximum);
}

KWidget::KWidget(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , d(new KWidgetPrivate(this))
{
    setObjectName("Kwidget");
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlags(Qt::Window);
    changeTheme();
}

KWidget::~KWidget() = default;

void KWidget::setIcon(const QIcon &icon)
{
    setWindowIcon(icon);
    d->m_iconBar->setIcon(icon);
}

void KWidget::setIcon(const QString &iconName)
{
    setIcon(QIcon::fromTheme(iconName));
}

void KWidget::setWidgetName(const QString &name)
{
    setWindowTitle(name);
    d->m_iconBar->setWidgetName(name);
}

KIconBar *KWidget::iconBar()
{
    return d->m_iconBar;
}

KWindowButtonBar *KWidget::titleBar()
{
    return d->m_titleBar;
}

KWindowButtonBar *KWidget::windowButtonBar()
{
    return d->m_titleBar;
}

QWidget *KWidget::sideBar()
{
    return d->m_sideBar;
}

QWidget *KWidget::baseBar()
{
    return d->m_baseBar;
}

void KWidget::setWindowFlags(Qt::WindowFlags flags)
{
    QWidget::setWindowFlags(flags | Qt::FramelessWindowHint);

    KWindowButtonBar *bar = d->m_titleBar;
    bar->menuButton()->hide();
    bool minimum = true;
    bool maximum = true;
    bool close = true;
    bool discard = false;
    switch (flags & Qt::WindowType_Mask) {
    case Qt::Dialog:
    case Qt::Sheet:
    case Qt::Tool:
        minimum = maximum = false;
        break;
    case Qt::Drawer:
        minimum = false;
        break;
    case Qt::Popup:
    case Qt::ToolTip:
    case Qt::SplashScreen:
        minimum = maximum = close = false;
        break;
    case Qt::Desktop:
        minimum = maximum = close = false;
        discard = true;
        break;
    default:
        break;
    }
    bar->minimumButton()->setVisible(minimum);
    bar->maximumButton()->setVisible(maximum);
    bar->closeButton()->setVisible(close);

    if (discard) {
        // A kit window cannot stand in for the desktop itself.
        qCWarning(lcKit) << "KWidget cannot be a desktop window, deleting it";
        deleteLater();
        return;
    }
    windowframe::applyHints(this);
}

void KWidget::setLayoutType(LayoutType type)
{
    d->m_layoutType = type;
    d->applyLayoutType();
}

void KWidget::setLayoutType(int type)
{
    if (type < VerticalType || type > MixedType) {
        qCWarning(lcKit) << "unknown KWidget layout type" << type;
        return;
    }
    setLayoutType(static_cast<LayoutType>(type));
}

LayoutType KWidget::layoutType() const
{
    return d->m_layoutType;
}

void KWidget::changeTheme()
{
    setPalette(themePalette());
    d->applyLayoutType();
}

bool KWidget::event(QEvent *event)
{
    // The icon change reaches event() only, not changeEvent().
    if (event->type() == QEvent::WindowIconChange)
        d->m_iconBar->setIcon(windowIcon());
    return QWidget::event(event);
}

void KWidget::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::WindowStateChange:
        d->updateMaximumButton();
        windowframe::applyHints(this);
        windowframe::updateBlur(this);
        update();
        break;
    case QEvent::WindowTitleChange:
        d->m_iconBar->setWidgetName(windowTitle());
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void KWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipPath(windowframe::outline(this));
    for (QWidget *area : { static_cast<QWidget *>(d->m_iconBar), static_cast<QWidget *>(d->m_titleBar),
             d->m_sideBar, d->m_baseBar }) {
        if (area->isVisibleTo(this))
            p.fillRect(area->geometry(), area->palette().color(QPalette::Window));
    }
    windowframe::paintBorder(p, this);
}

void KWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The native window may have been recreated since the hints were set.
    windowframe::applyHints(this);
    windowframe::updateBlur(this);
}

void KWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    windowframe::updateBlur(this);
}

} // namespace lumo
