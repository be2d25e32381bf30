#ifndef SETTINGS_GUARDSETTINGWIDGET_H
#define SETTINGS_GUARDSETTINGWIDGET_H

#include "settings/settingpage.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>

class QButtonGroup;
class QLabel;
class QLineEdit;
class ConfirmTask;
class CustomButton;

// Defense settings: the IP-blocking service on or off, its whitelist and its
// blocking time. Reads the daemon when built, on a task thread, with its
// controls disabled until the values are in, and then stops the defense
// service when the detection services are not all running; Confirm sends
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
    // Until the daemon's values have been read (or could not be).
    bool isLoading() const { return m_loading; }

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

    // What the page reads from the daemon; plain values from the task thread.
    struct State
    {
        int status0 = -3; // type 0 of the defense service
        int whitelistResult = -3, timeResult = -3;
        QString whitelist, time;
        bool detectionRunning = true; // or unknown
    };
    static State readState();
    void applyState(const State &state);
    void buildView();
    void buildBlockingSection();
    // What is wrong with a typed or pasted whitelist, or empty; addresses
    // gets its addresses when nothing is.
    static QString whitelistProblem(const QString &text, QStringList *addresses);
    // Shows a valid whitelist the way the page writes it, comma-separated.
    void tidyWhitelist();
    void tidyPastedWhitelist(const QString &text);
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
    bool m_loading = true;
    bool m_readFailed = false;
    QString m_whitelistProblem;
    // Length of the whitelist edit's text, and before its last change.
    int m_whitelistLength = 0, m_whitelistLengthBefore = 0;
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
