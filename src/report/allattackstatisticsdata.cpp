#include "report/allattackstatisticsdata.h"

#include "report/attackstatisticswidget.h"
#include "reportdata/alerttext.h"

AllAttackStatisticsData::AllAttackStatisticsData(SharedHitStats stats, QWidget *parent)
    : AllHitStatisticsWindow(
        tr("All sources of attack"), std::move(stats), &AllAttackStatisticsData::rowTexts, parent)
{
}

HitRowTexts AllAttackStatisticsData::rowTexts(const HitEntry &entry)
{
    HitRowTexts texts = AttackStatisticsWidget::attackRowTexts(entry);
    texts.name
        = QString("%1%2").arg(tr("Attack IP: "), alertTextForDisplay(QString::fromStdString(entry.first)));
    return texts;
}
