#include "kit/listview.h"

namespace lumo {

ListView::ListView(QWidget *parent)
    : QListView(parent)
{
    setObjectName("NavigationListView");
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setMouseTracking(true);
    setUniformItemSizes(false);
    viewport()->setAutoFillBackground(false);
    setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_Hover);
}

QSize ListView::sizeHint() const
{
    // Each item carries the spacing above and below it.
    int height = 0;
    if (model()) {
        const int rows = model()->rowCount(rootIndex());
        for (int row = 0; row < rows; ++row)
            height += sizeHintForRow(row) + 2 * spacing();
    }
    return QSize(QListView::sizeHint().width(), height);
}

QSize ListView::minimumSizeHint() const
{
    return QSize(0, sizeHint().height());
}

void ListView::updateHeight()
{
    setFixedHeight(sizeHint().height());
}

} // namespace lumo
