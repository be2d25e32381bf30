#ifndef LOGPAGE_NOTIFYLOGMAINPAGE_H
#define LOGPAGE_NOTIFYLOGMAINPAGE_H

#include "alertengine/notifylogdata.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QWidget>

#include <memory>
#include <vector>

class QLabel;
class QScrollArea;
class QVBoxLayout;
class DateTimeRangeWidget;
class Translation;
class WorkerThread;

// The "Alarm Logs" tab: the alerts of a date range, newest first, with the
// count, the range and Reload below the list.
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
    void loadEntries(const QString &start, const QString &end);
    void reloadRange(const QString &start, const QString &end);
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
    std::vector<QString> m_alertIds;
    QVBoxLayout *m_contentLayout = nullptr;
    WorkerThread *m_worker = nullptr;
};

#endif
