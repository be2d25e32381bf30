#include "kit/kdialog.h"
#include "kit/kdialog_p.h"

#include "kit/kiconbar.h"
#include "kit/kmenubutton.h"
#include "kit/kwindowbuttonbar.h"
#include "kit/parmscontroller.h"
#include "kit/windowframe_p.h"
#include "kit/windowgrip.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumo {

KDialogPrivate::KDialogPrivate(KDialog *parent)
    : QObject(parent)
    , q(parent)
{
    m_iconBar = new KIconBar(q);
    m_buttonBar = new KWindowButtonBar(q);
    m_buttonBar->setObjectName("TitleBar");
    m_buttonBar->menuButton()->hide();
    m_buttonBar->minimumButton()->hide();
    m_buttonBar->maximumButton()->hide();
    m_mainWidget = new QWidget(q);
    m_mainWidget->setObjectName("MainWidget");

    m_titleLayout = new QHBoxLayout;
    m_titleLayout->setSpacing(0);
    m_titleLayout->setContentsMargins(0, 0, 0, 0);
    m_titleLayout->addWidget(m_iconBar, 1);
    m_titleLayout->addWidget(m_buttonBar);

    m_mainLayout = new QVBoxLayout(q);
    m_mainLayout->setSpacing(0);
    m_mainLayout->setContentsMargins(0, 0, 0, 0);
    m_mainLayout->addLayout(m_titleLayout);
    m_mainLayout->addWidget(m_mainWidget, 1);

    connect(m_buttonBar->closeButton(), &QPushButton::clicked, q, &QDialog::reject);
    auto *grip = new WindowGrip(q);
    grip->addMoveArea(m_iconBar);
    grip->addMoveArea(m_buttonBar);
    connect(Parmscontroller::self(), &Parmscontroller::modeChanged, this, [this] { applySizes(); });
    applySizes();
}

void KDialogPrivate::applySizes()
{
    const int height = Parmscontroller::parm(Parmscontroller::PM_IconBarHeight);
    m_iconBar->setFixedHeight(height);
    m_buttonBar->setFixedHeight(height);
}

KDialog::KDialog(QWidget *parent)
    : QDialog(parent)
    , d(new KDialogPrivate(this))
{
    QDialog::setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    windowframe::applyHints(this);
    changeTheme();
}

KDialog::~KDialog() = default;

void KDialog::setWindowIcon(const QString &iconName)
{
    QDialog::setWindowIcon(QIcon::fromTheme(iconName));
}

KIconBar *KDialog::iconBar()
{
    return d->m_iconBar;
}

KWindowButtonBar *KDialog::windowButtonBar()
{
    return d->m_buttonBar;
}

QWidget *KDialog::mainWidget()
{
    return d->m_mainWidget;
}

void KDialog::changeTheme()
{
    setPalette(themePalette());
    update();
}

bool KDialog::event(QEvent *event)
{
    // The icon change reaches event() only, not changeEvent().
    if (event->type() == QEvent::WindowIconChange)
        d->m_iconBar->setIcon(windowIcon());
    return QDialog::event(event);
}

void KDialog::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::WindowTitleChange:
        d->m_iconBar->setWidgetName(windowTitle());
        break;
    default:
        break;
    }
    QDialog::changeEvent(event);
}

void KDialog::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(windowframe::outline(this), palette().color(QPalette::Base));
    windowframe::paintBorder(p, this);
}

void KDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    windowframe::applyHints(this);
    windowframe::updateBlur(this);
}

void KDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    windowframe::updateBlur(this);
}

} // namespace lumo
