#include "logpage/notifylogmainpage.h"

#include "logpage/notify_log_frame.h"
#include "logpage/workerthread.h"
#include "translation/translation.h"
#include "widgets/busyindicator.h"
#include "widgets/datetimerangewidget.h"
#include "widgets/emptywidget.h"
#include "widgets/roundedpanel.h"

#include <QCoreApplication>
#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpacerItem>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

std::unique_ptr<Translation> &translationInstance()
{
    static std::unique_ptr<Translation> instance;
    return instance;
}

const char *const RELOAD_STYLE
    = "QPushButton:!checked {background-color:#3790FA;border-radius: 4px;color: white;}"
      "QPushButton:hover {background-color: #2E86E5;border-radius: 4px;}"
      "QPushButton:pressed {background-color:#1E6EB8;border-radius: 4px;color: white;}";

} // namespace

const Translation *notifyLogMainPage::sharedTranslation()
{
    return translationInstance().get();
}

notifyLogMainPage::notifyLogMainPage(QWidget *parent)
    : QWidget(parent)
{
    buildForm();
    if (!translationInstance())
        translationInstance()
            = std::make_unique<Translation>(QLocale::system().name().toUtf8().toStdString());
    notifyLogData::registerMetaType();

    // The window is up before the daemon has answered: the list area turns
    // until the first load arrives.
    m_content = newContent();
    m_contentLayout->addStretch();
    m_contentLayout->addWidget(new BusyIndicator(32, m_content), 0, Qt::AlignHCenter);
    m_contentLayout->addStretch();

    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setWidget(m_content);
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    connect(m_scrollArea->verticalScrollBar(), &QScrollBar::valueChanged, this,
        &notifyLogMainPage::slot_scroll_trigger);
    m_verticalLayout->addWidget(m_scrollArea);

    buildBottomBar();
    m_rangeLabelsFromLoad = true;
    reloadRange("init", "init");
}

notifyLogMainPage::~notifyLogMainPage()
{
    delete m_worker;
    // A top-level window of its own, so no parent takes it along.
    delete m_picker;
}

void notifyLogMainPage::buildForm()
{
    setObjectName("notifyLogMainPage");
    resize(856, 400);
    setWindowTitle("Form");
    auto *verticalLayout_2 = new QVBoxLayout(this);
    verticalLayout_2->setObjectName("verticalLayout_2");
    verticalLayout_2->setSpacing(0);
    verticalLayout_2->setContentsMargins(0, 0, 0, 0);
    m_verticalLayout = new QVBoxLayout();
    m_verticalLayout->setObjectName("verticalLayout");
    m_verticalLayout->setSpacing(0);
    verticalLayout_2->addLayout(m_verticalLayout);
}

QString notifyLogMainPage::countText() const
{
    if (m_loading)
        return tr("Loading alarm logs...");
    return QString("%1 %2 %3").arg(tr("A total of")).arg(m_alertCount).arg(tr("alarm logs"));
}

QString notifyLogMainPage::dayText(const QDate &day) const
{
    return day.toString("yyyy 年 MM 月 dd 日");
}

void notifyLogMainPage::buildBottomBar()
{
    QWidget *dateBox = new QWidget(this);
    dateBox->setObjectName("dateBox");
    QPalette boxPalette = dateBox->palette();
    boxPalette.setColor(QPalette::Window, QColor("#F5F5F5"));
    dateBox->setPalette(boxPalette);
    dateBox->setAutoFillBackground(true);
    auto *dateLayout = new QHBoxLayout(dateBox);

    QPushButton *calendarButton = new QPushButton(dateBox);
    calendarButton->setObjectName("calendarButton");
    calendarButton->setFixedSize(24, 22);
    calendarButton->setIcon(QIcon(":/Resource/Icon/setting/calendar.png"));
    calendarButton->setStyleSheet("QPushButton { background: transparent; border: none; }");

    m_countLabel = new QLabel(countText(), this);
    m_countLabel->setObjectName("countLabel");
    m_startLabel = new QLabel(dayText(m_startDate), dateBox);
    m_startLabel->setObjectName("startLabel");
    m_endLabel = new QLabel(tr("So far"), dateBox);
    m_endLabel->setObjectName("endLabel");

    dateLayout->addWidget(calendarButton);
    dateLayout->addSpacing(10);
    dateLayout->addWidget(m_startLabel);
    dateLayout->addWidget(new QLabel("  —  ", dateBox));
    dateLayout->addWidget(m_endLabel);

    m_picker = new DateTimeRangeWidget(m_startDate, QDate::currentDate(), nullptr);
    m_picker->setWindowModality(Qt::ApplicationModal);
    connect(m_picker, &DateTimeRangeWidget::signal_update_dateTime, this,
        &notifyLogMainPage::slot_update_dateTime);

    QPushButton *reloadButton = new QPushButton(tr("Reload"), this);
    reloadButton->setObjectName("reloadButton");
    reloadButton->setFixedSize(96, 36);
    reloadButton->setStyleSheet(RELOAD_STYLE);

    m_busy = new BusyIndicator(16, this);
    m_busy->setObjectName("busyIndicator");
    m_busy->hide();

    auto *row = new QHBoxLayout();
    row->addSpacing(6);
    row->addWidget(m_busy);
    row->addSpacing(6);
    row->addWidget(m_countLabel);
    row->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    row->addWidget(dateBox);
    row->addSpacing(24);
    row->addWidget(reloadButton);
    row->addSpacing(16);

    connect(reloadButton, &QPushButton::clicked, this, &notifyLogMainPage::slot_do_reload);
    connect(calendarButton, &QPushButton::clicked, this, &notifyLogMainPage::slot_open_calendar);

    m_verticalLayout->addSpacing(20);
    m_verticalLayout->addLayout(row);
}

QWidget *notifyLogMainPage::newContent()
{
    auto *content = new QWidget();
    content->setObjectName("notifyLogContent");
    QPalette palette = content->palette();
    palette.setColor(QPalette::Window, Qt::white);
    content->setPalette(palette);
    content->setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    m_contentLayout = new QVBoxLayout(content);
    m_contentLayout->setContentsMargins(0, 0, 0, 0);
    return content;
}

// Builds the list of the loaded snapshot's alerts from start to end.
void notifyLogMainPage::loadEntries(const QString &start, const QString &end)
{
    m_content = newContent();
    m_range = alertsInRange(*m_alerts, start.toStdString(), end.toStdString());
    m_alertCount = int(m_range.size());

    if (start == "init") {
        m_startDate = m_range.empty()
            ? QDate::currentDate()
            : QLocale("en_US")
                  .toDateTime(QString::fromStdString(m_range.back().date), "yyyy MMM d H:mm:ss")
                  .date();
    }

    m_worker = new WorkerThread(this);
    // Entries are delivered to the content widget of this load: whatever an
    // earlier worker still had queued dies with the content it was meant for.
    connect(m_worker, &WorkerThread::signal_new_frame, m_content,
        [this](notifyLogData data) { slot_add_new_frame(data); });
    connect(
        this, &notifyLogMainPage::signal_load_more_widget, m_worker, &WorkerThread::slot_load_more_widget);
    m_worker->setAlerts(m_alerts, m_range);

    if (m_alertCount == 0) {
        m_contentLayout->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding));
        m_contentLayout->addWidget(new EmptyWidget(tr("There are no alarm logs"), 256, 256, m_content));
    }
    m_contentLayout->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding));
}

// Asks the store for a fresh snapshot to show from start to end; the list on
// screen stays until it arrives.
void notifyLogMainPage::reloadRange(const QString &start, const QString &end)
{
    m_loadStart = start;
    m_loadEnd = end;
    setLoading(true);
    AlertStore::instance()->requestFresh(
        this, [this](const AlertList &alerts, int result) { applyLoad(alerts, result); });
}

void notifyLogMainPage::applyLoad(const AlertList &alerts, int result)
{
    if (result != 0)
        qDebug() << "get alert total error!";
    m_alerts = alerts;
    delete m_worker;
    m_worker = nullptr;
    delete m_content;
    m_content = nullptr;
    loadEntries(m_loadStart, m_loadEnd);
    m_scrollArea->setWidget(m_content);
    setLoading(false);
    if (std::exchange(m_rangeLabelsFromLoad, false)) {
        m_startLabel->setText(dayText(m_startDate));
        m_endLabel->setText(tr("So far"));
    }
    if (m_highlightText)
        highlightPending();
}

void notifyLogMainPage::setLoading(bool loading)
{
    m_loading = loading;
    m_busy->setVisible(loading);
    updateCountLabel();
}

void notifyLogMainPage::slot_do_reload()
{
    m_rangeLabelsFromLoad = true;
    reloadRange("init", "init");
}

void notifyLogMainPage::updateCountLabel()
{
    if (m_countLabel)
        m_countLabel->setText(countText());
}

void notifyLogMainPage::slot_open_calendar()
{
    m_picker->show();
}

void notifyLogMainPage::slot_update_dateTime(QList<QDate> &days)
{
    if (days.size() == 2 && days[0].isValid() && days[1].isValid()) {
        m_startDate = days[0];
        m_endDate = days[1];
    } else {
        qDebug() << "no update date";
    }
    const QDate today = QDate::currentDate();
    m_endLabel->setText(m_endDate == today ? tr("So far") : dayText(m_endDate));
    m_startLabel->setText(m_startDate == today ? tr("So far") : dayText(m_startDate));
    m_rangeLabelsFromLoad = false; // the picked range is what the labels show
    reloadRange(QString("%1 %2").arg(m_startDate.toString("yyyy-MM-dd"), "00:00:00"),
        QString("%1 %2").arg(m_endDate.toString("yyyy-MM-dd"), "23:59:60"));
}

void notifyLogMainPage::slot_add_new_frame(notifyLogData data)
{
    auto *entry = new notify_log_frame(data, this);
    m_contentLayout->addWidget(entry);
}

void notifyLogMainPage::slot_scroll_trigger(int)
{
    emit signal_load_more_widget(m_alertCount);
}

void notifyLogMainPage::slot_highlight_loginfo(QString text)
{
    qDebug() << "get mainpage msg is: " << text;
    // The whole list is loaded again; the highlight waits for it. Of two
    // hand-overs during one load, the later one is highlighted.
    m_highlightText = text;
    reloadRange("init", "init");
}

void notifyLogMainPage::highlightPending()
{
    const std::string id = m_highlightText->toStdString();
    m_highlightText.reset();
    auto found = std::find_if(
        m_range.begin(), m_range.end(), [&id](const loginfo &alert) { return alert.alertId == id; });
    if (found == m_range.end()) {
        qDebug() << "The string was not found in the vector.";
        return;
    }
    const int index = int(found - m_range.begin()) + 1;
    qDebug() << "The string is at index: " << index;
    if (index > WorkerThread::FIRST_ENTRIES)
        return;

    const QList<notify_log_frame *> entries
        = m_content->findChildren<notify_log_frame *>(QString(), Qt::FindDirectChildrenOnly);
    if (index > entries.size())
        return;
    notify_log_frame *entry = entries.at(index - 1);
    entry->setHighLight();

    // Place the entry in view once the layouts have given it its position and
    // the scroll bars their range.
    m_contentLayout->activate();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QScrollBar *vertical = m_scrollArea->verticalScrollBar();
    QScrollBar *horizontal = m_scrollArea->horizontalScrollBar();
    vertical->setValue(
        qBound(vertical->minimum(), entry->y() - m_scrollArea->height() / 2 + 160, vertical->maximum()));
    horizontal->setValue(
        qBound(horizontal->minimum(), entry->x() - m_scrollArea->width() / 2, horizontal->maximum()));
    emit signal_highlight();
}

void notifyLogMainPage::paintEvent(QPaintEvent *)
{
    paintRoundedPanel(this, Qt::white, Qt::white);
}
