#ifndef SETTINGS_GUARDSETTINGWIDGET_H
#define SETTINGS_GUARDSETTINGWIDGET_H

#include "settings/settingpage.h"

#include <QString>
#include <QWidget>

#include <memory>

class QButtonGroup;
class QLabel;
class QLineEdit;
class ConfirmTask;
class CustomButton;

// Defense settings: the IP-blocking service on or off, its whitelist and its
// blocking time. Reads the daemon when built and stops the defense service
// at once when the detection services are not all running; Confirm sends
// only what changed, on a task thread, and closes the window once every
// write has been applied.
class guardSettingWidget : public QWidget
{
    Q_OBJECT

public:
    explicit guardSettingWidget(QWidget *parent);
    ~guardSettingWidget() override;

    QButtonGroup *serviceGroup() const { return m_serviceGroup; }
    QWidget *serviceSection() const { return m_serviceSection; }
    QWidget *titleRow() const { return m_view.titleRow; }
    QLineEdit *whitelistEdit() const { return m_whitelistEdit; }
    QLineEdit *timeEdit() const { return m_timeEdit; }
    QLabel *errorLabel() const { return m_errorLabel; }
    CustomButton *confirmButton() const { return m_view.confirmButton; }

signals:
    void signal_close();

public slots:
    void slot_guardBtnClicked(bool checked);
    void slot_clickCancel();
    void slot_guardBtnConfirm();
    void slot_ipWhiteListChanged(QString text);
    void slot_guardTimeChanged(QString text);
    void onLoadingAnimationFinished();
    void onTaskFinished(int mseconds);

private:
    // What one Confirm sends, and how it went; plain values for the task thread.
    struct Changes
    {
        bool blocking = false;
        QString whitelist; // addresses separated by blanks
        QString time; // seconds as typed, or "-1"
        int statusAtLoad = 0; // for the log line only
        bool service = false;
        int serviceStatus0 = 0, serviceStatus1 = 0;
    };
    // Groups of writes, as bits of what apply() reports failed.
    enum { BlockingWrites = 1, ServiceWrites = 2 };
    static int apply(const Changes &changes);

    void readState();
    void buildView();
    void buildBlockingSection();
    void refreshInputState();
    void showError(const QString &text);
    Changes pendingChanges();

    bool m_detectionRunning = true;
    // Current and loaded values in the daemon's format: addresses separated
    // by blanks; seconds followed by "s", or "-1".
    QString m_whitelist, m_loadedWhitelist;
    QString m_guardTime, m_loadedGuardTime;
    int m_status0 = 0; // type 0 of the defense service at load
    int m_targetStatus0 = 0;
    int m_targetStatus1 = 0;
    int m_onAtLoad = 0;
    bool m_readFailed = false;
    bool m_whitelistValid = true;
    DurationInput m_timeInput = DurationInput::Valid;

    SettingView m_view;
    QWidget *m_serviceSection = nullptr;
    QButtonGroup *m_serviceGroup = nullptr;
    QLineEdit *m_whitelistEdit = nullptr;
    QLineEdit *m_timeEdit = nullptr;
    QLabel *m_errorLabel = nullptr;

    std::unique_ptr<ConfirmTask> m_confirm;
    Changes m_applied;
};

#endif
