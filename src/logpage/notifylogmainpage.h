#ifndef LOGPAGE_NOTIFYLOGMAINPAGE_H
#define LOGPAGE_NOTIFYLOGMAINPAGE_H

#include "alertengine/alertspan.h"
#include "alertengine/notifylogdata.h"
#include "alertstore/alertstore.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QWidget>

#include <memory>
#include <optional>

class BusyIndicator;
class QLabel;
class QScrollArea;
class QVBoxLayout;
class DateTimeRangeWidget;
class Translation;
class WorkerThread;

// The "Alarm Logs" tab: the alerts of a date range, newest first, with the
// count, the range and Reload below the list. Alerts come from the alert
// store; while a load runs the list on screen stays usable.
class notifyLogMainPage : public QWidget
{
    Q_OBJECT
public:
    explicit notifyLogMainPage(QWidget *parent = nullptr);
    ~notifyLogMainPage() override;

    // The catalogue for the rule descriptions, shared with every entry; null
    // before the first page exists.
    static const Translation *sharedTranslation();

    int alertCount() const { return m_alertCount; }
    bool isLoading() const { return m_loading; }

signals:
    void signal_highlight();
    void signal_load_more_widget(int count);

public slots:
    void slot_do_reload();
    void slot_open_calendar();
    void slot_highlight_loginfo(QString text);
    void slot_update_dateTime(QList<QDate> &days);
    void slot_add_new_frame(notifyLogData data);
    void slot_scroll_trigger(int value);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void buildForm();
    void buildBottomBar();
    QWidget *newContent();
    void loadEntries(const QString &start, const QString &end);
    void reloadRange(const QString &start, const QString &end);
    void applyLoad(const AlertList &alerts, int result);
    void highlightPending();
    void setLoading(bool loading);
    void updateCountLabel();
    QString countText() const;
    QString dayText(const QDate &day) const;

    QVBoxLayout *m_verticalLayout = nullptr;
    DateTimeRangeWidget *m_picker = nullptr;
    QScrollArea *m_scrollArea = nullptr;
    QWidget *m_content = nullptr;
    QLabel *m_countLabel = nullptr;
    QDate m_startDate;
    QDate m_endDate;
    QLabel *m_startLabel = nullptr;
    QLabel *m_endLabel = nullptr;
    int m_alertCount = 0;
    QVBoxLayout *m_contentLayout = nullptr;
    WorkerThread *m_worker = nullptr;
    BusyIndicator *m_busy = nullptr;
    bool m_loading = false;

    AlertList m_alerts; // the snapshot shown
    AlertSpan m_range; // its alerts in the chosen range

    // What the load under way is for: the last action wins.
    QString m_loadStart;
    QString m_loadEnd;
    bool m_rangeLabelsFromLoad = false; // Reload and the first load show the oldest day
    std::optional<QString> m_highlightText; // a notified alert still to highlight
};

#endif
