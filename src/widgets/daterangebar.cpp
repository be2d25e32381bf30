#include "widgets/daterangebar.h"

#include "kit/kitstyle.h"
#include "widgets/datetimerangewidget.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

DateRangeBar::DateRangeBar(const Texts &texts, QWidget *parent)
    : QWidget(parent)
    , m_texts(texts)
{
    setObjectName("dateBox");
    lumo::style::followTheme(this, [this] {
        QPalette boxPalette = palette();
        boxPalette.setColor(QPalette::Window, lumo::style::card());
        setPalette(boxPalette);
    });
    setAutoFillBackground(true);
    auto *layout = new QHBoxLayout(this);

    m_calendar = new QPushButton(this);
    m_calendar->setObjectName("calendarButton");
    m_calendar->setFixedSize(24, 22);
    m_calendar->setIcon(QIcon(":/Resource/Icon/setting/calendar.png"));
    m_calendar->setStyleSheet("QPushButton { background: transparent; border: none; }");
    m_calendar->setAccessibleName(texts.calendarName);
    connect(m_calendar, &QPushButton::clicked, this, &DateRangeBar::openPicker);

    m_startLabel = new QLabel(this);
    m_startLabel->setObjectName("startLabel");
    m_startLabel->setAccessibleDescription(texts.startDescription);
    m_endLabel = new QLabel(texts.soFar, this);
    m_endLabel->setObjectName("endLabel");
    m_endLabel->setAccessibleDescription(texts.endDescription);

    layout->addWidget(m_calendar);
    layout->addSpacing(10);
    layout->addWidget(m_startLabel);
    layout->addWidget(new QLabel("  —  ", this));
    layout->addWidget(m_endLabel);
}

DateRangeBar::~DateRangeBar()
{
    // A top-level window of its own, so no parent takes it along.
    delete m_picker;
}

void DateRangeBar::showRange(const QDate &start, const QDate &end, bool todayAsSoFar)
{
    const QDate today = QDate::currentDate();
    const auto text
        = [&](const QDate &day) { return todayAsSoFar && day == today ? m_texts.soFar : dayText(day); };
    m_endLabel->setText(text(end));
    m_startLabel->setText(text(start));
}

void DateRangeBar::showSince(const QDate &start)
{
    m_startLabel->setText(dayText(start));
    m_endLabel->setText(m_texts.soFar);
}

QString DateRangeBar::dayText(const QDate &day)
{
    return day.toString("yyyy 年 MM 月 dd 日");
}

QPushButton *DateRangeBar::accentButton(const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setFixedSize(96, 36);
    lumo::style::followTheme(button, [button] { button->setStyleSheet(lumo::style::accentButtonStyle()); });
    return button;
}

void DateRangeBar::setPickerRange(QDate start, QDate end)
{
    if (m_picker) {
        // The picker's own slot is private to it, as for every owner.
        QMetaObject::invokeMethod(m_picker, "slot_date_changed", Q_ARG(QDate, start), Q_ARG(QDate, end));
        return;
    }
    m_picker = new DateTimeRangeWidget(start, end, nullptr);
    m_picker->setWindowModality(Qt::ApplicationModal);
    connect(m_picker, &DateTimeRangeWidget::signal_update_dateTime, this, &DateRangeBar::rangePicked);
}

void DateRangeBar::openPicker()
{
    if (m_picker)
        m_picker->show();
}
