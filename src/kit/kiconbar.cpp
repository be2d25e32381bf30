#include "kit/kiconbar.h"
#include "kit/kiconbar_p.h"

#include "kit/parmscontroller.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>

namespace lumo {

KIconBarPrivate::KIconBarPrivate(KIconBar *parent)
    : QObject(parent)
    , q(parent)
{
    m_iconLabel = new QLabel(q);
    m_iconLabel->setObjectName("IconLabel");
    m_nameLabel = new QLabel(q);
    m_nameLabel->setObjectName("NameLabel");
    m_nameLabel->setTextFormat(Qt::PlainText);
    m_nameLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    m_layout = new QHBoxLayout(q);
    m_layout->setContentsMargins(12, 0, 8, 0);
    m_layout->setSpacing(8);
    m_layout->addWidget(m_iconLabel);
    m_layout->addWidget(m_nameLabel, 1);
    m_nameLabel->installEventFilter(this);

    connect(Parmscontroller::self(), &Parmscontroller::modeChanged, this, [this] { updateIcon(); });
    updateIcon();
}

void KIconBarPrivate::updateIcon()
{
    const int size = Parmscontroller::parm(Parmscontroller::PM_IconBarIconSize);
    m_iconLabel->setFixedSize(size, size);
    m_iconLabel->setPixmap(m_icon.pixmap(QSize(size, size)));
    m_iconLabel->setVisible(!m_icon.isNull());
}

void KIconBarPrivate::updateName()
{
    // Long window names end in an ellipsis instead of pushing the bar wider;
    // before the first layout the label has no width to elide to.
    QString shown = m_name;
    if (m_nameLabel->testAttribute(Qt::WA_Resized) && m_nameLabel->width() > 0)
        shown = m_nameLabel->fontMetrics().elidedText(m_name, Qt::ElideRight, m_nameLabel->width());
    m_nameLabel->setText(shown);
    m_nameLabel->setToolTip(shown == m_name ? QString() : m_name);
}

bool KIconBarPrivate::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_nameLabel && event->type() == QEvent::Resize)
        updateName();
    return QObject::eventFilter(watched, event);
}

KIconBar::KIconBar(QWidget *parent)
    : QFrame(parent)
    , d(new KIconBarPrivate(this))
{
    setObjectName("IconBar");
}

KIconBar::~KIconBar() = default;

void KIconBar::setIcon(const QString &iconName)
{
    setIcon(QIcon::fromTheme(iconName));
}

void KIconBar::setIcon(const QIcon &icon)
{
    d->m_icon = icon;
    d->updateIcon();
}

QIcon KIconBar::icon() const
{
    return d->m_icon;
}

void KIconBar::setWidgetName(const QString &name)
{
    d->m_name = name;
    d->updateName();
}

QString KIconBar::widgetName() const
{
    return d->m_name;
}

QLabel *KIconBar::iconLabel()
{
    return d->m_iconLabel;
}

QLabel *KIconBar::nameLabel()
{
    return d->m_nameLabel;
}

void KIconBar::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClick();
    QFrame::mouseDoubleClickEvent(event);
}

} // namespace lumo
