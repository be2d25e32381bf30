#ifndef REPORT_ALLHITSTATISTICSWINDOW_H
#define REPORT_ALLHITSTATISTICSWINDOW_H

#include "report/allstatisticswindow.h"
#include "report/hitstatlist.h"

// "See all" window of a per-key ranking: every key in the order of the map
// (by key text, not by count).
class AllHitStatisticsWindow : public AllStatisticsWindow
{
    Q_OBJECT
public:
    HitStatModel *model() const { return m_model; }
    HitStatListView *list() const { return m_list; }

protected:
    AllHitStatisticsWindow(
        const QString &title, SharedHitStats stats, HitStatModel::TextsOf texts, QWidget *parent);

private:
    HitStatModel *m_model = nullptr;
    HitStatListView *m_list = nullptr;
};

#endif
