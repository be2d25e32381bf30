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
    const bool server = isServerEdition(osReleasePath);
    for (int type = 0; type < SETTING_PAGE_COUNT; ++type) {
        if (server && !SETTING_PAGES[type].onServerEdition)
            continue;
        m_offeredTypes.push_back(type);
        auto *item = new QStandardItem(tr(SETTING_PAGES[type].navigationText));
        item->setData(QVariant::fromValue(Qt::Alignment(Qt::AlignLeft)), Qt::TextAlignmentRole);
        m_navigationBar->addItem(item);
    }
    auto *sideLayout = new QVBoxLayout(sideBar());
    sideLayout->addWidget(m_navigationBar, 0, Qt::AlignHCenter);

    m_containers.assign(SETTING_PAGE_COUNT, nullptr);
    m_baseLayout = new QVBoxLayout(baseBar());
    m_baseLayout->setContentsMargins(0, 0, 0, 0);
    m_baseLayout->setSpacing(0);
    for (int type = 0; type < SETTING_PAGE_COUNT; ++type) {
        if (SETTING_PAGES[type].built == SettingPage::WithWindow) {
            buildContainer(type);
            placeContainer(type);
        }
    }

    setLayoutType(lumo::HorizontalType);

    QListView *list = m_navigationBar->listview();
    list->setCurrentIndex(m_navigationBar->model()->index(0, 0));
    list->setFocus();
    // Only a click changes the page; moving with the keys does not.
    connect(list, &QListView::clicked, this, &tarvixSettingMainpage::listViewCurrentRowChangedSlot);

    centreOnActiveWindow();
}

void tarvixSettingMainpage::buildContainer(int type)
{
    const SettingPage &page = SETTING_PAGES[type];
    if (page.built != SettingPage::WithWindow)
        qCDebug(lcSettings) << "new" << page.name;
    auto *container = new SettingTabWidget(type, this);
    container->setFixedSize(PAGE_WIDTH, PAGE_HEIGHT);
    container->setStyleSheet(QStringLiteral("QTabWidget::pane{border:none;}QTabWidget::tab-bar{left: %1px;}")
                                 .arg(page.tabBarLeft));
    connect(container, &SettingTabWidget::signal_settingClose, this, &QWidget::close);
    m_containers[type] = container;
}

void tarvixSettingMainpage::placeContainer(int type)
{
    // In the order of the types, whatever order they were chosen in.
    int position = 0;
    for (int before = 0; before < type; ++before)
        position += m_containers[before] && m_baseLayout->indexOf(m_containers[before]) >= 0;
    m_baseLayout->insertWidget(position, m_containers[type]);
    // After the move into the layout: moving restyles the page and drops
    // palettes set before.
    shareThemePalette(m_containers[type]);
}

void tarvixSettingMainpage::changeTheme()
{
    lumo::KWidget::changeTheme();
    for (QWidget *container : m_containers) {
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

void tarvixSettingMainpage::listViewCurrentRowChangedSlot(QModelIndex index)
{
    for (int type = 0; type < SETTING_PAGE_COUNT; ++type) {
        if (SETTING_PAGES[type].built == SettingPage::OnFirstClick && !m_containers[type]) {
            qCDebug(lcSettings) << SETTING_PAGES[type].initLog << "widget";
            buildContainer(type);
        }
    }
    qCDebug(lcSettings) << "change index: " << index.row() << index;

    const int row = index.row();
    // The first row, and anything that is no row, shows the first page.
    const bool later = row > 0 && row < int(m_offeredTypes.size());
    const int shown = later ? m_offeredTypes[row] : 0;
    if (!later) {
        for (int type = 0; type < SETTING_PAGE_COUNT; ++type) {
            if (SETTING_PAGES[type].built == SettingPage::OnFirstClick)
                qCDebug(lcSettings) << SETTING_PAGES[type].name << ":" << m_containers[type];
        }
    }
    if (!m_containers[shown])
        buildContainer(shown);
    if (m_baseLayout->indexOf(m_containers[shown]) < 0)
        placeContainer(shown);
    for (SettingTabWidget *container : m_containers) {
        if (container && container != m_containers[shown])
            container->hide();
    }
    m_containers[shown]->show();
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
