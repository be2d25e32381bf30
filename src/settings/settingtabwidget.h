#ifndef SETTINGS_SETTINGTABWIDGET_H
#define SETTINGS_SETTINGTABWIDGET_H

#include <QTabWidget>

class aiNetSettingWidget;
class basicSettingWidget;
class guardSettingWidget;

// Holds one settings page (0 basic, 1 defense, 2 AI) and turns the page's request
// to close into a request to close the settings window. It shows no tabs.
class SettingTabWidget : public QTabWidget
{
    Q_OBJECT

public:
    SettingTabWidget(int type, QWidget *parent);

    // The page of this container's type; null for an unknown type.
    QWidget *page() const;

signals:
    void signal_settingClose();

public slots:
    void close_settingMainWidget();

private:
    basicSettingWidget *m_basicSettingWidget = nullptr;
    guardSettingWidget *m_guardSettingWidget = nullptr;
    aiNetSettingWidget *m_aiNetSettingWidget = nullptr;
};

#endif
