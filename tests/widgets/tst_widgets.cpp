// The shared widgets, and the worker that runs a settings page's task off the GUI thread.
#include "reportdata/alerttext.h"
#include "widgets/custombutton.h"
#include "widgets/datetimerangewidget.h"
#include "widgets/emptywidget.h"
#include "widgets/kheaderview.h"
#include "widgets/kitemdelegate.h"
#include "widgets/ktableview.h"
#include "widgets/tarvixmessagedialog.h"
#include "widgets/threadworker.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStandardItemModel>
#include <QToolTip>
#include <QtTest>

// A settings page as far as the task protocol goes.
class Page : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;
    static inline int reports = 0, elapsed = -1;
    static inline QThread *reportThread = nullptr;
public slots:
    void onTaskFinished(int ms) { ++reports, elapsed = ms, reportThread = QThread::currentThread(); }
};

// A task that waits for the test's go; `freed` tells when the task and its worker are gone.
struct Task
{
    QSemaphore started, go;
    std::atomic<QThread *> thread { nullptr };
    std::atomic<bool> done { false };
    std::shared_ptr<int> token = std::make_shared<int>();
    std::weak_ptr<int> freed = token;

    QPointer<QThread> start(Page *page)
    {
        auto body = [this, t = std::move(token)]() {
            thread = QThread::currentThread();
            started.release();
            go.acquire();
            QThread::msleep(120);
            done = true;
        };
        QPointer<QThread> worker = ThreadWorker::start(page, body, &Page::onTaskFinished);
        return started.tryAcquire(1, 5000) ? worker : nullptr;
    }
};

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

} // namespace

class TestWidgets : public QObject
{
    Q_OBJECT

private slots:
    void bidiControlsBecomeVisibleMarks()
    {
        const std::pair<QString, QString> texts[]
            = { { "/var/log/auth.log", "/var/log/auth.log" }, { "evil\u202Egnp.exe", "evil<U+202E>gnp.exe" },
                  { "\u202A\u202B\u202C\u202D\u202E\u2066\u2067\u2068\u2069",
                      "<U+202A><U+202B><U+202C><U+202D><U+202E><U+2066><U+2067><U+2068><U+2069>" },
                  { "\u200E\u200F\u061C", "<U+200E><U+200F><U+061C>" }, // the invisible marks
                  { "a\u2029b\u206Ac\u200Dd\u061Be", "a\u2029b\u206Ac\u200Dd\u061Be" }, // neighbours kept
                  { "用户 مستخدم", "用户 مستخدم" } };
        for (const auto &[text, shown] : texts)
            QCOMPARE(alertTextForDisplay(text), shown);
    }

    // Plain text under the picture, which grows with the widget and keeps its proportions.
    void emptyState()
    {
        EmptyWidget widget("<b>No</b> logs", 128, 128);
        auto *text = widget.findChild<QLabel *>("textLabel");
        auto *picture = widget.findChild<QLabel *>("pictureLabel");
        QCOMPARE(text->textFormat(), Qt::PlainText);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QVERIFY(picture->geometry().bottom() < text->geometry().top());
    }

    // Each way out closes the box; only Confirm and Cancel answer.
    void questionBoxAnswers()
    {
        const std::pair<const char *, QStringList> ways[] = { { "confirm", { "close:1", "open:1" } },
            { "cancel", { "close:0", "open:0" } }, { "close_btn", {} } };
        for (const auto &[button, expected] : ways) {
            TarvixMessageDialog box("", QPixmap(), "Question?", "Why it matters", QPixmap(16, 16));
            QStringList answers; // in the order they were given
            connect(&box, &TarvixMessageDialog::signal_service_close,
                [&](bool yes) { answers << QString("close:%1").arg(yes); });
            connect(&box, &TarvixMessageDialog::signal_service_open,
                [&](bool yes) { answers << QString("open:%1").arg(yes); });
            box.show();
            QCOMPARE(box.windowModality(), Qt::ApplicationModal);
            (button == QString("confirm")         ? box.confirmButton()
                    : button == QString("cancel") ? box.cancelButton()
                                                  : box.findChild<QPushButton *>(button))
                ->click();
            QVERIFY(!box.isVisible());
            QCOMPARE(answers, expected);
        }
    }

    void loadingButton()
    {
        QIcon::setThemeSearchPaths({}); // the frames come with the program, not from a theme
        QIcon::setThemeName("missing");
        CustomButton button;
        QCOMPARE(button.text(), QString("Confirm"));
        for (int i = 0; i < 17; ++i) // eight frames, round and round
            button.updateLoadingImage();
        QVERIFY(button.frames().size() == 8 && button.frameIndex() == 1);
        button.resize(button.sizeHint());
        QVERIFY(button.fontMetrics().horizontalAdvance("Configuring...") + 30 < button.width());
        const int mid = button.height() / 2;
        const auto at = [&](int x) { return button.grab().toImage().pixelColor(x, mid); };
        QCOMPARE(at(4), QColor("#3790FA"));

        button.click();
        QVERIFY(button.isLoading() && button.isAnimating());
        const QRect frame((button.width() - 24) / 10, mid - 12, 24, 24);
        const QImage loading = button.grab().toImage().copy(frame);
        QSignalSpy finished(&button, &CustomButton::loadingAnimationFinished);
        button.stopTimer();
        QVERIFY(finished.count() == 1 && button.isLoading() && !button.isAnimating());
        QVERIFY2(button.grab().toImage().copy(frame) != loading, "the spinner is gone");
        QCOMPARE(at(4), QColor("#379FFC"));

        // A failed task hands the button back: idle face, and a click loads again.
        button.resetLoading();
        QVERIFY(!button.isLoading() && !button.isAnimating());
        QCOMPARE(at(4), QColor("#3790FA"));
        button.click();
        QVERIFY(button.isLoading() && button.isAnimating());

        // The spinner shows at least half a second, however quick the task.
        const std::tuple<int, int, int> tasks[] = { { 0, 495, 1500 }, { 499, 495, 1500 }, { 500, 45, 480 } };
        for (const auto &[task, atLeast, below] : tasks) {
            CustomButton button;
            QSignalSpy finished(&button, &CustomButton::loadingAnimationFinished);
            button.click();
            QElapsedTimer clock;
            clock.start();
            button.stopAfterTask(task);
            QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 2000);
            QVERIFY2(clock.elapsed() >= atLeast && clock.elapsed() < below,
                qPrintable(QString::number(clock.elapsed())));
            QTest::qWait(60);
            QCOMPARE(finished.count(), 1);
        }

        // Neither further clicks nor a later stop restart the timers.
        CustomButton repeated;
        QSignalSpy stopped(&repeated, &CustomButton::loadingAnimationFinished);
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 450) {
            repeated.click();
            QTest::qWait(40);
        }
        QVERIFY2(repeated.frameIndex() >= 2, "clicks restarted the frame timer");
        clock.restart();
        repeated.stopLater(400.9);
        QTest::qWait(200);
        repeated.stopLater(3000);
        QTRY_COMPARE_WITH_TIMEOUT(stopped.count(), 1, 2000);
        QVERIFY2(clock.elapsed() >= 395, qPrintable(QString::number(clock.elapsed())));
    }

    // A cut header title ends in an ellipsis and shows in full in its tool tip.
    void tableElisionTipsAndWidths()
    {
        const QString title = "A rather long title that cannot fit";
        QStandardItemModel model(2, 3);
        model.setHorizontalHeaderLabels({ title, "Short", "" });
        model.setItem(0, 0, new QStandardItem("<b>a long cell text from an alert that is cut off</b>"));
        model.setItem(1, 0, new QStandardItem("short"));
        KTableView view;
        view.setModel(&model);
        view.header()->setStretchLastSection(false);
        view.resize(400, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.header()->resizeSection(0, 80);
        view.header()->resizeSection(1, 200);
        auto *header = static_cast<KHeaderView *>(view.header());
        QCOMPARE(header->sizeHint().height(), 37);
        QTRY_VERIFY(model.headerData(0, Qt::Horizontal).toString().endsWith(QChar(0x2026)));
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QString("Short"));

        const auto tipAt = [&](int section) {
            QToolTip::hideText();
            if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
                return QString("still shown");
            const QPoint at(header->sectionViewportPosition(section) + 10, 10);
            QHelpEvent tip(QEvent::ToolTip, at, header->viewport()->mapToGlobal(at));
            QApplication::sendEvent(header->viewport(), &tip);
            QTest::qWait(20);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        QCOMPARE(tipAt(0), title);
        QCOMPARE(tipAt(1), QString());

        // Only a cut cell has a tip, and it shows markup as text.
        auto *delegate = qobject_cast<KItemDelegate *>(view.itemDelegate());
        QStyleOptionViewItem option;
        option.initFrom(&view);
        const auto ask = [&](int row) {
            const QModelIndex index = model.index(row, 0);
            const QPoint at = view.visualRect(index).center();
            QHelpEvent event(QEvent::ToolTip, at, view.viewport()->mapToGlobal(at));
            return delegate->helpEvent(&event, &view, option, index);
        };
        QVERIFY(ask(0));
        QTRY_COMPARE(
            QToolTip::text(), QString("&lt;b&gt;a long cell text from an alert that is cut off&lt;/b&gt;"));
        QVERIFY(!ask(1));
        QVERIFY(!delegate->createEditor(&view, option, model.index(0, 0))); // alert cells are read-only

        // Wide enough again: the full title comes back.
        view.resize(800, 300);
        header->resizeSection(0, 390);
        QTRY_COMPARE(model.headerData(0, Qt::Horizontal).toString(), title);

        // The first column takes what the others leave, but at least 150 when the view is too narrow.
        view.adjustColumnsSize();
        QCOMPARE(header->sectionSize(0),
            view.viewport()->width() - header->sectionSize(1) - header->sectionSize(2));
        view.resize(200, 300);
        QTRY_COMPARE(header->sectionSize(0), 150);
        QCOMPARE(header->sectionSize(1), qMax(header->minimumSectionSize(), (200 - 150) / 2));
    }

    void datePicker()
    {
        Picker p(MAR_5, MAR_5);
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

        // A range set from outside; an inverted or invalid one is ignored.
        QMetaObject::invokeMethod(&p.widget, "slot_date_changed", Q_ARG(QDate, MAR_5), Q_ARG(QDate, MAR_9));
        QVERIFY(p.shows(MAR_5, MAR_9));
        p.left->setSelectedDate(MAR_1); // drifted without a click
        for (QDate start : { MAR_9, QDate() }) { // inverted or invalid: ignored
            QMetaObject::invokeMethod(
                &p.widget, "slot_date_changed", Q_ARG(QDate, start), Q_ARG(QDate, MAR_1));
            QVERIFY(p.shows(MAR_5, MAR_9));
        }
        p.confirm->click();
        QCOMPARE(p.emitted.last(), (QList<QDate> { MAR_5, MAR_9 }));

        Picker edited(MAR_1, MAR_5);
        edited.leftEdit->setDate(MAR_9);
        QString seen; // what the message box said, pressed when it opens
        QTimer::singleShot(0, [&seen] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                seen = box->text() + "|" + box->buttons().value(0)->text(), box->buttons().value(0)->click();
        });
        edited.confirm->click();
        QCOMPARE(seen, QString("The screening start time cannot be later than the end time|Confirm"));
        QVERIFY(edited.emitted.isEmpty() && edited.widget.isVisible() && edited.shows(MAR_9, MAR_5));

        // Cancel and Escape drop the edits and emit nothing: the picker reopens on the range in use.
        edited.cancel->click();
        edited.rightEdit->setDate(MAR_9); // while hidden: as if left from an earlier showing
        edited.widget.show();
        QVERIFY(edited.shows(MAR_1, MAR_5));
        edited.rightEdit->setDate(QDate(2024, 2, 1)); // inverted
        QTest::keyClick(&edited.widget, Qt::Key_Escape);
        QVERIFY(edited.emitted.isEmpty() && edited.widget.isHidden());
        edited.widget.show();
        emit edited.right->clicked(MAR_9);
        edited.confirm->click();
        QCOMPARE(edited.emitted, (Ranges { { MAR_1, MAR_9 } }));

        const QDate today = QDate::currentDate();
        Picker ranges(MAR_1, MAR_9);
        QPushButton *all = ranges.widget.findChild<QPushButton *>("allButton");
        QVERIFY(all->isHidden()); // nothing to start "All" with yet
        for (const auto &[button, back] : { std::pair("todayButton", 0), std::pair("last7DaysButton", 6),
                 std::pair("last30DaysButton", 29) }) {
            ranges.widget.show();
            ranges.widget.findChild<QPushButton *>(button)->click();
            QCOMPARE(ranges.emitted.takeLast(), (QList<QDate> { today.addDays(-back), today }));
            QVERIFY(ranges.widget.isHidden());
        }
        ranges.widget.show();
        QVERIFY(ranges.shows(today.addDays(-29), today));

        ranges.widget.setEarliestDate(MAR_5);
        QVERIFY(all->isVisible());
        all->click();
        QCOMPARE(ranges.emitted.takeLast(), (QList<QDate> { MAR_5, today }));
        ranges.widget.setEarliestDate(today.addDays(3)); // alerts stamped in the future
        all->click();
        QCOMPARE(ranges.emitted.takeLast(), (QList<QDate> { today, today }));
    }

    void threadWorker()
    {
        Page page;
        Task task;
        QPointer<QThread> thread = task.start(&page);
        QTest::qWait(30);
        QVERIFY2(thread && Page::reports == 0, "the pointer marks a running task");
        task.go.release();
        QTRY_VERIFY(thread.isNull());
        QCOMPARE(Page::reports, 1);
        QVERIFY(task.thread != QThread::currentThread());
        QCOMPARE(Page::reportThread, QThread::currentThread());
        QVERIFY2(Page::elapsed >= 110 && Page::elapsed < 5000, qPrintable(QString::number(Page::elapsed)));
        QVERIFY(task.freed.expired());

        // The settings window closes mid-task: the task runs to its end and reports nowhere.
        auto *window = new QWidget;
        Task orphaned;
        QPointer<QThread> running = orphaned.start(new Page(window));
        QVERIFY(running);
        delete window;
        orphaned.go.release();
        QTRY_VERIFY(running.isNull());
        QVERIFY(orphaned.done && orphaned.freed.expired());
        QCOMPARE(Page::reports, 1);

        // An empty task, reported to a functor.
        bool reported = false;
        QObject other;
        QPointer<QThread> functor = ThreadWorker::start(&other, {}, [&](int) { reported = true; });
        QTRY_VERIFY(reported && functor.isNull());
    }
};

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
