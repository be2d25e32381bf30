#ifndef REPORT_ALLUSERSTATISTICSDATA_H
#define REPORT_ALLUSERSTATISTICSDATA_H

#include "report/allhitstatisticswindow.h"

// "All user statistics": every attacked user name with its count and latest time.
class AllUserStatisticsData : public AllHitStatisticsWindow
{
    Q_OBJECT
public:
    AllUserStatisticsData(SharedHitStats stats, QWidget *parent);
};

#endif
