#ifndef SETTINGS_SETTINGTABWIDGET_H
#define SETTINGS_SETTINGTABWIDGET_H

#include <QTabWidget>

class SettingTabWidget;

// One settings page: how the window offers it and how its container makes it.
// Its type is its row in SETTING_PAGES, which is also the navigation order.
struct SettingPage
{
    enum Built { WithWindow, OnFirstClick, WhenChosen };

    const char *navigationText; // translated in the settings window's context
    const char *name; // in the window's log lines
    const char *initLog; // when its container makes it
    Built built;
    bool onServerEdition; // offered on a server edition too
    int tabBarLeft; // in pixels, for the container's style sheet
    QWidget *(*create)(SettingTabWidget *container);
};

extern const SettingPage SETTING_PAGES[];
extern const int SETTING_PAGE_COUNT;

// Holds one settings page and turns the page's request to close into a
// request to close the settings window. It shows no tabs.
class SettingTabWidget : public QTabWidget
{
    Q_OBJECT

public:
    // type: a row of SETTING_PAGES.
    SettingTabWidget(int type, QWidget *parent);

    // The page of this container's type; null for an unknown type.
    QWidget *page() const { return m_page; }

signals:
    void signal_settingClose();

public slots:
    void close_settingMainWidget();

private:
    QWidget *m_page = nullptr;
};

#endif
