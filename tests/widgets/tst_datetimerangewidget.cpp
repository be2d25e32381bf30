#include "widgets/datetimerangewidget.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

namespace {

const QDate MAR_1(2024, 3, 1), MAR_5(2024, 3, 5), MAR_9(2024, 3, 9);
using Ranges = QList<QList<QDate>>;

// The picker as its owners use it, with what it hands out recorded.
struct Picker
{
    DateTimeRangeWidget widget;
    Ranges emitted;
    QCalendarWidget *left = widget.findChild<QCalendarWidget *>("leftCalendar");
    QCalendarWidget *right = widget.findChild<QCalendarWidget *>("rightCalendar");
    QDateEdit *leftEdit = widget.findChild<QDateEdit *>("leftDateEdit");
    QDateEdit *rightEdit = widget.findChild<QDateEdit *>("rightDateEdit");
    QPushButton *confirm = widget.findChild<QPushButton *>("confirmButton");
    QPushButton *cancel = widget.findChild<QPushButton *>("cancelButton");

    Picker(QDate start, QDate end)
        : widget(start, end)
    {
        QObject::connect(&widget, &DateTimeRangeWidget::signal_update_dateTime,
            [this](QList<QDate> &range) { emitted.append(range); });
        widget.show();
    }
    bool shows(QDate start, QDate end) const
    {
        return left->selectedDate() == start && leftEdit->date() == start && right->selectedDate() == end
            && rightEdit->date() == end;
    }
};

// Presses the button of the message box that the next event-loop turn finds open, after noting its text.
void acceptNextBox(QString *seen)
{
    QTimer::singleShot(0, [seen]() {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || box->buttons().isEmpty())
            return;
        *seen = box->text() + "|" + box->buttons().value(0)->text();
        box->buttons().value(0)->click();
    });
}

} // namespace

class TestDateTimeRangeWidget : public QObject
{
    Q_OBJECT

private slots:
    void windowAndConfirm()
    {
        Picker p(MAR_5, MAR_5);
        QCOMPARE(p.widget.objectName(), QString("DateTimeRangeWidget"));
        QCOMPARE(p.widget.size(), QSize(800, 400));
        QCOMPARE(p.cancel->text() + "|" + p.confirm->text(), QString("Cancel|Confirm"));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(
            p.widget.pos(), screen.topLeft() + QPoint(screen.width() / 2 - 400, screen.height() / 2 - 200));
        QVERIFY(p.shows(MAR_5, MAR_5));
        p.confirm->click();
        QCOMPARE(p.emitted, (Ranges { { MAR_5, MAR_5 } }));
        QVERIFY(p.widget.isHidden());

        // Calendar and edit follow each other; closing only hides.
        p.widget.show();
        emit p.left->clicked(MAR_1);
        p.rightEdit->setDate(MAR_9);
        p.confirm->click();
        p.widget.show();
        QVERIFY(p.shows(MAR_1, MAR_9));
        QCOMPARE(p.emitted.last(), (QList<QDate> { MAR_1, MAR_9 }));
    }

    void invertedRangeOnConfirmWarnsAndStaysOpen()
    {
        Picker p(MAR_1, MAR_5);
        p.leftEdit->setDate(MAR_9);
        QString seen;
        acceptNextBox(&seen);
        p.confirm->click();
        QCOMPARE(seen, QString("The screening start time cannot be later than the end time|Confirm"));
        QVERIFY(p.emitted.isEmpty() && p.widget.isVisible() && p.shows(MAR_9, MAR_5));
    }

    void cancelAndEscapeDropTheEdits()
    {
        Picker p(MAR_1, MAR_9);
        emit p.left->clicked(MAR_5);
        p.cancel->click();
        p.rightEdit->setDate(MAR_5); // while hidden: as if left from an earlier showing
        p.widget.show();
        QVERIFY(p.shows(MAR_1, MAR_9)); // the range in use, not the edits
        p.rightEdit->setDate(QDate(2024, 2, 1)); // inverted
        QTest::keyClick(&p.widget, Qt::Key_Escape);
        QVERIFY(p.emitted.isEmpty() && p.widget.isHidden());
        p.widget.show();
        emit p.right->clicked(MAR_5);
        p.confirm->click();
        QCOMPARE(p.emitted, (Ranges { { MAR_1, MAR_5 } }));
    }

    void quickRanges()
    {
        const QDate today = QDate::currentDate();
        Picker p(MAR_1, MAR_9);
        QPushButton *all = p.widget.findChild<QPushButton *>("allButton");
        QVERIFY(all->isHidden()); // nothing to start "All" with yet
        const QList<QPair<QString, QDate>> quickRanges = { { "todayButton", today },
            { "last7DaysButton", today.addDays(-6) }, { "last30DaysButton", today.addDays(-29) } };
        for (const auto &quick : quickRanges) {
            p.widget.show();
            p.widget.findChild<QPushButton *>(quick.first)->click();
            QCOMPARE(p.emitted.takeLast(), (QList<QDate> { quick.second, today }));
            QVERIFY(p.widget.isHidden());
        }
        p.widget.show();
        QVERIFY(p.shows(today.addDays(-29), today));

        p.widget.setEarliestDate(MAR_5);
        QVERIFY(all->isVisible());
        all->click();
        QCOMPARE(p.emitted.takeLast(), (QList<QDate> { MAR_5, today }));
        p.widget.setEarliestDate(today.addDays(3)); // alerts stamped in the future
        all->click();
        QCOMPARE(p.emitted.takeLast(), (QList<QDate> { today, today }));
    }

    void rangeSetFromOutside()
    {
        Picker p(MAR_1, MAR_5);
        QMetaObject::invokeMethod(&p.widget, "slot_date_changed", Q_ARG(QDate, MAR_5), Q_ARG(QDate, MAR_9));
        QVERIFY(p.shows(MAR_5, MAR_9));
        p.left->setSelectedDate(MAR_1); // drifted without a click
        for (QDate start : { MAR_9, QDate() }) { // inverted or invalid: ignored
            QMetaObject::invokeMethod(
                &p.widget, "slot_date_changed", Q_ARG(QDate, start), Q_ARG(QDate, MAR_1));
            QVERIFY(p.shows(MAR_5, MAR_9));
        }
        p.confirm->click();
        QCOMPARE(p.emitted, (Ranges { { MAR_5, MAR_9 } }));
    }
};

QTEST_MAIN(TestDateTimeRangeWidget)
#include "tst_datetimerangewidget.moc"
