#ifndef APP_TARVIXMAINPAGE_H
#define APP_TARVIXMAINPAGE_H

#include "alertengine/alertfield.h"

#include <QDate>
#include <QIcon>
#include <QList>
#include <QMainWindow>
#include <QTimer>

class QAction;
class QActionGroup;
class QMenu;
class QPushButton;
class QVBoxLayout;
class notifyLogMainPage;
class notifyReportMain;
class tarvixSettingMainpage;
class tarvix_title_bar_btn;
namespace lumo {
class KTabBar;
class KMenuButton;
} // namespace lumo

// The application's main window: title bar, the two tabs with the Setting
// button, and the page of the current tab.
class tarvixMainPage : public QMainWindow
{
    Q_OBJECT
public:
    explicit tarvixMainPage(QWidget *parent = nullptr);
    ~tarvixMainPage() override;

    // The third column of the last package-list line that has one; "none" when none has.
    static QString versionFromPackageList(const QString &output);
    // Asks the desktop's user guide to show the guide of appName.
    static bool showGuide(const QString &appName);

    notifyLogMainPage *logPage() const { return m_logPage; }
    notifyReportMain *reportPage() const { return m_reportPage; }
    lumo::KTabBar *tabBar() const { return m_tabBar; }
    QMenu *mainMenu() const { return m_menu; }
    QPushButton *settingButton() const { return m_settingButton; }
    // The open settings window; null while none is open.
    tarvixSettingMainpage *settingWindow() const { return m_settingWindow; }
    // The options menu's "Auto refresh" choice in minutes, 0 for Off; remembered.
    int autoRefreshMinutes() const { return m_autoRefreshMinutes; }
    void setAutoRefreshMinutes(int minutes);
    // Time between two refreshes in milliseconds, whatever the choice says; 0 stops them.
    void setAutoRefreshInterval(int msec);
    bool isAutoRefreshing() const { return m_autoRefreshTimer.isActive(); }

signals:
    void signal_update_notify_log_widget(QString msg);

public slots:
    void slot_current_tab_changed(int itab);
    void on_close_btn_clicked();
    void on_minimum_btn_clicked();
    void on_maximum_btn_clicked();
    void slot_recv_update_message(QString msg);
    void slot_do_config();
    void slot_deleteSettingDialog();
    void triggerMenu(QAction *act);
    // From a row of the report's rankings: the Alarm Logs tab with the alerts
    // of range whose field is exactly value. The report page's
    // signal_drill_down(AlertField, QString, QList<QDate>) comes here.
    void slot_drill_down(AlertField field, const QString &value, const QList<QDate> &range);
    // One beat of auto-refresh: the shown tab loads again, unless a load is under way.
    void slot_auto_refresh();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildForm();
    void buildTitleBar();
    void buildMenu();
    void buildAutoRefreshMenu();
    void buildTabRow();
    void showLogPage();
    void showStatisticsPage();
    void clearContent();
    void bringToFront();
    void toggleMaximized();
    void refreshMaximizeButton();
    void showAbout();
    QString packageVersion() const;

    QIcon m_appIcon;
    QVBoxLayout *m_tabLayout = nullptr;
    QVBoxLayout *m_contentLayout = nullptr;
    tarvix_title_bar_btn *m_minimumButton = nullptr;
    tarvix_title_bar_btn *m_maximumButton = nullptr;
    tarvix_title_bar_btn *m_closeButton = nullptr;
    lumo::KTabBar *m_tabBar = nullptr;
    QPushButton *m_settingButton = nullptr;
    notifyLogMainPage *m_logPage = nullptr;
    tarvixSettingMainpage *m_settingWindow = nullptr;
    notifyReportMain *m_reportPage = nullptr;
    QMenu *m_menu = nullptr;
    lumo::KMenuButton *m_kitMenuButton = nullptr;
    QAction *m_aboutAction = nullptr;
    QAction *m_helpAction = nullptr;
    QAction *m_quitAction = nullptr;
    QActionGroup *m_autoRefreshGroup = nullptr;
    int m_autoRefreshMinutes = 0;
    bool m_logStale = false; // a beat passed while the log was hidden
    QTimer m_autoRefreshTimer;
};

#endif
