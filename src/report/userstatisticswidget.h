#ifndef REPORT_USERSTATISTICSWIDGET_H
#define REPORT_USERSTATISTICSWIDGET_H

#include "report/hitstatisticswidget.h"

// "User statistics": the user names that were attacked most often.
class UserStatisticsWidget : public HitStatisticsWidget
{
    Q_OBJECT
public:
    UserStatisticsWidget(const SharedReportData &data, QWidget *parent);

    // A row of the card and of its window.
    static HitRowTexts userRowTexts(const HitEntry &entry);

protected:
    SharedHitStats ranking(const ReportData &data) const override;
    const std::vector<const HitEntry *> &top(const ReportData &data) const override;
    QString emptyText() const override;
    HitRowTexts rowTexts(const HitEntry &entry) const override;
    AllHitStatisticsWindow *createWindow() override;
};

#endif
