#include "report/eventstatisticswidget.h"

#include "alertengine/reportstats.h"
#include "report/alleventstatisticswidget.h"
#include "reportdata/alerttext.h"
#include "translation/translation.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace {

const size_t SHOWN_ROWS = 5;

} // namespace

EventStatisticsWidget::EventStatisticsWidget(
    const AlertRange &range, std::shared_ptr<const Translation> translation, QWidget *parent)
    : RankingCard(tr("Statistics of event"), parent)
    , m_translation(std::move(translation))
{
    setMinimumSize(856, 200);
    setAlerts(range);
}

void EventStatisticsWidget::setAlerts(const AlertRange &range)
{
    if (range.alerts.empty())
        return;
    m_range = range;
    m_counts.clear();
    countByComment(m_range.alerts, m_counts);
    buildRows();
    if (m_window)
        m_window->updateAlerts(m_range);
}

void EventStatisticsWidget::buildRows()
{
    using Entry = std::pair<const std::string *, int>;
    std::vector<Entry> entries;
    entries.reserve(m_counts.size());
    for (const auto &count : m_counts)
        entries.emplace_back(&count.first, count.second);
    // Largest counts first; equal counts by title, so the order does not depend on hashing.
    const size_t shown = std::min(SHOWN_ROWS, entries.size());
    std::partial_sort(
        entries.begin(), entries.begin() + long(shown), entries.end(), [](const Entry &a, const Entry &b) {
            return a.second > b.second || (a.second == b.second && *a.first < *b.first);
        });

    auto *rows = new QWidget(this);
    rows->setObjectName("eventRows");
    auto *layout = new QVBoxLayout(rows);
    for (size_t i = 0; i < shown; ++i) {
        const std::string translated = m_translation->translate(entries[i].first->c_str());
        auto *row = new QWidget(rows);
        auto *rowLayout = new QHBoxLayout(row);
        rowLayout->setContentsMargins(0, 0, 0, 0);
        auto *title = new QLabel(row);
        title->setObjectName("eventTitleLabel");
        title->setTextFormat(Qt::PlainText);
        title->setText(
            alertTextForDisplay(QString::fromStdString(translated.empty() ? *entries[i].first : translated)));
        title->setMinimumWidth(720);
        title->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        title->setWordWrap(true);
        auto *count
            = new QLabel(QString("%1 %2 %3").arg(tr("happen")).arg(entries[i].second).arg(tr("times")), row);
        count->setObjectName("eventCountLabel");
        count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        rowLayout->addWidget(title);
        rowLayout->addWidget(count);
        layout->addWidget(row);
    }
    setRows(rows);
}

void EventStatisticsWidget::slot_clicked()
{
    if (!m_window)
        m_window = new allEventStatisticsWidget(m_range, m_translation, this);
    m_window->show();
    m_window->raise();
}

allEventStatisticsWidget *EventStatisticsWidget::allWindow() const
{
    return m_window;
}
