#ifndef REPORT_EVENTSTATISTICSWIDGET_H
#define REPORT_EVENTSTATISTICSWIDGET_H

#include "report/alertrange.h"
#include "report/rankingcard.h"

#include <QPointer>

#include <memory>
#include <string>
#include <unordered_map>

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
        const AlertRange &range, std::shared_ptr<const Translation> translation, QWidget *parent);

    // Counts the range anew and rebuilds the rows; an empty range leaves the card as it is.
    void setAlerts(const AlertRange &range);

    const std::unordered_map<std::string, int> &eventCounts() const { return m_counts; }
    allEventStatisticsWidget *allWindow() const;

public slots:
    void slot_clicked() override;

private:
    void buildRows();

    AlertRange m_range;
    std::shared_ptr<const Translation> m_translation;
    std::unordered_map<std::string, int> m_counts;
    QPointer<allEventStatisticsWidget> m_window;
};

#endif
