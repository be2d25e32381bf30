#include "report/userstatisticswidget.h"

#include "report/alluserstatisticsdata.h"
#include "reportdata/alerttext.h"

UserStatisticsWidget::UserStatisticsWidget(const SharedReportData &data, QWidget *parent)
    : HitStatisticsWidget(tr("User statistics"), tr("See all user statistics"), AlertField::User, parent)
{
    setData(data);
}

HitRowTexts UserStatisticsWidget::userRowTexts(const HitEntry &entry)
{
    return { QString("%1: %2").arg(tr("user name"), alertTextForDisplay(QString::fromStdString(entry.first))),
        QString("%1 %2 %3").arg(tr("Attack")).arg(entry.second.count).arg(tr("times")),
        QString("%1  %2").arg(tr("Latest attack time:"), hitLatestTime(entry.second)) };
}

SharedHitStats UserStatisticsWidget::ranking(const ReportData &data) const
{
    return data.users;
}

const std::vector<const HitEntry *> &UserStatisticsWidget::top(const ReportData &data) const
{
    return data.topUsers;
}

QString UserStatisticsWidget::emptyText() const
{
    return tr("There are no user statistics");
}

HitRowTexts UserStatisticsWidget::rowTexts(const HitEntry &entry) const
{
    return userRowTexts(entry);
}

AllHitStatisticsWindow *UserStatisticsWidget::createWindow()
{
    return new AllUserStatisticsData(statistics(), this);
}
