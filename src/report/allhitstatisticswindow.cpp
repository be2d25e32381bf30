#include "report/allhitstatisticswindow.h"

#include <QVBoxLayout>

AllHitStatisticsWindow::AllHitStatisticsWindow(
    const QString &title, SharedHitStats stats, HitStatModel::TextsOf texts, QWidget *parent)
    : AllStatisticsWindow(title, QSize(400, 500), LeftOfCentre, parent)
{
    std::vector<const HitEntry *> rows;
    rows.reserve(stats->size());
    for (const HitEntry &entry : *stats)
        rows.push_back(&entry);
    // One painted row per key: tens of thousands of sources open at once.
    m_model = new HitStatModel(std::move(stats), std::move(rows), std::move(texts), nullptr);
    m_list = new HitStatListView(m_model, this);
    m_list->setAccessibleName(title);
    bodyLayout()->addWidget(m_list);
}
