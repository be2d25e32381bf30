#ifndef REPORT_ATTACKSTATISTICSWIDGET_H
#define REPORT_ATTACKSTATISTICSWIDGET_H

#include "report/hitstatisticswidget.h"

// "Statistics on attack sources": the source addresses that attacked most often.
class AttackStatisticsWidget : public HitStatisticsWidget
{
    Q_OBJECT
public:
    AttackStatisticsWidget(const SharedReportData &data, QWidget *parent);

    // A row of the card; the window's row differs only in its first line.
    static HitRowTexts attackRowTexts(const HitEntry &entry);

protected:
    SharedHitStats ranking(const ReportData &data) const override;
    const std::vector<const HitEntry *> &top(const ReportData &data) const override;
    QString emptyText() const override;
    HitRowTexts rowTexts(const HitEntry &entry) const override;
    AllHitStatisticsWindow *createWindow() override;
};

#endif
