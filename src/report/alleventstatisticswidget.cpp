#include "report/alleventstatisticswidget.h"

#include "report/eventtableview.h"

#include <QVBoxLayout>

allEventStatisticsWidget::allEventStatisticsWidget(
    const AlertRange &range, std::shared_ptr<const Translation> translation, QWidget *parent)
    : AllStatisticsWindow(tr("All event statistics"), QSize(720, 480), Centred, parent)
{
    auto *body = new QWidget(this);
    auto *layout = new QVBoxLayout(body);
    m_view = new EventTableView(range, std::move(translation), body);
    m_view->setAccessibleName(windowTitle());
    layout->addWidget(m_view);
    bodyLayout()->addWidget(body);
}

void allEventStatisticsWidget::updateAlerts(const AlertRange &range)
{
    m_view->updateEventLoginfoVec(range);
}
