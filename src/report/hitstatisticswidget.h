#ifndef REPORT_HITSTATISTICSWIDGET_H
#define REPORT_HITSTATISTICSWIDGET_H

#include "report/hitstatlist.h"
#include "report/rankingcard.h"
#include "reportdata/reportdata.h"

#include <QPointer>

class AllHitStatisticsWindow;

// A ranking card that counts alerts per key (attack source or user name): the
// three most frequent keys, or its empty text, and "See all" for every key.
// The "See all" window is built on the first press and belongs to the card.
class HitStatisticsWidget : public RankingCard
{
    Q_OBJECT
public:
    // Shows the ranking of another range; an empty range leaves the card as it is.
    void setData(const SharedReportData &data);

    const SharedHitStats &statistics() const { return m_stats; }
    // The "See all" window, once it has been opened.
    AllHitStatisticsWindow *allWindow() const;

public slots:
    void slot_clicked() override;

protected:
    HitStatisticsWidget(const QString &title, const QString &seeAllName, AlertField field, QWidget *parent);

    // The card's ranking in key order, and its most frequent entries.
    virtual SharedHitStats ranking(const ReportData &data) const = 0;
    virtual const std::vector<const HitEntry *> &top(const ReportData &data) const = 0;
    virtual QString emptyText() const = 0;
    virtual HitRowTexts rowTexts(const HitEntry &entry) const = 0;
    virtual AllHitStatisticsWindow *createWindow() = 0;

private:
    void buildRows(std::vector<const HitEntry *> shown);

    AlertField m_field; // what a row's key is
    SharedHitStats m_stats;
    QPointer<AllHitStatisticsWindow> m_window;
};

#endif
