#ifndef REPORT_ALLATTACKSTATISTICSDATA_H
#define REPORT_ALLATTACKSTATISTICSDATA_H

#include "report/allhitstatisticswindow.h"

// "All sources of attack": every source address with its count and latest time.
class AllAttackStatisticsData : public AllHitStatisticsWindow
{
    Q_OBJECT
public:
    AllAttackStatisticsData(SharedHitStats stats, QWidget *parent);

    static HitRowTexts rowTexts(const HitEntry &entry);
};

#endif
