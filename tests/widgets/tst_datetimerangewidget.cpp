#include "widgets/datetimerangewidget.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QtTest>

namespace {

const QDate MAR_1(2024, 3, 1);
const QDate MAR_5(2024, 3, 5);
const QDate MAR_9(2024, 3, 9);

// The picker as its owners use it, with what it hands out recorded.
struct Picker
{
    DateTimeRangeWidget widget;
    QList<QList<QDate>> emitted;
    QCalendarWidget *left, *right;
    QDateEdit *leftEdit, *rightEdit;
    QPushButton *confirm, *cancel;

    Picker(QDate start, QDate end)
        : widget(start, end)
        , left(widget.findChild<QCalendarWidget *>("leftCalendar"))
        , right(widget.findChild<QCalendarWidget *>("rightCalendar"))
        , leftEdit(widget.findChild<QDateEdit *>("leftDateEdit"))
        , rightEdit(widget.findChild<QDateEdit *>("rightDateEdit"))
        , confirm(widget.findChild<QPushButton *>("confirmButton"))
        , cancel(widget.findChild<QPushButton *>("cancelButton"))
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

// Accepts the next modal message box and returns what it showed.
struct BoxWatcher
{
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    bool important = false, isDefault = false;
    QWidget *parent = nullptr;
    QString title = "unseen";

    void arm(int attempts = 200)
    {
        QTimer::singleShot(10, [this, attempts]() {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box) {
                if (attempts > 0)
                    arm(attempts - 1);
                return;
            }
            text = box->text();
            icon = box->icon();
            title = box->windowTitle();
            parent = box->parentWidget();
            for (QAbstractButton *button : box->buttons())
                buttons << button->text();
            important = box->buttons().value(0) && box->buttons().at(0)->property("isImportant").toBool();
            isDefault = box->defaultButton() == box->buttons().value(0);
            box->buttons().at(0)->click();
        });
    }
};

} // namespace

class TestDateTimeRangeWidget : public QObject
{
    Q_OBJECT

private slots:
    void buildsTheWindow()
    {
        Picker p(MAR_1, MAR_9);
        QCOMPARE(p.widget.objectName(), QString("DateTimeRangeWidget"));
        QCOMPARE(p.widget.size(), QSize(800, 400));
        QCOMPARE(p.widget.minimumSize(), QSize(680, 400));
        QCOMPARE(p.widget.windowTitle(), QString("Form"));
        QCOMPARE(p.widget.windowFlags() & (Qt::Window | Qt::FramelessWindowHint),
            Qt::Window | Qt::FramelessWindowHint);
        QVERIFY(!p.widget.isModal());
        QVERIFY(p.widget.findChild<QVBoxLayout *>("verticalLayout_4"));
        QVERIFY(p.widget.findChild<QVBoxLayout *>("mainVerticalLayout"));
        QVERIFY(p.shows(MAR_1, MAR_9));
        QCOMPARE(p.confirm->text(), QString("Confirm"));
        QCOMPARE(p.cancel->text(), QString("Cancel"));
        QVERIFY(p.confirm->property("isImportant").toBool());
        QVERIFY(p.left->geometry().right() < p.right->geometry().left());
        QVERIFY(p.leftEdit->geometry().bottom() < p.left->geometry().top());
        QVERIFY(p.cancel->geometry().right() < p.confirm->geometry().left());
        QVERIFY(p.left->geometry().bottom() < p.confirm->geometry().top());
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(p.widget.pos(), QPoint(screen.width() / 2 - 400, screen.height() / 2 - 200));
    }

    void equalDatesAreARange()
    {
        Picker p(MAR_5, MAR_5);
        QTest::ignoreMessage(QtDebugMsg, "date:  \"2024-03-05\" \"2024-03-05\"");
        p.confirm->click();
        QCOMPARE(p.emitted, (QList<QList<QDate>> { { MAR_5, MAR_5 } }));
        QVERIFY(p.widget.isHidden());
    }

    void calendarsAndEditsFollowEachOther()
    {
        Picker p(MAR_1, MAR_9);
        emit p.left->clicked(MAR_5);
        QCOMPARE(p.leftEdit->date(), MAR_5);
        p.rightEdit->setDate(MAR_5);
        QCOMPARE(p.right->selectedDate(), MAR_5);
        p.confirm->click();
        QCOMPARE(p.emitted, (QList<QList<QDate>> { { MAR_5, MAR_5 } }));

        // Closing only hides: the range is still there on the next showing.
        p.widget.show();
        QVERIFY(p.shows(MAR_5, MAR_5));
    }

    void invertedRangeOnConfirmWarnsAndStaysOpen()
    {
        Picker p(MAR_1, MAR_5);
        p.leftEdit->setDate(MAR_9);
        BoxWatcher box;
        box.arm();
        p.confirm->click();
        QCOMPARE(box.text, QString("The screening start time cannot be later than the end time"));
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.title, QString());
        QCOMPARE(box.buttons, QStringList { "Confirm" });
        QVERIFY(box.important && box.isDefault);
        QCOMPARE(box.parent, &p.widget);
        QVERIFY(p.emitted.isEmpty());
        QVERIFY(p.widget.isVisible());
        QVERIFY(p.shows(MAR_9, MAR_5));
    }

    void cancelHandsOnOnlyAValidRange()
    {
        Picker inverted(MAR_1, MAR_5);
        inverted.rightEdit->setDate(QDate(2024, 2, 1));
        QTest::ignoreMessage(QtDebugMsg, "date is wrong.");
        inverted.cancel->click();
        QVERIFY(inverted.emitted.isEmpty());
        QVERIFY(inverted.widget.isHidden());

        Picker changed(MAR_1, MAR_9);
        emit changed.left->clicked(MAR_5);
        changed.cancel->click();
        QCOMPARE(changed.emitted, (QList<QList<QDate>> { { MAR_5, MAR_9 } }));
        QVERIFY(changed.widget.isHidden());

        Picker escaped(MAR_1, MAR_9);
        QTest::keyClick(&escaped.widget, Qt::Key_Escape);
        QCOMPARE(escaped.emitted, (QList<QList<QDate>> { { MAR_1, MAR_9 } }));
        QVERIFY(escaped.widget.isHidden());
    }

    void rangeSetFromOutside()
    {
        Picker p(MAR_1, MAR_5);
        QVERIFY(QMetaObject::invokeMethod(
            &p.widget, "slot_date_changed", Q_ARG(QDate, MAR_5), Q_ARG(QDate, MAR_9)));
        QVERIFY(p.shows(MAR_5, MAR_9));

        p.left->setSelectedDate(MAR_1); // drifted without a click
        for (const auto &bad : { qMakePair(MAR_9, MAR_1), qMakePair(QDate(), MAR_9) }) {
            QTest::ignoreMessage(QtDebugMsg, "update dateime widget error");
            QMetaObject::invokeMethod(
                &p.widget, "slot_date_changed", Q_ARG(QDate, bad.first), Q_ARG(QDate, bad.second));
            QVERIFY(p.shows(MAR_5, MAR_9));
        }
        p.confirm->click();
        QCOMPARE(p.emitted, (QList<QList<QDate>> { { MAR_5, MAR_9 } }));
    }
};

QTEST_MAIN(TestDateTimeRangeWidget)
#include "tst_datetimerangewidget.moc"
