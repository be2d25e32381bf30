#include "report/hitstatisticswidget.h"

#include "report/allstatisticswindow.h"
#include "widgets/emptywidget.h"

HitStatisticsWidget::HitStatisticsWidget(const QString &title, QWidget *parent)
    : RankingCard(title, parent)
    , m_stats(std::make_shared<const HitStats>())
{
    setMinimumSize(420, 278);
    setMaximumHeight(278);
}

void HitStatisticsWidget::setData(const SharedReportData &data)
{
    if (!data || data->range.alerts.empty())
        return;
    m_stats = ranking(*data);
    buildRows(top(*data));
}

void HitStatisticsWidget::buildRows(std::vector<const HitEntry *> entries)
{
    if (m_stats->empty()) {
        setRows(new EmptyWidget(emptyText(), 128, 128, this));
        return;
    }
    const size_t shown = entries.size();
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
