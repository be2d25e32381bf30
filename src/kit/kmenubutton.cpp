#include "kit/kmenubutton.h"
#include "kit/kmenubutton_p.h"
#include "logging/logcategories.h"

#include "kit/kitstyle.h"
#include "kit/parmscontroller.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDebug>
#include <QEvent>
#include <QFile>
#include <QMenu>
#include <QPainter>
#include <QProcess>

namespace lumo {

KMenuButtonPrivate::KMenuButtonPrivate(KMenuButton *parent)
    : QObject(parent)
    , q(parent)
{
    m_menu = new QMenu(q);
    m_menu->setObjectName("KMenuButtonMenu");
    m_setting = new QAction(m_menu);
    m_theme = new QAction(m_menu);
    m_assist = new QAction(m_menu);
    m_about = new QAction(m_menu);
    m_feedback = new QAction(m_menu);
    m_quit = new QAction(m_menu);

    m_themeMenu = new QMenu(m_menu);
    m_themeGroup = new QActionGroup(m_themeMenu);
    m_themeGroup->setExclusive(true);
    m_auto = new QAction(m_themeGroup);
    m_light = new QAction(m_themeGroup);
    m_dark = new QAction(m_themeGroup);
    for (QAction *action : { m_auto, m_light, m_dark }) {
        action->setCheckable(true);
        m_themeMenu->addAction(action);
    }
    m_theme->setMenu(m_themeMenu);

    m_menu->addAction(m_setting);
    m_menu->addAction(m_theme);
    m_menu->addAction(m_assist);
    m_menu->addAction(m_about);
    m_menu->addAction(m_feedback);
    m_menu->addAction(m_quit);

    connect(m_auto, &QAction::triggered, this,
        [] { ThemeController::setThemeChoice(ThemeController::FollowDesktop); });
    connect(m_light, &QAction::triggered, this,
        [] { ThemeController::setThemeChoice(ThemeController::ForceLight); });
    connect(m_dark, &QAction::triggered, this,
        [] { ThemeController::setThemeChoice(ThemeController::ForceDark); });
    connect(m_feedback, &QAction::triggered, this, [] {
        KMenuButton::startFeedback(KMenuButton::defaultFeedbackTool(), QCoreApplication::applicationPid());
    });
    connect(Parmscontroller::self(), &Parmscontroller::modeChanged, this, [this] { applySize(); });

    retranslate();
    syncThemeChoice();
}

void KMenuButtonPrivate::retranslate()
{
    q->setToolTip(KMenuButton::tr("Options"));
    q->setAccessibleName(KMenuButton::tr("Options"));
    m_setting->setText(KMenuButton::tr("Setting"));
    m_theme->setText(KMenuButton::tr("Theme"));
    m_themeMenu->setTitle(KMenuButton::tr("Theme"));
    m_assist->setText(KMenuButton::tr("Help"));
    m_about->setText(KMenuButton::tr("About"));
    m_feedback->setText(KMenuButton::tr("Feedback"));
    m_quit->setText(KMenuButton::tr("Quit"));
    m_auto->setText(KMenuButton::tr("Auto"));
    m_light->setText(KMenuButton::tr("Light"));
    m_dark->setText(KMenuButton::tr("Dark"));
}

void KMenuButtonPrivate::syncThemeChoice()
{
    // Every menu of the process shows the same choice.
    switch (ThemeController::themeChoice()) {
    case ThemeController::FollowDesktop:
        m_auto->setChecked(true);
        break;
    case ThemeController::ForceLight:
        m_light->setChecked(true);
        break;
    case ThemeController::ForceDark:
        m_dark->setChecked(true);
        break;
    }
}

void KMenuButtonPrivate::applySize()
{
    const int size = Parmscontroller::parm(Parmscontroller::PM_WindowButtonSize);
    q->setFixedSize(size, size);
}

KMenuButton::KMenuButton(QWidget *parent)
    : QToolButton(parent)
    , d(new KMenuButtonPrivate(this))
{
    setObjectName("KMenuButton");
    setIcon(style::themeIcon("open-menu-symbolic", "open-menu-symbolic"));
    setIconSize(QSize(16, 16));
    setProperty("isWindowButton", 1);
    setProperty("useIconHighlightEffect", 2);
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
    setPopupMode(QToolButton::InstantPopup);
    QToolButton::setMenu(d->m_menu);
    d->applySize();
    changeTheme();
}

KMenuButton::~KMenuButton() = default;

QMenu *KMenuButton::menu()
{
    return d->m_menu;
}

QMenu *KMenuButton::themeMenu()
{
    return d->m_themeMenu;
}

QAction *KMenuButton::settingAction()
{
    return d->m_setting;
}

QAction *KMenuButton::themeAction()
{
    return d->m_theme;
}

QAction *KMenuButton::assistAction()
{
    return d->m_assist;
}

QAction *KMenuButton::aboutAction()
{
    return d->m_about;
}

QAction *KMenuButton::feedbackAction()
{
    return d->m_feedback;
}

QAction *KMenuButton::quitAction()
{
    return d->m_quit;
}

QAction *KMenuButton::autoAction()
{
    return d->m_auto;
}

QAction *KMenuButton::lightAction()
{
    return d->m_light;
}

QAction *KMenuButton::darkAction()
{
    return d->m_dark;
}

QString KMenuButton::defaultFeedbackTool()
{
    return QStringLiteral("/opt/zorva-os-manager/tools/service-support-mini");
}

QString KMenuButton::executableFromCmdline(const QString &cmdlinePath)
{
    QFile file(cmdlinePath);
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcKit) << "cannot read" << cmdlinePath;
        return QString();
    }
    const QByteArray content = file.readAll();
    // The arguments are separated by NUL bytes; the first is the executable.
    const int end = content.indexOf('\0');
    return QString::fromLocal8Bit(end < 0 ? content : content.left(end));
}

bool KMenuButton::startFeedback(const QString &toolPath, qint64 pid)
{
    if (!QFile::exists(toolPath))
        return false;
    const QString exe = executableFromCmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
    const QStringList arguments = { QStringLiteral("-mode=1"), QStringLiteral("-exe=") + exe };
    if (!QProcess::startDetached(toolPath, arguments)) {
        qCWarning(lcKit) << "cannot start feedback tool" << toolPath;
        return false;
    }
    return true;
}

void KMenuButton::changeTheme()
{
    d->syncThemeChoice();
    const QPalette pal = themePalette();
    d->m_menu->setPalette(pal);
    d->m_themeMenu->setPalette(pal);
    update();
}

void KMenuButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        d->retranslate();
    QToolButton::changeEvent(event);
}

void KMenuButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    if (isDown() || d->m_menu->isVisible())
        style::fillRoundedRect(p, r, 6, style::pressOverlay());
    else if (underMouse())
        style::fillRoundedRect(p, r, 6, style::hoverOverlay());
    const QPixmap pm
        = style::tintedPixmap(icon(), iconSize(), palette().color(QPalette::WindowText), devicePixelRatioF());
    if (!pm.isNull()) {
        const QSizeF logical = QSizeF(pm.size()) / pm.devicePixelRatio();
        p.drawPixmap(QPointF((width() - logical.width()) / 2.0, (height() - logical.height()) / 2.0), pm);
    }
}

} // namespace lumo
