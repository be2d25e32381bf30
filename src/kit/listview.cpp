#include "kit/listview.h"

namespace lumo {

ListView::ListView(QWidget *parent) : QListView(parent)
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
    // Items are laid out with the spacing before the first and after each one.
    int height = spacing();
    if (model()) {
        const int rows = model()->rowCount(rootIndex());
        for (int row = 0; row < rows; ++row)
            height += sizeHintForRow(row) + spacing();
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
