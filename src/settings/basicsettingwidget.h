#ifndef SETTINGS_BASICSETTINGWIDGET_H
#define SETTINGS_BASICSETTINGWIDGET_H

#include "settings/settingpage.h"

#include <QString>
#include <QWidget>

#include <memory>
#include <utility>

class QButtonGroup;
class QLabel;
class QLineEdit;
class ConfirmTask;
class CustomButton;

// Basic settings: the four detection services on or off together, and the
// daemon's desktop-notification settings. Reads the daemon when built, on a
// task thread, with its controls disabled until the values are in; Confirm
// sends only what changed, on a task thread, and closes the window once every
// write has been applied.
class basicSettingWidget : public QWidget
{
    Q_OBJECT

public:
    explicit basicSettingWidget(QWidget *parent);
    ~basicSettingWidget() override;

    QButtonGroup *serviceGroup() const { return m_serviceGroup; }
    QButtonGroup *notifyGroup() const { return m_notifyGroup; }
    QButtonGroup *foldGroup() const { return m_foldGroup; }
    QLineEdit *timeoutEdit() const { return m_timeoutEdit; }
    QLabel *errorLabel() const { return m_errorLabel; }
    CustomButton *confirmButton() const { return m_view.confirmButton; }
    // Until the daemon's values have been read (or could not be).
    bool isLoading() const { return m_loading; }

signals:
    void signal_close();

public slots:
    void slot_serviceControlBtnClicked(bool checked);
    void slot_notifyStatusBtnClicked(bool checked);
    void slot_notifyFoldBtnClicked(bool checked);
    void slot_notifyBtnConfirm();
    void slot_clickCancel();
    void slot_notifyTimeoutChanged(QString text);
    void onLoadingAnimationFinished();
    void onTaskFinished(int mseconds);

private:
    // What one Confirm sends, and how it went; plain values for the task thread.
    struct Changes
    {
        bool notify = false;
        QString notifyDisabled, notifyTimeout, notifyFold;
        bool services = false;
        int serviceStatus0 = 1, serviceStatus1 = 1;
    };
    // Groups of writes, as bits of what apply() reports failed.
    enum { NotifyWrites = 1, ServiceWrites = 2 };
    static int apply(const Changes &changes);

    // What the page reads from the daemon; plain values from the task thread.
    struct State
    {
        int notifyResult = -3;
        QString notifyDisabled, notifyTimeout, notifyFold;
        std::pair<int, int> research { -3, -3 }, rootcheck { -3, -3 }, logscan { -3, -3 }, ebpf { -3, -3 };
    };
    static State readState();
    void applyState(const State &state);
    void buildView();
    QWidget *buildServiceSection();
    QWidget *buildNotifySection();
    void showError(const QString &text);
    Changes pendingChanges() const;

    // Current and loaded notification settings: "no"/"yes" shown, seconds or
    // "-1", "yes"/"no" folded.
    QString m_notifyDisabled, m_notifyTimeout, m_notifyFold;
    QString m_loadedDisabled, m_loadedTimeout, m_loadedFold;
    int m_targetStatus0 = 1;
    int m_targetStatus1 = 1;
    // Research, logscan and rootcheck all on (1) or not (0) when the page was
    // built; mixed when some ran and some did not, so any choice is a change.
    int m_allOnAtLoad = 0;
    bool m_mixedAtLoad = false;
    bool m_loading = true;
    bool m_readFailed = false;
    bool m_timeoutValid = true;

    SettingView m_view;
    QButtonGroup *m_serviceGroup = nullptr;
    QButtonGroup *m_notifyGroup = nullptr;
    QButtonGroup *m_foldGroup = nullptr;
    QLineEdit *m_timeoutEdit = nullptr;
    QLabel *m_errorLabel = nullptr;

    std::unique_ptr<ConfirmTask> m_confirm;
    Changes m_applied;
};

#endif
