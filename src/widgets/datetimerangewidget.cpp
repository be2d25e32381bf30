#include "widgets/datetimerangewidget.h"

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
    m_startDate = start.isValid() ? start : QDate::currentDate();
    m_endDate = end.isValid() ? end : QDate::currentDate();
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

    auto *buttonRow = new QHBoxLayout();
    buttonRow->addSpacing(10);
    buttonRow->addWidget(m_cancelButton, 0, Qt::AlignLeft);
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
    qDebug() << "clickedSlot left";
    qDebug() << date;
    m_leftDateEdit->setDate(date);
    m_startDate = date;
}

void DateTimeRangeWidget::slot_right_clicked(QDate date)
{
    qDebug() << "clickedSlot right";
    qDebug() << date;
    m_rightDateEdit->setDate(date);
    m_endDate = date;
}

void DateTimeRangeWidget::slot_click_ok()
{
    qDebug() << "click ok";
    showStoredRange();
    if (rangeIsValid()) {
        qDebug() << "date: " << m_startDate.toString(QString::fromLatin1(DATE_FORMAT))
                 << m_endDate.toString(QString::fromLatin1(DATE_FORMAT));
        QList<QDate> range { m_startDate, m_endDate };
        emit signal_update_dateTime(range);
        close();
        return;
    }

    qDebug() << "date is wrong.";
    QMessageBox box(this);
    box.setWindowTitle(QString());
    box.setIcon(QMessageBox::Warning);
    box.setText(tr("The screening start time cannot be later than the end time"));
    QPushButton *confirm = box.addButton(tr("Confirm"), QMessageBox::AcceptRole);
    confirm->setProperty("isImportant", true);
    box.setDefaultButton(confirm);
    box.exec();
}

void DateTimeRangeWidget::slot_click_cancel()
{
    qDebug() << "click cancel";
    if (rangeIsValid()) {
        QList<QDate> range { m_startDate, m_endDate };
        emit signal_update_dateTime(range);
    } else {
        qDebug() << "date is wrong.";
    }
    close();
}

void DateTimeRangeWidget::slot_date_changed(QDate start, QDate end)
{
    qDebug() << "update datetime widget";
    // An invalid date would be handed on to the owners as a range they cannot filter by.
    if (start.isValid() && end.isValid() && start <= end) {
        m_startDate = start;
        m_endDate = end;
    } else {
        qDebug() << "update dateime widget error";
    }
    showStoredRange();
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

void DateTimeRangeWidget::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    // Without a frame the window would melt into whatever lies below it.
    QPainter painter(this);
    painter.setPen(QColor("#D8D8D8"));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
