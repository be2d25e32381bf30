#ifndef LOGPAGE_NOTIFYLOGMAINPAGE_H
#define LOGPAGE_NOTIFYLOGMAINPAGE_H

#include "alertengine/alertspan.h"
#include "alertengine/notifylogdata.h"
#include "alertstore/alertstore.h"
#include "logpage/alertfilter.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

class AlertListView;
class BusyIndicator;
class QComboBox;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QVBoxLayout;
class DateRangeBar;
class Translation;

// The "Alarm Logs" tab: the alerts of a date range, newest first, with the
// count, a search, the range and Reload below the list. Alerts come from the
// alert store; while a load runs the list on screen stays usable, and a load
// that fails never passes for an empty list.
class notifyLogMainPage : public QWidget
{
    Q_OBJECT
public:
    explicit notifyLogMainPage(QWidget *parent = nullptr);
    ~notifyLogMainPage() override;

    // The catalogue for the rule descriptions, shared with every entry; null
    // before the first page exists.
    static const Translation *sharedTranslation();

    int alertCount() const { return m_alertCount; } // in the range
    int shownCount() const { return int(m_shown.size()); } // in the range and passing the search
    int entryCount() const; // live entries, only those in and near the view
    bool isLoading() const { return m_loading; }

signals:
    void signal_highlight();
    // The range the list shows, for the picker to open on.
    void signal_update_dateWidget(QDate start, QDate end);

public slots:
    void slot_do_reload();
    // Loads the list again as it is shown: the same range, search and filter,
    // the same place and open entries. Alerts that came in since the load
    // before are marked new. Nothing when a load is under way.
    void refresh();
    void slot_open_calendar();
    void slot_highlight_loginfo(QString text);
    void slot_update_dateTime(QList<QDate> &days);
    // The alerts of range (first and last day; empty for all) whose field is
    // exactly value, shown with a filter the user can remove; the search and
    // severity choice are cleared. The snapshot on screen is used, so the
    // count matches what the report counted from it.
    void showFiltered(AlertField field, const QString &value, const QList<QDate> &range);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void buildForm();
    void buildBottomBar();
    QWidget *buildSearchBox();
    void showMessage(QWidget *message);
    bool showsFailure() const;
    void showList(const QString &start, const QString &end, bool keepPlace = false);
    void showEntries(bool keepPlace = false);
    AlertList adoptSnapshot(const AlertList &alerts);
    void showFailure(int result);
    void reloadRange(const QString &start, const QString &end, bool keepPlace = false);
    void applyLoad(const AlertList &alerts, int result);
    AlertFilter filterFromBar() const;
    void applySearch();
    void clearSearch();
    void removeFieldFilter();
    bool pickRange(const QList<QDate> &days);
    int pendingHighlightIndex() const;
    void highlightEntry(int index);
    void setLoading(bool loading);
    void updateCountLabel();
    QString countText() const;

    QVBoxLayout *m_verticalLayout = nullptr;
    DateRangeBar *m_dateBar = nullptr;
    QStackedWidget *m_stack = nullptr;
    AlertListView *m_list = nullptr;
    QWidget *m_messageArea = nullptr; // in place of the list: loading, empty or failed
    QWidget *m_message = nullptr;
    QLabel *m_countLabel = nullptr;
    QLabel *m_skippedLabel = nullptr;
    QLabel *m_failureLabel = nullptr;
    QLineEdit *m_searchEdit = nullptr;
    QComboBox *m_severityBox = nullptr;
    QWidget *m_fieldChip = nullptr;
    QLabel *m_fieldChipLabel = nullptr;
    QDate m_startDate;
    QDate m_endDate;
    int m_alertCount = 0;
    int m_skipped = 0; // records of the snapshot that could not be read
    BusyIndicator *m_busy = nullptr;
    bool m_loading = false;

    AlertList m_alerts; // the snapshot of the last load that succeeded
    AlertSpan m_range; // its alerts in the range shown
    std::vector<const loginfo *> m_shown; // those passing the search, as the list shows them
    AlertFilter m_filter;
    AlertField m_field = AlertField::None; // the drill-down's exact filter
    QString m_fieldValue;
    int m_failure = 0; // result of the last load when it failed
    QString m_shownStart; // the range shown ("init" for everything)
    QString m_shownEnd;

    // What the load under way is for: the last action wins.
    QString m_loadStart;
    QString m_loadEnd;
    bool m_keepPlace = false; // a refresh: the list stays where the user is
    std::vector<const loginfo *> m_newer; // of m_alerts, newer than the snapshot before, to mark once shown
    bool m_rangeLabelsFromLoad = false; // Reload and the first load show the oldest day
    std::optional<QString> m_highlightText; // a notified alert still to highlight
};

#endif
