#ifndef SETTINGS_AINETSETTINGWIDGET_H
#define SETTINGS_AINETSETTINGWIDGET_H

#include "settings/settingpage.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class ConfirmTask;
class CustomButton;
class TarvixMessageDialog;

// Editor of the AI service's five flood thresholds. Each row checks what is
// typed against its range; a value in range is taken and all five are reported.
class aiNetAdvancedSettingWidget : public QWidget
{
    Q_OBJECT

public:
    aiNetAdvancedSettingWidget(const QString &dns, const QString &syn, const QString &ack, const QString &udp,
        const QString &icmp, QWidget *parent = nullptr);

    // The five thresholds as read, in the order of the constructor; not checked.
    void setValues(const QStringList &values);

    QLineEdit *edit(int row) const { return m_rows.at(row).edit; }
    QLabel *errorLabel(int row) const { return m_rows.at(row).error; }

signals:
    void valuesChanged(QString dns, QString syn, QString ack, QString udp, QString icmp);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Row
    {
        QLineEdit *edit;
        QLabel *error;
        int minimum;
        int maximum;
    };
    void checkRow(int row, const QString &text);

    QStringList m_values; // dns, syn, ack, udp, icmp
    QList<Row> m_rows;
};

// The AI network threat detection page. Without the service's package it
// offers to install it and follows the installation; with it, it switches
// the service on (after a confirmation) or off. The service's detection
// parameters are read and an editor for them is built, but kept hidden.
// The state is read on a task thread while the page shows that it loads.
class aiNetSettingWidget : public QWidget
{
    Q_OBJECT

public:
    // The pages of the install view.
    enum InstallPage { InstallPrompt, Installing, Installed, InstallFailed };

    explicit aiNetSettingWidget(QWidget *parent);
    ~aiNetSettingWidget() override;

    QStackedWidget *views() const { return m_views; } // install view, settings view
    QStackedWidget *installPages() const { return m_installPages; }
    QPushButton *installPageButton(InstallPage page) const;
    QProgressBar *progressBar() const { return m_progressBar; }
    QLabel *failureLabel() const { return m_failureLabel; }
    QButtonGroup *serviceGroup() const { return m_serviceGroup; }
    QWidget *serviceSection() const { return m_serviceSection; }
    QWidget *titleRow() const { return m_view.titleRow; }
    TarvixMessageDialog *confirmationDialog() const { return m_dialog; }
    CustomButton *confirmButton() const { return m_view.confirmButton; }
    QLabel *errorLabel() const { return m_errorLabel; }
    QWidget *parameterSection() const { return m_parameterSection; }
    QLineEdit *timeWindowEdit() const { return m_timeWindowEdit; }
    QLabel *arrowLabel() const { return m_arrowLabel; }
    aiNetAdvancedSettingWidget *advancedEditor() const { return m_advancedEditor; }
    // Until the daemon's state has been read (or could not be).
    bool isLoading() const { return m_loading; }

signals:
    void signal_close();

public slots:
    void slot_aiServiceBtnClicked(bool checked);
    void slot_aiServiceBtnConfirm();
    void slot_clickCancel();
    void slot_installSuccess();
    void slot_timeWindowChanged(QString text);
    void slot_ai_net_service_open_dialog(bool open);
    void onAdvancedValuesChanged(QString dns, QString syn, QString ack, QString udp, QString icmp);
    void onLoadingAnimationFinished();
    void onTaskFinished(int mseconds);
    void startInstallEngine();
    void updateProgress(int percent, QString message, QString detail);
    void handleFinalResult(int success, QStringList results, QString summary, QString detail);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // What the page reads from the daemon; plain values from the task thread.
    struct State
    {
        int status0 = -3; // 2 when not installed, else type 0
        int status1 = 2;
        QStringList aiConfig; // in the order of the keys
        bool detectionRunning = true; // or unknown
    };
    static State readState();
    void applyState(const State &state);
    QWidget *buildInstallView();
    QWidget *buildSettingsView();
    void buildParameterSection();
    // The switch and the targets as the page was built: nothing to send.
    void restoreStateAtLoad();
    void installRequestAnswered(int result);
    static int apply(int target0, int target1);

    // 2 when the package is not installed, else the service's type-0 status.
    int m_ai_net_service_status = 2;
    int m_type1Status = 2;
    int m_onAtLoad = 0;
    int m_targetStatus0 = 0;
    int m_targetStatus1 = 0;
    bool m_detectionRunning = true;
    bool m_loading = true;
    bool m_readFailed = false;
    // time_window and the five thresholds, current and as read.
    QStringList m_aiConfig;
    QStringList m_loadedAiConfig;

    QStackedWidget *m_views = nullptr;
    QStackedWidget *m_installPages = nullptr;
    QList<QPushButton *> m_installButtons;
    QProgressBar *m_progressBar = nullptr;
    QLabel *m_failureLabel = nullptr;
    bool m_installRequestPending = false;

    SettingView m_view;
    QWidget *m_serviceSection = nullptr;
    QButtonGroup *m_serviceGroup = nullptr;
    QLabel *m_errorLabel = nullptr;
    TarvixMessageDialog *m_dialog = nullptr;
    bool m_dialogAnswered = true;
    QWidget *m_parameterSection = nullptr;
    QLineEdit *m_timeWindowEdit = nullptr;
    QLabel *m_timeWindowError = nullptr;
    QLabel *m_arrowLabel = nullptr;
    aiNetAdvancedSettingWidget *m_advancedEditor = nullptr;

    std::unique_ptr<ConfirmTask> m_confirm;
};

#endif
