#ifndef WIDGETS_DATETIMERANGEWIDGET_H
#define WIDGETS_DATETIMERANGEWIDGET_H

#include <QDate>
#include <QList>
#include <QWidget>

class QCalendarWidget;
class QDateEdit;
class QPushButton;
class QVBoxLayout;

// The window in which the user picks the date range of the alarm log and the
// report: a start and an end date, each as an edit above a month calendar.
// The range is handed out as two dates, start first, never inverted, when the
// user confirms it or picks a quick range; Cancel and Escape drop the edits.
// Closing only hides the window: it opens again on the range last handed out
// or set by its owner.
class DateTimeRangeWidget : public QWidget
{
    Q_OBJECT

public:
    DateTimeRangeWidget(QDate start, QDate end, QWidget *parent = nullptr);

    // The first day the quick range "All" starts with (it ends today); the
    // owner knows it from its data. "All" is offered only once it is set.
    void setEarliestDate(QDate first);

signals:
    void signal_update_dateTime(QList<QDate> &range);
    void signal_cancel();

private slots:
    void slot_left_date_edit_changed(QDate date);
    void slot_right_date_edit_changed(QDate date);
    void slot_left_clicked(QDate date);
    void slot_right_clicked(QDate date);
    void slot_click_ok();
    void slot_click_cancel();
    void slot_date_changed(QDate start, QDate end);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // What the form designer would generate: the two layouts and the title.
    struct Form
    {
        QVBoxLayout *verticalLayout_4 = nullptr;
        QVBoxLayout *mainVerticalLayout = nullptr;
        void setupUi(QWidget *widget);
    };

    bool rangeIsValid() const;
    void showStoredRange();
    void dropEdits();
    void applyRange(QDate start, QDate end);
    QPushButton *newQuickRangeButton(const QString &name, const QString &text, int days);

    QDate m_startDate; // as edited
    QDate m_endDate;
    QDate m_activeStart; // as last handed out or set by the owner
    QDate m_activeEnd;
    QDate m_earliestDate;
    Form m_ui;
    QCalendarWidget *m_leftCalendar = nullptr;
    QCalendarWidget *m_rightCalendar = nullptr;
    QDateEdit *m_leftDateEdit = nullptr;
    QDateEdit *m_rightDateEdit = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_confirmButton = nullptr;
    QPushButton *m_allButton = nullptr;
};

#endif
