#ifndef SETTINGS_TARVIXSETTINGMAINPAGE_H
#define SETTINGS_TARVIXSETTINGMAINPAGE_H

#include "kit/kwidget.h"

#include <QModelIndex>

class QVBoxLayout;
class SettingTabWidget;
namespace lumo {
class KNavigationBar;
}

// The settings window: navigation on the left, the chosen page on the right.
// The basic page is built with the window, the defense page on the first
// navigation click, the AI page when its entry is first chosen. Closing the window in any way asks its owner
// to delete it, so every opening reads the daemon afresh.
class tarvixSettingMainpage : public lumo::KWidget
{
    Q_OBJECT

public:
    explicit tarvixSettingMainpage(QWidget *parent);
    // osReleasePath tells whether this is a server edition, which has no AI page.
    tarvixSettingMainpage(QWidget *parent, const QString &osReleasePath);

    lumo::KNavigationBar *navigationBar() const { return m_navigationBar; }
    SettingTabWidget *basicContainer() const { return m_basicSettingWidget; }
    // Null until the first navigation click.
    SettingTabWidget *guardContainer() const { return m_guardSettingWidget; }
    // Null until its entry is first chosen.
    SettingTabWidget *aiContainer() const { return m_aiNetworkThreatDetectWidget; }

signals:
    void signal_closeDialog();

public slots:
    void listViewCurrentRowChangedSlot(QModelIndex index);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeTheme() override;

private:
    void placeContainer(SettingTabWidget *container, int position);
    void shareThemePalette(QWidget *container);
    SettingTabWidget *createContainer(int type, const QString &styleSheet);
    void createGuardContainer();
    void centreOnActiveWindow();

    lumo::KNavigationBar *m_navigationBar = nullptr;
    SettingTabWidget *m_basicSettingWidget = nullptr;
    SettingTabWidget *m_guardSettingWidget = nullptr;
    SettingTabWidget *m_aiNetworkThreatDetectWidget = nullptr;
    QVBoxLayout *m_baseLayout = nullptr;
    bool m_guardNotPlaced = true;
    bool m_aiNotPlaced = true;
};

#endif
