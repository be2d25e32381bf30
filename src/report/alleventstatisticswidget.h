#ifndef REPORT_ALLEVENTSTATISTICSWIDGET_H
#define REPORT_ALLEVENTSTATISTICSWIDGET_H

#include "report/allstatisticswindow.h"
#include "reportdata/alertrange.h"

#include <memory>

class EventTableView;
class Translation;

// "All event statistics": every alert of the range in the sortable event table.
class allEventStatisticsWidget : public AllStatisticsWindow
{
    Q_OBJECT
public:
    allEventStatisticsWidget(
        const AlertRange &range, std::shared_ptr<const Translation> translation, QWidget *parent);

    EventTableView *tableView() const { return m_view; }
    void updateAlerts(const AlertRange &range);

private:
    EventTableView *m_view = nullptr;
};

#endif
