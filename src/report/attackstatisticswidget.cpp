#include "report/attackstatisticswidget.h"

#include "alertengine/reportstats.h"
#include "report/allattackstatisticsdata.h"
#include "reportdata/alerttext.h"

AttackStatisticsWidget::AttackStatisticsWidget(const AlertRange &range, QWidget *parent)
    : HitStatisticsWidget(tr("Statistics on attack sources"), parent)
{
    setAlerts(range);
}

HitRowTexts AttackStatisticsWidget::attackRowTexts(const HitEntry &entry)
{
    return { QString("%1 %2").arg(tr("Attack IP:"), alertTextForDisplay(QString::fromStdString(entry.first))),
        QString("%1 %2 %3").arg(tr("Attack")).arg(entry.second.count).arg(tr("times")),
        QString("%1 %2").arg(tr("Latest attack time:"), hitLatestTime(entry.second)) };
}

void AttackStatisticsWidget::count(AlertSpan alerts, HitStats &stats) const
{
    countBySourceIp(alerts, stats);
}

QString AttackStatisticsWidget::emptyText() const
{
    return tr("There are no source of attack");
}

HitRowTexts AttackStatisticsWidget::rowTexts(const HitEntry &entry) const
{
    return attackRowTexts(entry);
}

AllStatisticsWindow *AttackStatisticsWidget::createWindow()
{
    return new AllAttackStatisticsData(statistics(), this);
}
