#ifndef SETTINGS_TARVIXSETTINGMAINPAGE_H
#define SETTINGS_TARVIXSETTINGMAINPAGE_H

#include "kit/kwidget.h"

#include <QModelIndex>

#include <vector>

class QVBoxLayout;
class SettingTabWidget;
namespace lumo {
class KNavigationBar;
}

// The settings window: navigation on the left, the chosen page on the right;
// the pages and when each is built are those of SETTING_PAGES. Closing the
// window in any way asks its owner to delete it, so every opening reads the
// daemon afresh.
class tarvixSettingMainpage : public lumo::KWidget
{
    Q_OBJECT

public:
    explicit tarvixSettingMainpage(QWidget *parent);
    // osReleasePath tells whether this is a server edition, which has no AI page.
    tarvixSettingMainpage(QWidget *parent, const QString &osReleasePath);

    lumo::KNavigationBar *navigationBar() const { return m_navigationBar; }
    // The container of a page type (a row of SETTING_PAGES); null until built.
    SettingTabWidget *container(int type) const { return m_containers.at(type); }
    SettingTabWidget *basicContainer() const { return container(0); }

signals:
    void signal_closeDialog();

public slots:
    void listViewCurrentRowChangedSlot(QModelIndex index);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeTheme() override;

private:
    void buildContainer(int type);
    void placeContainer(int type);
    void shareThemePalette(QWidget *container);
    void centreOnActiveWindow();

    lumo::KNavigationBar *m_navigationBar = nullptr;
    std::vector<SettingTabWidget *> m_containers; // by page type
    std::vector<int> m_offeredTypes; // by navigation row
    QVBoxLayout *m_baseLayout = nullptr;
};

#endif
