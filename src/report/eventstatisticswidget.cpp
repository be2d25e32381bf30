#include "report/eventstatisticswidget.h"

#include "report/alleventstatisticswidget.h"
#include "report/eventtableview.h"
#include "reportdata/alertfields.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

EventStatisticsWidget::EventStatisticsWidget(
    SharedReportData data, std::shared_ptr<const Translation> translation, QWidget *parent)
    : RankingCard(tr("Statistics of event"), tr("See all event statistics"), parent)
    , m_translation(std::move(translation))
{
    setMinimumSize(856, 200);
    setData(std::move(data));
}

void EventStatisticsWidget::setData(SharedReportData data)
{
    if (!data || data->range.alerts.empty())
        return;
    m_data = std::move(data);
    buildRows();
    if (m_window)
        m_window->updateAlerts(m_data->range);
}

void EventStatisticsWidget::buildRows()
{
    const std::vector<ReportData::EventCount> &entries = m_data->topEvents;
    auto *rows = new QWidget(this);
    rows->setObjectName("eventRows");
    auto *layout = new QVBoxLayout(rows);
    for (size_t i = 0; i < entries.size(); ++i) {
        auto *row = new RankingRow(rows);
        const QString comment = QString::fromStdString(*entries[i].first);
        connect(row, &RankingRow::chosen, this,
            [this, comment] { emit drillDown(AlertField::RuleDescription, comment); });
        auto *rowLayout = new QHBoxLayout(row);
        rowLayout->setContentsMargins(0, 0, 0, 0);
        auto *title = new QLabel(row);
        title->setObjectName("eventTitleLabel");
        title->setTextFormat(Qt::PlainText);
        title->setText(ruleTitleShown(*entries[i].first, m_translation.get()));
        title->setMinimumWidth(720);
        title->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        title->setWordWrap(true);
        auto *count
            = new QLabel(QString("%1 %2 %3").arg(tr("happen")).arg(entries[i].second).arg(tr("times")), row);
        count->setObjectName("eventCountLabel");
        count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        rowLayout->addWidget(title);
        rowLayout->addWidget(count);
        row->setAccessibleName(QString("%1, %2").arg(title->text(), count->text()));
        layout->addWidget(row);
    }
    setRows(rows);
}

void EventStatisticsWidget::slot_clicked()
{
    if (!m_window) {
        m_window = new allEventStatisticsWidget(m_data->range, m_translation, this);
        // The alerts are shown in the main window, which this one would cover.
        connect(m_window->tableView(), &EventTableView::alertChosen, this, [this](const QString &comment) {
            m_window->close();
            emit drillDown(AlertField::RuleDescription, comment);
        });
    }
    m_window->show();
    m_window->raise();
}

allEventStatisticsWidget *EventStatisticsWidget::allWindow() const
{
    return m_window;
}
