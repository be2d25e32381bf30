#include "app/tarvixmainpage.h"
#include "logging/logcategories.h"

#include "alertstore/alertstore.h"
#include "app/tarvix_title_bar_btn.h"
#include "daemon/globaldata.h"
#include "kit/kaboutdialog.h"
#include "kit/kitstyle.h"
#include "kit/kmenubutton.h"
#include "kit/ktabbar.h"
#include "kit/windowgrip.h"
#include "logpage/notifylogmainpage.h"
#include "report/notifyreportmain.h"
#include "settings/tarvixsettingmainpage.h"
#include "system/systemprobes.h"
#include "widgets/roundedpanel.h"
#include "widgets/screenplacement.h"

#include <KWindowSystem>
#include <KX11Extras>
#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDebug>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSettings>
#include <QSpacerItem>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <dlfcn.h>
#include <iterator>
#include <unistd.h>

namespace {

// Icons drawn dark for a light window; the dark theme recolours them in the
// button's text colour.
void showDarkOrLightIcon(QAbstractButton *button, const QIcon &icon)
{
    lumo::style::followTheme(button, [button, icon] {
        button->setIcon(ThemeController::isDarkTheme()
                ? QIcon(lumo::style::tintedPixmap(icon, button->iconSize(),
                    button->palette().color(QPalette::ButtonText), button->devicePixelRatioF()))
                : icon);
    });
}

const char *const KIT_LIBRARY = "liblumosdk-qtwidgets.so.1";
// lumo::KMenuButton::feedbackAction()
const char *const FEEDBACK_SYMBOL = "_ZN4lumo11KMenuButton14feedbackActionEv";
const char *const VERSION_COMMAND
    = "export PATH='/usr/sbin:/usr/bin:/sbin:/bin' && dpkg -l  tarvix-desktop | grep tarvix-desktop";
const char *const MAX_IMAGE = ":/Resource/Icon/titlebar/max.png";
const char *const REVERT_IMAGE = ":/Resource/Icon/titlebar/revert.png";
const int TITLE_STRIP_HEIGHT = 35;
const int AUTO_REFRESH_CHOICES[] = { 0, 1, 5, 15 }; // minutes; 0 is Off
const char *const GEOMETRY_KEY = "MainWindow/geometry";
const char *const AUTO_REFRESH_KEY = "MainWindow/autoRefreshMinutes";
// The user's preferences, in the XDG config folder. The file is named for
// the program, not for the application name, which is translated: a change
// of language must not lose them.
const char *const PREFERENCES_NAME = "tarvix-desktop";

QVariant preference(const char *key)
{
    return QSettings(QCoreApplication::organizationName(), PREFERENCES_NAME).value(key);
}

void setPreference(const char *key, const QVariant &value)
{
    QSettings(QCoreApplication::organizationName(), PREFERENCES_NAME).setValue(key, value);
}

QIcon applicationIcon()
{
    if (sysVersionLevel > 4)
        return QIcon::fromTheme("zorva-tarvix");
    return QIcon(":/Resource/Icon/base/zorva-tarvix.svg");
}

} // namespace

tarvixMainPage::tarvixMainPage(QWidget *parent)
    : QMainWindow(parent)
{
    buildForm();

    m_appIcon = applicationIcon();
    if (sysVersionLevel < 5)
        qCDebug(lcApp) << "current sys version less 2503";
    setWindowTitle(tr("Zorva Intrusion Detector"));
    setWindowIcon(m_appIcon);
    setWindowFlag(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);

    // The desktop's window manager may not draw or honour a frame for us:
    // the title row moves the window and its edges resize it.
    auto *grip = new lumo::WindowGrip(this);
    grip->addMoveArea(findChild<QWidget *>("widget"));
    grip->addMoveArea(findChild<QWidget *>("widget_2"));

    buildTitleBar();
    buildMenu();
    buildTabRow();
    showLogPage();
    centreOnCursorScreen(this);
    // Where the user left it; restoreGeometry keeps it on a screen that is there.
    const QByteArray geometry = preference(GEOMETRY_KEY).toByteArray();
    if (!geometry.isEmpty())
        restoreGeometry(geometry);

    connect(&m_autoRefreshTimer, &QTimer::timeout, this, &tarvixMainPage::slot_auto_refresh);
    const int minutes = preference(AUTO_REFRESH_KEY).toInt();
    // A value the menu does not offer (an edited file) is Off.
    setAutoRefreshMinutes(
        std::count(std::begin(AUTO_REFRESH_CHOICES), std::end(AUTO_REFRESH_CHOICES), minutes) ? minutes : 0);
}

tarvixMainPage::~tarvixMainPage() = default;

void tarvixMainPage::buildForm()
{
    setObjectName("tarvixMainPage");
    resize(904, 568);
    setMinimumSize(904, 568);

    QWidget *central = new QWidget(this);
    central->setObjectName("centralwidget");
    auto *verticalLayout_2 = new QVBoxLayout(central);
    verticalLayout_2->setObjectName("verticalLayout_2");
    verticalLayout_2->setSpacing(0);
    verticalLayout_2->setContentsMargins(0, 0, 0, 0);

    auto *horizontalLayout = new QHBoxLayout();
    horizontalLayout->setObjectName("horizontalLayout");
    horizontalLayout->setSpacing(0);
    horizontalLayout->setContentsMargins(-1, 0, -1, 0);

    QWidget *left = new QWidget(central);
    left->setObjectName("widget");
    left->setFixedHeight(40);
    auto *horizontalLayout_7 = new QHBoxLayout(left);
    horizontalLayout_7->setObjectName("horizontalLayout_7");
    horizontalLayout_7->setSpacing(0);
    horizontalLayout_7->setContentsMargins(16, 0, 0, 0);
    QPushButton *iconButton = new QPushButton(left);
    iconButton->setObjectName("title_icon_btn");
    iconButton->setMinimumSize(16, 16);
    QLabel *title = new QLabel(left);
    title->setObjectName("title_label");
    title->setMaximumSize(480, 17);
    horizontalLayout_7->addWidget(iconButton);
    horizontalLayout_7->addSpacing(6);
    horizontalLayout_7->addWidget(title);
    horizontalLayout_7->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));

    QWidget *right = new QWidget(central);
    right->setObjectName("widget_2");
    right->setFixedHeight(40);
    auto *horizontalLayout_10 = new QHBoxLayout(right);
    horizontalLayout_10->setObjectName("horizontalLayout_10");
    horizontalLayout_10->setSpacing(4);
    horizontalLayout_10->setContentsMargins(0, 0, 4, 0);
    horizontalLayout_10->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    QToolButton *toolButton = new QToolButton(right);
    toolButton->setObjectName("tool_button");
    toolButton->setFixedSize(30, 30);
    lumo::style::followTheme(toolButton, [toolButton] {
        toolButton->setStyleSheet(QString("background-color: %1;").arg(lumo::style::surface().name()));
    });
    horizontalLayout_10->addWidget(toolButton);
    m_minimumButton = new tarvix_title_bar_btn(right);
    m_minimumButton->setObjectName("minimum_btn");
    m_maximumButton = new tarvix_title_bar_btn(right);
    m_maximumButton->setObjectName("maximum_btn");
    m_closeButton = new tarvix_title_bar_btn(right);
    m_closeButton->setObjectName("close_btn");
    for (tarvix_title_bar_btn *button : { m_minimumButton, m_maximumButton, m_closeButton }) {
        button->setFixedSize(30, 30);
        horizontalLayout_10->addWidget(button);
    }
    horizontalLayout->addWidget(left);
    horizontalLayout->addWidget(right);

    m_tabLayout = new QVBoxLayout();
    m_tabLayout->setObjectName("tab_verticalLayout");
    m_tabLayout->setSpacing(0);
    m_contentLayout = new QVBoxLayout();
    m_contentLayout->setObjectName("contentVerticalLayout");
    m_contentLayout->setSpacing(0);
    m_contentLayout->setContentsMargins(24, -1, 6, -1);
    auto *bottomLayout = new QHBoxLayout();
    bottomLayout->setObjectName("bottomHorizontalLayout");
    bottomLayout->setContentsMargins(30, -1, 24, 24);

    verticalLayout_2->addLayout(horizontalLayout);
    verticalLayout_2->addLayout(m_tabLayout);
    verticalLayout_2->addLayout(m_contentLayout, 1);
    // Holds the rows in place while the content area is empty; a page in the
    // content area takes the height instead.
    verticalLayout_2->addItem(new QSpacerItem(20, 0, QSizePolicy::Minimum, QSizePolicy::Expanding));
    verticalLayout_2->addLayout(bottomLayout);
    setCentralWidget(central);

    QMetaObject::connectSlotsByName(this);
}

void tarvixMainPage::buildTitleBar()
{
    QLabel *title = findChild<QLabel *>("title_label");
    title->setText(tr("Zorva Intrusion Detector"));
    QPushButton *iconButton = findChild<QPushButton *>("title_icon_btn");
    iconButton->setIcon(m_appIcon);
    iconButton->setIconSize(QSize(24, 24));
    iconButton->setStyleSheet("border:none;background:transparent;");

    for (tarvix_title_bar_btn *button : { m_maximumButton, m_minimumButton }) {
        button->setProperty("useIconHighlightEffect", 2);
        button->setProperty("isWindowButton", 1);
    }
    m_closeButton->setProperty("isWindowButton", 2);
    m_closeButton->setProperty("useIconHighlightEffect", 8);
    for (tarvix_title_bar_btn *button : { m_minimumButton, m_maximumButton, m_closeButton })
        button->setFlat(true);
    m_maximumButton->setToolTip(tr("Maximize"));
    m_minimumButton->setToolTip(tr("Minimize"));
    m_closeButton->setToolTip(tr("Close"));
    // Icon-only buttons: a screen reader needs their names, not only the tooltips.
    m_maximumButton->setAccessibleName(tr("Maximize"));
    m_minimumButton->setAccessibleName(tr("Minimize"));
    m_closeButton->setAccessibleName(tr("Close"));
    iconButton->setAccessibleName(tr("Zorva Intrusion Detector"));

    QToolButton *toolButton = findChild<QToolButton *>("tool_button");
    toolButton->setToolTip(tr("Option"));
    toolButton->setAccessibleName(tr("Main menu"));
    toolButton->setPopupMode(QToolButton::InstantPopup);
    toolButton->setProperty("useIconHighlightEffect", 2);
    toolButton->setProperty("isWindowButton", 1);

    m_maximumButton->setImages(MAX_IMAGE, MAX_IMAGE, MAX_IMAGE);
    const char *minimum = ":/Resource/Icon/titlebar/min.png";
    m_minimumButton->setImages(minimum, minimum, minimum);
    m_closeButton->setImages(":/Resource/Icon/titlebar/close.png", ":/Resource/Icon/titlebar/closeWhite.png",
        ":/Resource/Icon/titlebar/closeWhite.png");
}

void tarvixMainPage::buildMenu()
{
    m_menu = new QMenu(this);
    m_menu->setObjectName("mainMenu");
    m_kitMenuButton = new lumo::KMenuButton(this);
    m_kitMenuButton->hide();
    // The kit knows where the menu icon comes from when the theme lacks it. It
    // is drawn dark for a light window; the dark theme recolours it.
    showDarkOrLightIcon(findChild<QToolButton *>("tool_button"),
        QIcon::fromTheme("open-menu-symbolic", m_kitMenuButton->icon()));

    // The kit's Feedback entry is offered only where the desktop's own kit
    // library provides it.
    if (void *library = dlopen(KIT_LIBRARY, RTLD_LAZY)) {
        dlerror();
        dlsym(library, FEEDBACK_SYMBOL);
        if (dlerror())
            qCDebug(lcApp) << "未找到匹配的目标函数符号，跳过调用。";
        else
            m_menu->addAction(m_kitMenuButton->feedbackAction());
        dlclose(library);
    } else {
        qCDebug(lcApp) << "The specified liblumosdk-qtwidgets dynamic library was not found.";
    }

    buildAutoRefreshMenu();
    m_aboutAction = m_menu->addAction(tr("About"));
    m_helpAction = m_menu->addAction(tr("Help"));
    m_quitAction = m_menu->addAction(tr("Quit"));
    m_menu->setMinimumWidth(160);
    findChild<QToolButton *>("tool_button")->setMenu(m_menu);
    connect(m_menu, &QMenu::triggered, this, &tarvixMainPage::triggerMenu);
}

void tarvixMainPage::buildAutoRefreshMenu()
{
    QMenu *menu = m_menu->addMenu(tr("Auto refresh"));
    menu->setObjectName("autoRefreshMenu");
    m_autoRefreshGroup = new QActionGroup(menu);
    m_autoRefreshGroup->setExclusive(true);
    for (int minutes : AUTO_REFRESH_CHOICES) {
        QAction *action = menu->addAction(minutes == 0 ? tr("Off")
                : minutes == 1                         ? tr("Every minute")
                                                       : tr("Every %1 minutes").arg(minutes));
        action->setCheckable(true);
        action->setData(minutes);
        m_autoRefreshGroup->addAction(action);
    }
    connect(m_autoRefreshGroup, &QActionGroup::triggered, this, [this](QAction *action) {
        setAutoRefreshMinutes(action->data().toInt());
        setPreference(AUTO_REFRESH_KEY, m_autoRefreshMinutes);
    });
}

void tarvixMainPage::setAutoRefreshMinutes(int minutes)
{
    m_autoRefreshMinutes = minutes;
    for (QAction *action : m_autoRefreshGroup->actions())
        action->setChecked(action->data().toInt() == minutes);
    setAutoRefreshInterval(minutes * 60 * 1000);
}

void tarvixMainPage::setAutoRefreshInterval(int msec)
{
    if (msec > 0)
        m_autoRefreshTimer.start(msec);
    else
        m_autoRefreshTimer.stop();
}

void tarvixMainPage::slot_auto_refresh()
{
    // One load at a time: a beat during a load (the user's, or the other
    // page's) is let go rather than queued behind it.
    if (AlertStore::instance()->isLoading())
        return;
    if (m_tabBar->currentIndex() == 1) {
        if (m_reportPage && !m_reportPage->isLoading() && !m_reportPage->isExporting())
            m_reportPage->refreshKeepingRange();
        m_logStale = true; // refreshed when it is shown again
    } else if (m_logPage) {
        m_logPage->refresh();
    }
}

void tarvixMainPage::buildTabRow()
{
    auto *row = new QHBoxLayout();
    m_tabBar = new lumo::KTabBar(1, this);
    m_tabBar->setObjectName("tabBar");
    m_tabBar->setFixedSize(200, 36);
    m_tabBar->addTab(tr("Alarm Logs"));
    m_tabBar->addTab(tr("Alarm Statistics"));
    connect(m_tabBar, &QTabBar::currentChanged, this, &tarvixMainPage::slot_current_tab_changed);

    m_settingButton = new QPushButton(this);
    m_settingButton->setObjectName("settingButton");
    showDarkOrLightIcon(m_settingButton, QIcon(":Resource/Icon/setting/setting.png"));
    m_settingButton->setFixedSize(96, 36);
    m_settingButton->setText(tr("Setting"));
    m_settingButton->setAccessibleName(tr("Setting"));
    connect(m_settingButton, &QPushButton::clicked, this, &tarvixMainPage::slot_do_config);

    QFont font("Noto Sans CJK SC", 14, QFont::Normal);
    font.setPixelSize(14);
    m_tabBar->setFont(font);
    m_settingButton->setFont(font);

    row->addSpacing(24);
    row->addWidget(m_tabBar, 0, Qt::AlignLeft);
    row->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    row->addWidget(m_settingButton, 0, Qt::AlignRight);
    row->addSpacing(24);
    m_tabLayout->addLayout(row);
}

void tarvixMainPage::showLogPage()
{
    const bool created = !m_logPage;
    if (created)
        m_logPage = new notifyLogMainPage();
    GlobalData::instance()->recordLogTab();
    m_contentLayout->addWidget(m_logPage);
    m_logPage->show();
    if (created) {
        m_tabLayout->addItem(new QSpacerItem(20, 8, QSizePolicy::Minimum, QSizePolicy::Fixed));
        connect(this, &tarvixMainPage::signal_update_notify_log_widget, m_logPage,
            &notifyLogMainPage::slot_highlight_loginfo);
    }
}

void tarvixMainPage::showStatisticsPage()
{
    // Built on the first choice of the tab (which loads its alerts), then kept.
    if (!m_reportPage) {
        m_reportPage = new notifyReportMain();
        // A ranking row leads to its alerts in the log.
        connect(m_reportPage, SIGNAL(signal_drill_down(AlertField, QString, QList<QDate>)), this,
            SLOT(slot_drill_down(AlertField, QString, QList<QDate>)));
    }
    GlobalData::instance()->recordReportTab();
    m_reportPage->show();
    m_contentLayout->addWidget(m_reportPage);
}

void tarvixMainPage::clearContent()
{
    while (QLayoutItem *item = m_contentLayout->takeAt(0)) {
        if (QWidget *widget = item->widget())
            widget->hide();
        delete item;
    }
}

void tarvixMainPage::slot_current_tab_changed(int itab)
{
    if (itab == 0) {
        qCDebug(lcApp) << "tab 1 is selected!";
        clearContent();
        showLogPage();
        if (m_logStale && !AlertStore::instance()->isLoading()) {
            m_logStale = false;
            m_logPage->refresh();
        }
    } else if (itab == 1) {
        qCDebug(lcApp) << "tab 2 is selected!";
        clearContent();
        showStatisticsPage();
    }
}

void tarvixMainPage::slot_drill_down(AlertField field, const QString &value, const QList<QDate> &range)
{
    m_tabBar->setCurrentIndex(0); // builds the log page when needed
    if (!m_logPage)
        slot_current_tab_changed(0);
    m_logPage->showFiltered(field, value, range);
}

void tarvixMainPage::on_close_btn_clicked()
{
    close();
}

void tarvixMainPage::on_minimum_btn_clicked()
{
    showMinimized();
}

void tarvixMainPage::on_maximum_btn_clicked()
{
    toggleMaximized();
}

void tarvixMainPage::toggleMaximized()
{
    if (isMaximized())
        showNormal();
    else
        showMaximized();
    refreshMaximizeButton();
}

void tarvixMainPage::refreshMaximizeButton()
{
    const char *image = windowState() == Qt::WindowMaximized ? REVERT_IMAGE : MAX_IMAGE;
    if (m_maximumButton)
        m_maximumButton->setImages(image, image, image);
}

void tarvixMainPage::slot_recv_update_message(QString msg)
{
    bringToFront();
    // A start from the application menu sends no alert: it only asks for the window.
    if (msg.isEmpty())
        return;
    qCDebug(lcApp) << "send msg to notify log";
    // The alert a notification names is on the log tab: show it.
    m_tabBar->setCurrentIndex(0);
    emit signal_update_notify_log_widget(msg);
}

void tarvixMainPage::bringToFront()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    // The request comes from another process, so a window manager that
    // prevents focus stealing would only flag the window without this.
    if (KWindowSystem::isPlatformX11())
        KX11Extras::forceActiveWindow(winId());
}

void tarvixMainPage::slot_do_config()
{
    qCDebug(lcApp) << "begin to config!";
    GlobalData::instance()->recordConfigOpen();
    if (!m_settingWindow) {
        m_settingWindow = new tarvixSettingMainpage(this);
        connect(m_settingWindow, &tarvixSettingMainpage::signal_closeDialog, this,
            &tarvixMainPage::slot_deleteSettingDialog);
    }
    m_settingWindow->show();
}

void tarvixMainPage::slot_deleteSettingDialog()
{
    if (!m_settingWindow)
        return;
    // Called from the window's own close handling: delete it once that is over.
    m_settingWindow->deleteLater();
    m_settingWindow = nullptr;
}

void tarvixMainPage::triggerMenu(QAction *act)
{
    // The submenu's choices reach here too; a translation of one of them
    // must never read as Quit.
    if (act->actionGroup() == m_autoRefreshGroup)
        return;
    const QString text = act->text();
    if (text == tr("Quit"))
        close();
    else if (text == tr("About"))
        showAbout();
    else if (text == tr("Help"))
        showGuide("zorva-tarvix");
}

QString tarvixMainPage::versionFromPackageList(const QString &output)
{
    QString version = "none";
    for (const QString &line : output.split('\n')) {
        const QStringList parts = line.split(' ', Qt::SkipEmptyParts);
        if (parts.size() > 2)
            version = parts.at(2);
    }
    return version;
}

QString tarvixMainPage::packageVersion() const
{
    FILE *pipe = popen(VERSION_COMMAND, "r");
    if (!pipe)
        return "none";
    QByteArray output;
    char buffer[512];
    while (fgets(buffer, sizeof(buffer), pipe))
        output += buffer;
    pclose(pipe);
    return versionFromPackageList(QString::fromLocal8Bit(output));
}

void tarvixMainPage::showAbout()
{
    lumo::KAboutDialog about(this, applicationIcon(), tr("Zorva Intrusion Detector"),
        QString("%1 %2").arg(tr("Version Number: "), packageVersion()));
    about.exec();
}

bool tarvixMainPage::showGuide(const QString &appName)
{
    qCDebug(lcApp) << "void tarvixMainPage::showGuide(QString)" << appName;
    char service[1024];
    snprintf(service, sizeof(service), "%s_%d", "com.zorvaUserGuide.hotel", int(getuid()));
    QDBusMessage call = QDBusMessage::createMethodCall(service, "/", "com.guide.hotel", "showGuide");
    call << appName;
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call);
    const bool success = reply.type() == QDBusMessage::ReplyMessage;
    qCDebug(lcApp) << (success ? "showGuide success" : "showGuide fail");
    return success;
}

void tarvixMainPage::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (qRound(event->localPos().y()) > TITLE_STRIP_HEIGHT)
        refreshMaximizeButton();
    else
        toggleMaximized();
}

void tarvixMainPage::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F11)
        toggleMaximized();
    QMainWindow::keyPressEvent(event);
}

void tarvixMainPage::paintEvent(QPaintEvent *)
{
    paintRoundedPanel(this, lumo::style::surface(), lumo::style::card());
}

void tarvixMainPage::resizeEvent(QResizeEvent *event)
{
    refreshMaximizeButton();
    QMainWindow::resizeEvent(event);
}

void tarvixMainPage::closeEvent(QCloseEvent *event)
{
    setPreference(GEOMETRY_KEY, saveGeometry());
    QMainWindow::closeEvent(event);
}

void tarvixMainPage::changeEvent(QEvent *event)
{
    // The desktop may restore or maximise the window without resizing it.
    if (event->type() == QEvent::WindowStateChange)
        refreshMaximizeButton();
    QMainWindow::changeEvent(event);
}
