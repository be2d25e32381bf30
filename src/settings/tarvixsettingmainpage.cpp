#include "settings/tarvixsettingmainpage.h"
#include "logging/logcategories.h"

#include "kit/kmenubutton.h"
#include "kit/knavigationbar.h"
#include "kit/kwindowbuttonbar.h"
#include "settings/settingtabwidget.h"
#include "system/systemprobes.h"

#include <KWindowSystem>
#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStandardItem>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace {
const int WINDOW_WIDTH = 910;
const int WINDOW_HEIGHT = 520;
const int PAGE_WIDTH = 710;
const int PAGE_HEIGHT = 464;
const char *const BASIC_STYLE = "QTabWidget::pane{border:none;}QTabWidget::tab-bar{left: 264px;}";
const char *const OTHER_STYLE = "QTabWidget::pane{border:none;}QTabWidget::tab-bar{left: 204px;}";
} // namespace

tarvixSettingMainpage::tarvixSettingMainpage(QWidget *parent)
    : tarvixSettingMainpage(parent, QString::fromLatin1(OS_RELEASE_PATH))
{
}

tarvixSettingMainpage::tarvixSettingMainpage(QWidget *parent, const QString &osReleasePath)
    : lumo::KWidget(parent)
{
    setWindowFlags(Qt::Dialog);
    if (KWindowSystem::isPlatformX11())
        KWindowSystem::setState(winId(), NET::SkipTaskbar | NET::SkipPager);
    setFixedSize(WINDOW_WIDTH, WINDOW_HEIGHT);

    setWidgetName(tr("Zorva Intrusion Detector Setting"));
    if (sysVersionLevel > 4)
        setIcon(QIcon::fromTheme(QStringLiteral("zorva-tarvix")));
    else
        setIcon(QIcon(QStringLiteral(":/Resource/Icon/base/zorva-tarvix.svg")));
    windowButtonBar()->menuButton()->hide();
    windowButtonBar()->maximumButton()->hide();

    probeAdministrator();

    m_navigationBar = new lumo::KNavigationBar(this);
    QStringList entries { tr("Basic Setting"), tr("Defense Setting") };
    if (!isServerEdition(osReleasePath))
        entries << tr("AI Network Threat Detect");
    for (const QString &entry : entries) {
        auto *item = new QStandardItem(entry);
        item->setData(QVariant::fromValue(Qt::Alignment(Qt::AlignLeft)), Qt::TextAlignmentRole);
        m_navigationBar->addItem(item);
    }
    auto *sideLayout = new QVBoxLayout(sideBar());
    sideLayout->addWidget(m_navigationBar, 0, Qt::AlignHCenter);

    m_basicSettingWidget = createContainer(0, BASIC_STYLE);
    m_baseLayout = new QVBoxLayout(baseBar());
    m_baseLayout->setContentsMargins(0, 0, 0, 0);
    m_baseLayout->setSpacing(0);
    placeContainer(m_basicSettingWidget, 0);

    setLayoutType(lumo::HorizontalType);

    QListView *list = m_navigationBar->listview();
    list->setCurrentIndex(m_navigationBar->model()->index(0, 0));
    list->setFocus();
    // Only a click changes the page; moving with the keys does not.
    connect(list, &QListView::clicked, this, &tarvixSettingMainpage::listViewCurrentRowChangedSlot);

    centreOnActiveWindow();
}

SettingTabWidget *tarvixSettingMainpage::createContainer(int type, const QString &styleSheet)
{
    auto *container = new SettingTabWidget(type, this);
    container->setFixedSize(PAGE_WIDTH, PAGE_HEIGHT);
    container->setStyleSheet(styleSheet);
    connect(container, &SettingTabWidget::signal_settingClose, this, &QWidget::close);
    return container;
}

void tarvixSettingMainpage::placeContainer(SettingTabWidget *container, int position)
{
    m_baseLayout->insertWidget(position, container);
    // After the move into the layout: moving restyles the page and drops
    // palettes set before.
    shareThemePalette(container);
}

void tarvixSettingMainpage::changeTheme()
{
    lumo::KWidget::changeTheme();
    for (QWidget *container : { m_basicSettingWidget, m_guardSettingWidget, m_aiNetworkThreatDetectWidget }) {
        if (container)
            shareThemePalette(container);
    }
}

void tarvixSettingMainpage::shareThemePalette(QWidget *container)
{
    // Qt resolves the palette of widgets under a style sheet against the
    // application's, not their parent's: without this the pages stay light
    // in a dark window. Widgets that chose colours of their own keep them.
    static const char *const SHARED = "_tarvix_sharedPalette";
    QList<QWidget *> widgets = container->findChildren<QWidget *>();
    widgets.prepend(container);
    // The first polish by the style sheet would drop a palette set before it.
    for (QWidget *widget : widgets)
        widget->ensurePolished();
    // Styles outline fields and radio buttons in a shade of the window
    // colour, which the dark palette makes as dark as the page behind them.
    QPalette controls = palette();
    if (isDarkTheme())
        controls.setColor(QPalette::Window, controls.color(QPalette::Light).lighter(150));
    for (QWidget *widget : widgets) {
        // Boxes the pages open are windows of their own, with their own colours.
        if (widget->window() != this
            || (widget->testAttribute(Qt::WA_SetPalette) && !widget->property(SHARED).toBool()))
            continue;
        const bool control = qobject_cast<QLineEdit *>(widget) || qobject_cast<QRadioButton *>(widget);
        widget->setPalette(control ? controls : palette());
        widget->setProperty(SHARED, true);
    }
}

void tarvixSettingMainpage::createGuardContainer()
{
    qCDebug(lcSettings) << "new m_guardSettingWidget";
    m_guardSettingWidget = createContainer(1, OTHER_STYLE);
}

void tarvixSettingMainpage::listViewCurrentRowChangedSlot(QModelIndex index)
{
    if (!m_guardSettingWidget) {
        qCDebug(lcSettings) << "init guard setting widget";
        createGuardContainer();
    }
    qCDebug(lcSettings) << "change index: " << index.row() << index;

    if (index.row() == 1) {
        if (m_guardNotPlaced) {
            placeContainer(m_guardSettingWidget, 1);
            m_guardNotPlaced = false;
        }
        m_basicSettingWidget->hide();
        if (m_aiNetworkThreatDetectWidget)
            m_aiNetworkThreatDetectWidget->hide();
        m_guardSettingWidget->show();
        return;
    }
    if (index.row() == 2) {
        if (m_aiNotPlaced) {
            qCDebug(lcSettings) << "new m_aiNetworkThreatDetectWidget";
            m_aiNetworkThreatDetectWidget = createContainer(2, OTHER_STYLE);
            placeContainer(m_aiNetworkThreatDetectWidget, 2);
            m_aiNotPlaced = false;
        }
        m_basicSettingWidget->hide();
        m_guardSettingWidget->hide();
        m_aiNetworkThreatDetectWidget->show();
        return;
    }
    qCDebug(lcSettings) << "m_guardSettingWidget :" << m_guardSettingWidget;
    m_guardSettingWidget->hide();
    if (m_aiNetworkThreatDetectWidget)
        m_aiNetworkThreatDetectWidget->hide();
    m_basicSettingWidget->show();
}

void tarvixSettingMainpage::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        lumo::KWidget::keyPressEvent(event);
}

void tarvixSettingMainpage::closeEvent(QCloseEvent *event)
{
    emit signal_closeDialog();
    event->accept();
}

void tarvixSettingMainpage::centreOnActiveWindow()
{
    QRect area;
    if (QWidget *active = QApplication::activeWindow())
        area = active->geometry();
    else if (QScreen *screen = QGuiApplication::primaryScreen())
        area = screen->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}
