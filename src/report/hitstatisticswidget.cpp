#include "report/hitstatisticswidget.h"

#include "report/allhitstatisticswindow.h"
#include "widgets/emptywidget.h"

HitStatisticsWidget::HitStatisticsWidget(
    const QString &title, const QString &seeAllName, AlertField field, QWidget *parent)
    : RankingCard(title, seeAllName, parent)
    , m_field(field)
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
    list->setAccessibleName(accessibleName());
    connect(list, &HitStatListView::keyChosen, this,
        [this](const QString &key) { emit drillDown(m_field, key); });
    setRows(list);
}

void HitStatisticsWidget::slot_clicked()
{
    if (!m_window) {
        m_window = createWindow();
        // The alerts are shown in the main window, which this one would cover.
        connect(m_window->list(), &HitStatListView::keyChosen, this, [this](const QString &key) {
            m_window->close();
            emit drillDown(m_field, key);
        });
    }
    m_window->show();
    m_window->raise();
}

AllHitStatisticsWindow *HitStatisticsWidget::allWindow() const
{
    return m_window;
}
