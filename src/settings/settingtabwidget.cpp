#include "settings/settingtabwidget.h"
#include "logging/logcategories.h"

#include "settings/ainetsettingwidget.h"
#include "settings/basicsettingwidget.h"
#include "settings/guardsettingwidget.h"

#include <QDebug>

namespace {

template<typename Page> QWidget *createPage(SettingTabWidget *container)
{
    auto *page = new Page(container);
    QObject::connect(page, &Page::signal_close, container, &SettingTabWidget::close_settingMainWidget);
    return page;
}

} // namespace

// The basic page is built with the window; the defense page on the first
// navigation click, so that it has read the daemon by the time it is chosen;
// the AI page, which installs a service, only when chosen.
const SettingPage SETTING_PAGES[] = {
    { QT_TRANSLATE_NOOP("tarvixSettingMainpage", "Basic Setting"), "m_basicSettingWidget",
        "init basic setting", SettingPage::WithWindow, true, 264, createPage<basicSettingWidget> },
    { QT_TRANSLATE_NOOP("tarvixSettingMainpage", "Defense Setting"), "m_guardSettingWidget",
        "init guard setting", SettingPage::OnFirstClick, true, 204, createPage<guardSettingWidget> },
    { QT_TRANSLATE_NOOP("tarvixSettingMainpage", "AI Network Threat Detect"), "m_aiNetworkThreatDetectWidget",
        "init ai network threat detect", SettingPage::WhenChosen, false, 204,
        createPage<aiNetSettingWidget> },
};
const int SETTING_PAGE_COUNT = int(std::size(SETTING_PAGES));

SettingTabWidget::SettingTabWidget(int type, QWidget *parent)
    : QTabWidget(parent)
{
    if (type >= 0 && type < SETTING_PAGE_COUNT) {
        qCDebug(lcSettings) << SETTING_PAGES[type].initLog;
        m_page = SETTING_PAGES[type].create(this);
    } else {
        qCDebug(lcSettings) << "unknown type";
    }
    setContentsMargins(0, 0, 0, 0);
}

void SettingTabWidget::close_settingMainWidget()
{
    emit signal_settingClose();
}
