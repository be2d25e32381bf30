#ifndef REPORT_EVENTSTATISTICSWIDGET_H
#define REPORT_EVENTSTATISTICSWIDGET_H

#include "report/rankingcard.h"
#include "reportdata/reportdata.h"

#include <QPointer>

#include <memory>

class allEventStatisticsWidget;
class Translation;

// "Statistics of event": the five event titles that occurred most often, and
// "See all" for the table of every alert. The window is built on the first
// press and belongs to the card.
class EventStatisticsWidget : public RankingCard
{
    Q_OBJECT
public:
    EventStatisticsWidget(
        SharedReportData data, std::shared_ptr<const Translation> translation, QWidget *parent);

    // Shows the data of another range; an empty range leaves the card as it is.
    void setData(SharedReportData data);

    const SharedReportData &data() const { return m_data; }
    allEventStatisticsWidget *allWindow() const;

public slots:
    void slot_clicked() override;

private:
    void buildRows();

    SharedReportData m_data;
    std::shared_ptr<const Translation> m_translation;
    QPointer<allEventStatisticsWidget> m_window;
};

#endif
