#include "report/alluserstatisticsdata.h"

#include "report/userstatisticswidget.h"

AllUserStatisticsData::AllUserStatisticsData(SharedHitStats stats, QWidget *parent)
    : AllHitStatisticsWindow(
        tr("All user statistics"), std::move(stats), &UserStatisticsWidget::userRowTexts, parent)
{
}
