#include "report/eventtableview.h"

#include "report/eventtablemodel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const int COLUMN_WIDTHS[] = { 180, 130, 170, 140 };

} // namespace

EventTableView::EventTableView(
    const AlertRange &range, std::shared_ptr<const Translation> translation, QWidget *parent)
    : KTableView(parent)
{
    setProperty("useIconHighlightEffect", 0x2);

    m_model = new EventTableModel(std::move(translation), this);
    m_model->loadAlerts(range);
    m_proxy = new EventSortFilterProxyModel(this);
    m_proxy->setSourceModel(m_model);
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] { setEmptyLabelsVisible(false); });

    auto *emptyLayout = new QVBoxLayout(this);
    emptyLayout->setContentsMargins(0, 0, 0, 0);
    m_emptyPicture = new QLabel(this);
    m_emptyText = new QLabel(tr("There is no alarm information"), this);
    m_emptyText->setObjectName("emptyTextLabel");
    emptyLayout->addWidget(m_emptyPicture, 0, Qt::AlignBottom | Qt::AlignHCenter);
    emptyLayout->addWidget(m_emptyText, 0, Qt::AlignTop | Qt::AlignHCenter);
    setEmptyLabelsVisible(range.alerts.empty());

    header()->setDefaultAlignment(Qt::AlignCenter);
    setSortingEnabled(true);
    setModel(m_proxy);
    for (int column = 0; column < 4; ++column) {
        setColumnWidth(column, COLUMN_WIDTHS[column]);
        setColumnHidden(column, false);
    }
    sortByColumn(0, Qt::DescendingOrder);

    setMouseTracking(true);
    viewport()->setCursor(Qt::PointingHandCursor);
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
        emit alertChosen(index.data(EventTableModel::CommentRole).toString());
    });
}

void EventTableView::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentIndex().isValid())
        emit alertChosen(currentIndex().data(EventTableModel::CommentRole).toString());
    else
        KTableView::keyPressEvent(event);
}

void EventTableView::updateEventLoginfoVec(const AlertRange &range)
{
    m_model->resetAlerts(range);
    setEmptyLabelsVisible(m_model->rowCount() == 0);
}

void EventTableView::setEmptyLabelsVisible(bool visible)
{
    m_emptyPicture->setVisible(visible);
    m_emptyText->setVisible(visible);
}

void EventTableView::adjustColumnsSize()
{
    if (!model() || model()->rowCount() == 0)
        return;
    QHeaderView *header = this->header();
    for (int column = 0; column < 4; ++column)
        header->resizeSection(column, COLUMN_WIDTHS[column]);
    int others = 16;
    if (!isColumnHidden(1))
        others += 180;
    if (!isColumnHidden(2))
        others += 170;
    if (!isColumnHidden(3))
        others += 140;
    if (header->sectionSize(0) < header->sectionSize(1))
        header->resizeSection(0, header->sectionSize(1));
    if (width() - others < 180) {
        header->resizeSection(0, 180);
        for (int column = 1; column < header->count(); ++column)
            header->resizeSection(column, (width() - 196) / (header->count() - 1));
    } else {
        header->resizeSection(0, viewport()->width() - others);
    }
}

int EventTableView::sizeHintForColumn(int column) const
{
    return qMax(KTableView::sizeHintForColumn(column), header()->sectionSizeHint(column)) + 20;
}

void EventTableView::showEvent(QShowEvent *event)
{
    // The first resize comes before the show: the labels are decided here too.
    setEmptyLabelsVisible(m_model->rowCount() == 0);
    KTableView::showEvent(event);
}

void EventTableView::resizeEvent(QResizeEvent *event)
{
    setEmptyLabelsVisible(m_model->rowCount() == 0);
    KTableView::resizeEvent(event);
}
