#include "settings/settingtabwidget.h"
#include "logging/logcategories.h"

#include "settings/ainetsettingwidget.h"
#include "settings/basicsettingwidget.h"
#include "settings/guardsettingwidget.h"

#include <QDebug>

SettingTabWidget::SettingTabWidget(int type, QWidget *parent)
    : QTabWidget(parent)
{
    switch (type) {
    case 0:
        qCDebug(lcSettings) << "init basic setting";
        m_basicSettingWidget = new basicSettingWidget(this);
        connect(m_basicSettingWidget, &basicSettingWidget::signal_close, this,
            &SettingTabWidget::close_settingMainWidget);
        break;
    case 1:
        qCDebug(lcSettings) << "init guard setting";
        m_guardSettingWidget = new guardSettingWidget(this);
        connect(m_guardSettingWidget, &guardSettingWidget::signal_close, this,
            &SettingTabWidget::close_settingMainWidget);
        break;
    case 2:
        qCDebug(lcSettings) << "init ai network threat detect";
        m_aiNetSettingWidget = new aiNetSettingWidget(this);
        connect(m_aiNetSettingWidget, &aiNetSettingWidget::signal_close, this,
            &SettingTabWidget::close_settingMainWidget);
        break;
    default:
        qCDebug(lcSettings) << "unknown type";
        break;
    }
    setContentsMargins(0, 0, 0, 0);
}

QWidget *SettingTabWidget::page() const
{
    if (m_basicSettingWidget)
        return m_basicSettingWidget;
    if (m_guardSettingWidget)
        return m_guardSettingWidget;
    return m_aiNetSettingWidget;
}

void SettingTabWidget::close_settingMainWidget()
{
    emit signal_settingClose();
}
