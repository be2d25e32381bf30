#include "report/userstatisticswidget.h"

#include "alertengine/reportstats.h"
#include "report/alluserstatisticsdata.h"
#include "reportdata/alerttext.h"

UserStatisticsWidget::UserStatisticsWidget(const AlertRange &range, QWidget *parent)
    : HitStatisticsWidget(tr("User statistics"), parent)
{
    setAlerts(range);
}

HitRowTexts UserStatisticsWidget::userRowTexts(const HitEntry &entry)
{
    return { QString("%1: %2").arg(tr("user name"), alertTextForDisplay(QString::fromStdString(entry.first))),
        QString("%1 %2 %3").arg(tr("Attack")).arg(entry.second.count).arg(tr("times")),
        QString("%1  %2").arg(tr("Latest attack time:"), hitLatestTime(entry.second)) };
}

void UserStatisticsWidget::count(AlertSpan alerts, HitStats &stats) const
{
    countByUser(alerts, stats);
}

QString UserStatisticsWidget::emptyText() const
{
    return tr("There are no user statistics");
}

HitRowTexts UserStatisticsWidget::rowTexts(const HitEntry &entry) const
{
    return userRowTexts(entry);
}

AllStatisticsWindow *UserStatisticsWidget::createWindow()
{
    return new AllUserStatisticsData(statistics(), this);
}
