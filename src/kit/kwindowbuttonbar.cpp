#include "kit/kwindowbuttonbar.h"
#include "kit/kwindowbuttonbar_p.h"

#include "kit/kitstyle.h"
#include "kit/kmenubutton.h"
#include "kit/parmscontroller.h"
#include "kit/themecontroller_p.h"
#include "kit/windowbutton_p.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QMouseEvent>

namespace lumo {

KWindowButtonBarPrivate::KWindowButtonBarPrivate(KWindowButtonBar *parent)
    : QObject(parent)
    , q(parent)
{
    m_menuButton = new KMenuButton(q);
    m_minimumButton = new WindowButton(false, q);
    m_maximumButton = new WindowButton(false, q);
    m_closeButton = new WindowButton(true, q);

    m_minimumButton->setObjectName("MinimumButton");
    m_maximumButton->setObjectName("MaximumButton");
    m_closeButton->setObjectName("CloseButton");

    m_minimumButton->setIcon(style::themeIcon("window-minimize-symbolic", "window-minimize-symbolic"));
    m_closeButton->setIcon(style::themeIcon("window-close-symbolic", "window-close-symbolic"));

    for (WindowButton *button : { m_minimumButton, m_maximumButton }) {
        button->setProperty("isWindowButton", 1);
        button->setProperty("useIconHighlightEffect", 2);
    }
    m_closeButton->setProperty("isWindowButton", 2);
    m_closeButton->setProperty("useIconHighlightEffect", 8);

    m_layout = new QHBoxLayout(q);
    m_layout->setContentsMargins(0, 0, 4, 0);
    m_layout->setSpacing(4);
    m_layout->addStretch();
    m_layout->addWidget(m_menuButton);
    m_layout->addWidget(m_minimumButton);
    m_layout->addWidget(m_maximumButton);
    m_layout->addWidget(m_closeButton);

    connect(Parmscontroller::self(), &Parmscontroller::modeChanged, this, [this] { applySize(); });
    connect(KitTheme::instance(), &KitTheme::themeChanged, q, QOverload<>::of(&QWidget::update));

    applySize();
    updateMaximumButton();
}

void KWindowButtonBarPrivate::applySize()
{
    const int size = Parmscontroller::parm(Parmscontroller::PM_WindowButtonSize);
    for (QWidget *button : { static_cast<QWidget *>(m_menuButton), static_cast<QWidget *>(m_minimumButton),
             static_cast<QWidget *>(m_maximumButton), static_cast<QWidget *>(m_closeButton) })
        button->setFixedSize(size, size);
}

void KWindowButtonBarPrivate::updateMaximumButton()
{
    if (m_maximumState == Maximum) {
        m_maximumButton->setIcon(style::themeIcon("window-maximize-symbolic", "window-maximize-symbolic"));
        m_maximumButton->setToolTip(KWindowButtonBar::tr("Maximize"));
        m_maximumButton->setAccessibleName(KWindowButtonBar::tr("Maximize"));
    } else {
        m_maximumButton->setIcon(style::themeIcon("window-restore-symbolic", "window-restore-symbolic"));
        m_maximumButton->setToolTip(KWindowButtonBar::tr("Restore"));
        m_maximumButton->setAccessibleName(KWindowButtonBar::tr("Restore"));
    }
}

void KWindowButtonBarPrivate::retranslate()
{
    // Icons alone: screen readers say what the tooltips say.
    m_minimumButton->setToolTip(KWindowButtonBar::tr("Minimize"));
    m_minimumButton->setAccessibleName(KWindowButtonBar::tr("Minimize"));
    m_closeButton->setToolTip(KWindowButtonBar::tr("Close"));
    m_closeButton->setAccessibleName(KWindowButtonBar::tr("Close"));
    updateMaximumButton();
}

KWindowButtonBar::KWindowButtonBar(QWidget *parent)
    : QFrame(parent)
    , d(new KWindowButtonBarPrivate(this))
{
    d->retranslate();
}

KWindowButtonBar::~KWindowButtonBar() = default;

KMenuButton *KWindowButtonBar::menuButton()
{
    return d->m_menuButton;
}

QPushButton *KWindowButtonBar::minimumButton()
{
    return d->m_minimumButton;
}

QPushButton *KWindowButtonBar::maximumButton()
{
    return d->m_maximumButton;
}

QPushButton *KWindowButtonBar::closeButton()
{
    return d->m_closeButton;
}

void KWindowButtonBar::setMaximumButtonState(MaximumButtonState state)
{
    if (d->m_maximumState == state)
        return;
    d->m_maximumState = state;
    d->updateMaximumButton();
}

MaximumButtonState KWindowButtonBar::maximumButtonState() const
{
    return d->m_maximumState;
}

void KWindowButtonBar::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClick();
    QFrame::mouseDoubleClickEvent(event);
}

void KWindowButtonBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        d->retranslate();
    QFrame::changeEvent(event);
}

} // namespace lumo
