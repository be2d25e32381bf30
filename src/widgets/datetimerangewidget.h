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
// The range is handed out as two dates, start first, never inverted. Closing
// only hides the window; the owner keeps it and its range between showings.
class DateTimeRangeWidget : public QWidget
{
    Q_OBJECT

public:
    DateTimeRangeWidget(QDate start, QDate end, QWidget *parent = nullptr);

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

    QDate m_startDate;
    QDate m_endDate;
    Form m_ui;
    QCalendarWidget *m_leftCalendar = nullptr;
    QCalendarWidget *m_rightCalendar = nullptr;
    QDateEdit *m_leftDateEdit = nullptr;
    QDateEdit *m_rightDateEdit = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_confirmButton = nullptr;
};

#endif
