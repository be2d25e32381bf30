#include "widgets/ktableview.h"

#include "widgets/kheaderview.h"
#include "widgets/kitemdelegate.h"

#include <QFocusEvent>
#include <QResizeEvent>
#include <QScrollBar>
#include <QScroller>
#include <QScrollerProperties>

KTableView::KTableView(QWidget *parent)
    : QTreeView(parent)
{
    setItemDelegate(new KItemDelegate(this));

    auto *header = new KHeaderView(Qt::Horizontal, this);
    header->setSectionsMovable(true);
    header->setSectionsClickable(true);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(true);
    header->setSortIndicatorShown(true);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    header->setFocusPolicy(Qt::StrongFocus);
    setHeader(header);

    setRootIsDecorated(false);
    setItemsExpandable(false);
    setFrameShape(QFrame::NoFrame);
    viewport()->setAutoFillBackground(true);
    setAlternatingRowColors(true);
    setAllColumnsShowFocus(true);
    setFocusPolicy(Qt::StrongFocus);
    setTabOrder(header, this);

    // Touch screens scroll the rows by dragging, without overshooting the ends.
    QScroller *scroller = QScroller::scroller(viewport());
    QScrollerProperties properties = scroller->scrollerProperties();
    properties.setScrollMetric(QScrollerProperties::VerticalOvershootPolicy,
        QVariant::fromValue(QScrollerProperties::OvershootAlwaysOff));
    properties.setScrollMetric(QScrollerProperties::HorizontalOvershootPolicy,
        QVariant::fromValue(QScrollerProperties::OvershootAlwaysOff));
    properties.setScrollMetric(QScrollerProperties::DragStartDistance, 0.002);
    properties.setScrollMetric(QScrollerProperties::DecelerationFactor, 0.5);
    scroller->setScrollerProperties(properties);
    QScroller::grabGesture(viewport(), QScroller::TouchGesture);
    verticalScrollBar()->setContextMenuPolicy(Qt::NoContextMenu);
}

void KTableView::adjustColumnsSize()
{
    if (!model() || model()->rowCount(rootIndex()) == 0)
        return;
    QHeaderView *header = this->header();
    header->resizeSections(QHeaderView::ResizeToContents);
    const int sections = header->count();
    int others = 0;
    for (int column = 1; column < sections; ++column)
        others += header->sectionSize(column);
    if (sections > 1 && header->sectionSize(0) < header->sectionSize(1))
        header->resizeSection(0, header->sectionSize(1));
    if (width() - others < 150) {
        header->resizeSection(0, 150);
        for (int column = 1; column < sections; ++column)
            header->resizeSection(column, (width() - 150) / (sections - 1));
    } else {
        header->resizeSection(0, viewport()->width() - others);
    }
}

void KTableView::resizeEvent(QResizeEvent *event)
{
    QTreeView::resizeEvent(event);
    if (event->size() != m_currentSize) {
        m_currentSize = event->size();
        adjustColumnsSize();
    }
}

void KTableView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTreeView::currentChanged(current, previous);
    // The focus frame spans every column: repaint whole rows, not single cells.
    repaintRow(current);
    repaintRow(previous);
}

void KTableView::repaintRow(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    const QRect cell = visualRect(index);
    viewport()->update(QRect(0, cell.y(), viewport()->width(), cell.height()));
}

void KTableView::focusInEvent(QFocusEvent *event)
{
    m_focusReason = event->reason();
    QTreeView::focusInEvent(event);
}
