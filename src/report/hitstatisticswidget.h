#ifndef REPORT_HITSTATISTICSWIDGET_H
#define REPORT_HITSTATISTICSWIDGET_H

#include "report/alertrange.h"
#include "report/hitstatlist.h"
#include "report/rankingcard.h"

#include <QPointer>

class AllStatisticsWindow;

// A ranking card that counts alerts per key (attack source or user name): the
// three most frequent keys, or its empty text, and "See all" for every key.
// The "See all" window is built on the first press and belongs to the card.
class HitStatisticsWidget : public RankingCard
{
    Q_OBJECT
public:
    // Counts the range anew and rebuilds the rows; an empty range leaves the card as it is.
    void setAlerts(const AlertRange &range);

    const SharedHitStats &statistics() const { return m_stats; }
    // The "See all" window, once it has been opened.
    AllStatisticsWindow *allWindow() const;

public slots:
    void slot_clicked() override;

protected:
    HitStatisticsWidget(const QString &title, QWidget *parent);

    virtual void count(AlertSpan alerts, HitStats &stats) const = 0;
    virtual QString emptyText() const = 0;
    virtual HitRowTexts rowTexts(const HitEntry &entry) const = 0;
    virtual AllStatisticsWindow *createWindow() = 0;

private:
    void buildRows();

    SharedHitStats m_stats;
    QPointer<AllStatisticsWindow> m_window;
};

#endif
