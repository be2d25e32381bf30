#include "widgets/datetimerangewidget.h"
#include "logging/logcategories.h"

#include "kit/kitstyle.h"
#include "widgets/screenplacement.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QDebug>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char DATE_FORMAT[] = "yyyy-MM-dd";

QCalendarWidget *newCalendar(const QString &name, QWidget *parent)
{
    auto *calendar = new QCalendarWidget(parent);
    calendar->setObjectName(name);
    // Week numbers mean nothing when picking the days of a range.
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar->setGridVisible(false);
    return calendar;
}

QDateEdit *newDateEdit(const QString &name, QWidget *parent)
{
    auto *edit = new QDateEdit(parent);
    edit->setObjectName(name);
    edit->setDisplayFormat(QString::fromLatin1(DATE_FORMAT));
    edit->setMinimumHeight(32);
    return edit;
}

} // namespace

void DateTimeRangeWidget::Form::setupUi(QWidget *widget)
{
    if (widget->objectName().isEmpty())
        widget->setObjectName(QStringLiteral("DateTimeRangeWidget"));
    widget->resize(800, 400);
    widget->setMinimumSize(QSize(680, 400));
    verticalLayout_4 = new QVBoxLayout(widget);
    verticalLayout_4->setSpacing(0);
    verticalLayout_4->setObjectName(QStringLiteral("verticalLayout_4"));
    verticalLayout_4->setContentsMargins(0, 0, 0, 0);
    mainVerticalLayout = new QVBoxLayout();
    mainVerticalLayout->setSpacing(0);
    mainVerticalLayout->setObjectName(QStringLiteral("mainVerticalLayout"));
    verticalLayout_4->addLayout(mainVerticalLayout);
    widget->setWindowTitle(QCoreApplication::translate("DateTimeRangeWidget", "Form"));
    QMetaObject::connectSlotsByName(widget);
}

DateTimeRangeWidget::DateTimeRangeWidget(QDate start, QDate end, QWidget *parent)
    : QWidget(parent)
{
    m_ui.setupUi(this);
    // An owner without a range yet gets today rather than dates the edits cannot show.
    m_activeStart = m_startDate = start.isValid() ? start : QDate::currentDate();
    m_activeEnd = m_endDate = end.isValid() ? end : QDate::currentDate();
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);

    m_confirmButton = new QPushButton(tr("Confirm"), this);
    m_confirmButton->setObjectName(QStringLiteral("confirmButton"));
    m_confirmButton->setProperty("isImportant", true);
    m_cancelButton = new QPushButton(tr("Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    for (QPushButton *button : { m_confirmButton, m_cancelButton })
        button->setMinimumSize(96, 36);

    m_leftDateEdit = newDateEdit(QStringLiteral("leftDateEdit"), this);
    m_rightDateEdit = newDateEdit(QStringLiteral("rightDateEdit"), this);
    m_leftCalendar = newCalendar(QStringLiteral("leftCalendar"), this);
    m_rightCalendar = newCalendar(QStringLiteral("rightCalendar"), this);

    // The designer gave the rows no room to the window's edge.
    m_ui.mainVerticalLayout->setContentsMargins(16, 16, 16, 6);

    auto *editRow = new QHBoxLayout();
    editRow->addWidget(m_leftDateEdit);
    editRow->addSpacing(20);
    editRow->addWidget(m_rightDateEdit);
    m_ui.mainVerticalLayout->addLayout(editRow);
    m_ui.mainVerticalLayout->addSpacing(10);

    auto *calendarRow = new QHBoxLayout();
    calendarRow->addWidget(m_leftCalendar);
    calendarRow->addSpacing(20);
    calendarRow->addWidget(m_rightCalendar);
    m_ui.mainVerticalLayout->addLayout(calendarRow);
    m_ui.mainVerticalLayout->addSpacing(10);

    // One click each for the ranges people ask for most, between the two
    // buttons that end the editing.
    auto *buttonRow = new QHBoxLayout();
    buttonRow->addSpacing(10);
    buttonRow->addWidget(m_cancelButton, 0, Qt::AlignLeft);
    auto *quickRow = new QHBoxLayout();
    quickRow->setSpacing(8);
    quickRow->addWidget(newQuickRangeButton(QStringLiteral("todayButton"), tr("Today"), 1));
    quickRow->addWidget(newQuickRangeButton(QStringLiteral("last7DaysButton"), tr("Last 7 days"), 7));
    quickRow->addWidget(newQuickRangeButton(QStringLiteral("last30DaysButton"), tr("Last 30 days"), 30));
    m_allButton = newQuickRangeButton(QStringLiteral("allButton"), tr("All"), 0);
    m_allButton->hide();
    quickRow->addWidget(m_allButton);
    buttonRow->addStretch();
    buttonRow->addLayout(quickRow);
    buttonRow->addStretch();
    buttonRow->addWidget(m_confirmButton, 0, Qt::AlignRight);
    buttonRow->addSpacing(10);
    m_ui.mainVerticalLayout->addLayout(buttonRow);
    m_ui.mainVerticalLayout->addSpacing(10);

    connect(m_leftDateEdit, &QDateEdit::dateChanged, this, &DateTimeRangeWidget::slot_left_date_edit_changed);
    connect(
        m_rightDateEdit, &QDateEdit::dateChanged, this, &DateTimeRangeWidget::slot_right_date_edit_changed);
    connect(m_leftCalendar, &QCalendarWidget::clicked, this, &DateTimeRangeWidget::slot_left_clicked);
    connect(m_rightCalendar, &QCalendarWidget::clicked, this, &DateTimeRangeWidget::slot_right_clicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &DateTimeRangeWidget::slot_click_cancel);
    connect(m_confirmButton, &QPushButton::clicked, this, &DateTimeRangeWidget::slot_click_ok);

    showStoredRange();
    centreOnCursorScreen(this);
}

QPushButton *DateTimeRangeWidget::newQuickRangeButton(const QString &name, const QString &text, int days)
{
    auto *button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setMinimumSize(96, 36);
    connect(button, &QPushButton::clicked, this, [this, days] {
        const QDate today = QDate::currentDate();
        applyRange(days > 0 ? today.addDays(1 - days) : m_earliestDate, today);
    });
    return button;
}

void DateTimeRangeWidget::setEarliestDate(QDate first)
{
    // Alerts stamped in the future leave "All" at least today.
    m_earliestDate = first.isValid() ? qMin(first, QDate::currentDate()) : QDate();
    m_allButton->setVisible(m_earliestDate.isValid());
}

bool DateTimeRangeWidget::rangeIsValid() const
{
    return m_startDate <= m_endDate;
}

void DateTimeRangeWidget::showStoredRange()
{
    // Copies first: each setter feeds back into the stored range through the slots.
    const QDate start = m_startDate;
    const QDate end = m_endDate;
    m_leftCalendar->setSelectedDate(start);
    m_rightCalendar->setSelectedDate(end);
    m_leftDateEdit->setDate(start);
    m_rightDateEdit->setDate(end);
}

void DateTimeRangeWidget::slot_left_date_edit_changed(QDate date)
{
    m_leftCalendar->setSelectedDate(date);
    m_startDate = date;
}

void DateTimeRangeWidget::slot_right_date_edit_changed(QDate date)
{
    m_rightCalendar->setSelectedDate(date);
    m_endDate = date;
}

void DateTimeRangeWidget::slot_left_clicked(QDate date)
{
    qCDebug(lcWidgets) << "clickedSlot left";
    qCDebug(lcWidgets) << date;
    m_leftDateEdit->setDate(date);
    m_startDate = date;
}

void DateTimeRangeWidget::slot_right_clicked(QDate date)
{
    qCDebug(lcWidgets) << "clickedSlot right";
    qCDebug(lcWidgets) << date;
    m_rightDateEdit->setDate(date);
    m_endDate = date;
}

void DateTimeRangeWidget::slot_click_ok()
{
    qCDebug(lcWidgets) << "click ok";
    showStoredRange();
    if (rangeIsValid()) {
        qCDebug(lcWidgets) << "date: " << m_startDate.toString(QString::fromLatin1(DATE_FORMAT))
                           << m_endDate.toString(QString::fromLatin1(DATE_FORMAT));
        applyRange(m_startDate, m_endDate);
        return;
    }

    qCDebug(lcWidgets) << "date is wrong.";
    QMessageBox box(this);
    box.setWindowTitle(QString());
    box.setIcon(QMessageBox::Warning);
    box.setText(tr("The screening start time cannot be later than the end time"));
    QPushButton *confirm = box.addButton(tr("Confirm"), QMessageBox::AcceptRole);
    confirm->setProperty("isImportant", true);
    box.setDefaultButton(confirm);
    box.exec();
}

void DateTimeRangeWidget::applyRange(QDate start, QDate end)
{
    m_activeStart = m_startDate = start;
    m_activeEnd = m_endDate = end;
    showStoredRange();
    QList<QDate> range { start, end };
    emit signal_update_dateTime(range);
    close();
}

void DateTimeRangeWidget::dropEdits()
{
    m_startDate = m_activeStart;
    m_endDate = m_activeEnd;
    showStoredRange();
}

void DateTimeRangeWidget::slot_click_cancel()
{
    qCDebug(lcWidgets) << "click cancel";
    // Cancel keeps the range that is shown elsewhere: it never hands out an edit.
    dropEdits();
    close();
}

void DateTimeRangeWidget::slot_date_changed(QDate start, QDate end)
{
    qCDebug(lcWidgets) << "update datetime widget";
    // An invalid date would be handed on to the owners as a range they cannot filter by.
    if (start.isValid() && end.isValid() && start <= end) {
        m_activeStart = start;
        m_activeEnd = end;
    } else {
        qCDebug(lcWidgets) << "update dateime widget error";
    }
    dropEdits();
}

void DateTimeRangeWidget::keyPressEvent(QKeyEvent *event)
{
    // The window has no frame to close it by; Escape does what Cancel does.
    if (event->key() == Qt::Key_Escape) {
        slot_click_cancel();
        return;
    }
    QWidget::keyPressEvent(event);
}

void DateTimeRangeWidget::showEvent(QShowEvent *event)
{
    // Edits left behind when the window was last closed are not the range in use.
    dropEdits();
    QWidget::showEvent(event);
}

void DateTimeRangeWidget::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    // Without a frame the window would melt into whatever lies below it.
    QPainter painter(this);
    painter.setPen(lumo::style::separator());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
