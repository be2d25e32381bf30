#ifndef WIDGETS_DATERANGEBAR_H
#define WIDGETS_DATERANGEBAR_H

#include <QDate>
#include <QList>
#include <QString>
#include <QWidget>

class DateTimeRangeWidget;
class QLabel;
class QPushButton;

// The date range a page shows, on a card-coloured box: the calendar button
// that opens the picker, and the first and last day. Each page passes its own
// texts (translated where they belong) and takes the picked range from
// rangePicked. The picker is a window of its own, made on the first
// setPickerRange, so a page without a range yet opens nothing.
class DateRangeBar : public QWidget
{
    Q_OBJECT
public:
    struct Texts
    {
        QString soFar; // the last day when it is today
        QString calendarName; // the calendar button's accessible name
        QString startDescription; // the day labels' accessible descriptions, if any
        QString endDescription;
    };

    DateRangeBar(const Texts &texts, QWidget *parent);
    ~DateRangeBar() override;

    QPushButton *calendarButton() const { return m_calendar; }
    DateTimeRangeWidget *picker() const { return m_picker; }

    // Both days as days, or each as "so far" when it is today.
    void showRange(const QDate &start, const QDate &end, bool todayAsSoFar = true);
    // From start, the end "so far".
    void showSince(const QDate &start);

    static QString dayText(const QDate &day);
    // A page's main action button (Reload, Refresh) in the accent face of the theme.
    static QPushButton *accentButton(const QString &text, QWidget *parent);

public slots:
    // The range the picker opens on.
    void setPickerRange(QDate start, QDate end);
    void openPicker();

signals:
    void rangePicked(QList<QDate> &range);

private:
    Texts m_texts;
    QPushButton *m_calendar = nullptr;
    QLabel *m_startLabel = nullptr;
    QLabel *m_endLabel = nullptr;
    DateTimeRangeWidget *m_picker = nullptr;
};

#endif
