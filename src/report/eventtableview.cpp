#include "report/eventtableview.h"

#include "report/eventtablemodel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const int MARGIN = 16;

int widthOf(int column)
{
    return alertFieldInfo(EventTableModel::field(column)).width;
}

// The title takes what the others leave, and at least its own width; the
// level keeps as much room beside it as the title's least.
int roomOf(int column)
{
    return widthOf(EventTableModel::field(column) == AlertColumn::Level ? 0 : column);
}

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
    for (int column = 0; column < m_model->columnCount(); ++column) {
        setColumnWidth(column, widthOf(column));
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
    for (int column = 0; column < header->count(); ++column)
        header->resizeSection(column, widthOf(column));
    int others = MARGIN;
    for (int column = 1; column < header->count(); ++column) {
        if (!isColumnHidden(column))
            others += roomOf(column);
    }
    if (header->sectionSize(0) < header->sectionSize(1))
        header->resizeSection(0, header->sectionSize(1));
    const int titleWidth = widthOf(0);
    if (width() - others < titleWidth) {
        header->resizeSection(0, titleWidth);
        for (int column = 1; column < header->count(); ++column)
            header->resizeSection(column, (width() - titleWidth - MARGIN) / (header->count() - 1));
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
