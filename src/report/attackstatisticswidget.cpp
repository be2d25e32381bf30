#include "report/attackstatisticswidget.h"

#include "report/allattackstatisticsdata.h"
#include "reportdata/alerttext.h"

AttackStatisticsWidget::AttackStatisticsWidget(const SharedReportData &data, QWidget *parent)
    : HitStatisticsWidget(tr("Statistics on attack sources"), tr("See all sources of attack"),
        AlertField::SourceAddress, parent)
{
    setData(data);
}

HitRowTexts AttackStatisticsWidget::attackRowTexts(const HitEntry &entry)
{
    return { QString("%1 %2").arg(tr("Attack IP:"), alertTextForDisplay(QString::fromStdString(entry.first))),
        QString("%1 %2 %3").arg(tr("Attack")).arg(entry.second.count).arg(tr("times")),
        QString("%1 %2").arg(tr("Latest attack time:"), hitLatestTime(entry.second)) };
}

SharedHitStats AttackStatisticsWidget::ranking(const ReportData &data) const
{
    return data.sources;
}

const std::vector<const HitEntry *> &AttackStatisticsWidget::top(const ReportData &data) const
{
    return data.topSources;
}

QString AttackStatisticsWidget::emptyText() const
{
    return tr("There are no source of attack");
}

HitRowTexts AttackStatisticsWidget::rowTexts(const HitEntry &entry) const
{
    return attackRowTexts(entry);
}

AllHitStatisticsWindow *AttackStatisticsWidget::createWindow()
{
    return new AllAttackStatisticsData(statistics(), this);
}
