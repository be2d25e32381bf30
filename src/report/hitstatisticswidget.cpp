#include "report/hitstatisticswidget.h"

#include "report/allstatisticswindow.h"
#include "widgets/emptywidget.h"

#include <algorithm>

namespace {

const size_t SHOWN_ROWS = 3;

} // namespace

HitStatisticsWidget::HitStatisticsWidget(const QString &title, QWidget *parent)
    : RankingCard(title, parent)
    , m_stats(std::make_shared<const HitStats>())
{
    setMinimumSize(420, 278);
    setMaximumHeight(278);
}

void HitStatisticsWidget::setAlerts(const AlertRange &range)
{
    if (range.alerts.empty())
        return;
    auto stats = std::make_shared<HitStats>();
    count(range.alerts, *stats);
    m_stats = std::move(stats);
    buildRows();
}

void HitStatisticsWidget::buildRows()
{
    if (m_stats->empty()) {
        setRows(new EmptyWidget(emptyText(), 128, 128, this));
        return;
    }
    std::vector<const HitEntry *> entries;
    entries.reserve(m_stats->size());
    for (const HitEntry &entry : *m_stats)
        entries.push_back(&entry);
    // Largest counts first; equal counts keep the order of their keys.
    const size_t shown = std::min(SHOWN_ROWS, entries.size());
    std::partial_sort(entries.begin(), entries.begin() + long(shown), entries.end(),
        [](const HitEntry *a, const HitEntry *b) {
            return a->second.count > b->second.count
                || (a->second.count == b->second.count && a->first < b->first);
        });
    entries.resize(shown);
    auto *model = new HitStatModel(
        m_stats, std::move(entries), [this](const HitEntry &entry) { return rowTexts(entry); }, nullptr);
    auto *list = new HitStatListView(model, this);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setFixedHeight(int(shown) * list->sizeHintForRow(0));
    setRows(list);
}

void HitStatisticsWidget::slot_clicked()
{
    if (!m_window)
        m_window = createWindow();
    m_window->show();
    m_window->raise();
}

AllStatisticsWindow *HitStatisticsWidget::allWindow() const
{
    return m_window;
}
