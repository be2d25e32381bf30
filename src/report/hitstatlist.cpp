#include "report/hitstatlist.h"

#include "reportdata/alertfields.h"

#include <QKeyEvent>
#include <QPainter>

namespace {

const int ROW_PADDING = 8;

QFont boldFont(QFont font)
{
    font.setWeight(75);
    return font;
}

} // namespace

HitStatModel::HitStatModel(
    SharedHitStats stats, std::vector<const HitEntry *> rows, TextsOf texts, QObject *parent)
    : QAbstractListModel(parent)
    , m_stats(std::move(stats))
    , m_rows(std::move(rows))
    , m_texts(std::move(texts))
{
}

int HitStatModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant HitStatModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_rows.size()))
        return QVariant();
    const HitEntry &entry = *m_rows[size_t(index.row())];
    if (role == KeyRole)
        return QString::fromStdString(entry.first);
    if (role != Qt::DisplayRole && role != CountTextRole && role != LatestTextRole
        && role != Qt::AccessibleTextRole)
        return QVariant();
    const HitRowTexts texts = m_texts(entry);
    if (role == CountTextRole)
        return texts.count;
    if (role == LatestTextRole)
        return texts.latest;
    if (role == Qt::AccessibleTextRole)
        return QString("%1, %2, %3").arg(texts.name, texts.count, texts.latest);
    return texts.name;
}

void HitRowDelegate::paint(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QRect area = option.rect.adjusted(0, ROW_PADDING / 2, -ROW_PADDING, -ROW_PADDING / 2);
    const int lineHeight = option.fontMetrics.height();
    const QRect top(area.x(), area.y(), area.width(), lineHeight);
    const QRect bottom(area.x(), area.y() + lineHeight + ROW_PADDING / 2, area.width(), lineHeight);
    const QString count = index.data(HitStatModel::CountTextRole).toString();

    painter->save();
    // A row leads to its alerts: hover and the keyboard's row show it.
    if (option.state & (QStyle::State_MouseOver | QStyle::State_HasFocus)) {
        QColor highlight = option.palette.color(QPalette::Highlight);
        highlight.setAlpha(option.state & QStyle::State_HasFocus ? 60 : 30);
        painter->fillRect(option.rect, highlight);
    }
    painter->setPen(option.palette.color(QPalette::Text));
    painter->setFont(option.font);
    const int countWidth = option.fontMetrics.horizontalAdvance(count);
    painter->drawText(top, Qt::AlignRight | Qt::AlignVCenter, count);
    painter->drawText(bottom, Qt::AlignLeft | Qt::AlignVCenter,
        option.fontMetrics.elidedText(
            index.data(HitStatModel::LatestTextRole).toString(), Qt::ElideRight, bottom.width()));
    const QFont bold = boldFont(option.font);
    painter->setFont(bold);
    const int nameWidth = qMax(0, top.width() - countWidth - 12);
    painter->drawText(QRect(top.x(), top.y(), nameWidth, top.height()), Qt::AlignLeft | Qt::AlignVCenter,
        QFontMetrics(bold).elidedText(index.data().toString(), Qt::ElideRight, nameWidth));
    painter->restore();
}

QSize HitRowDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    return QSize(option.rect.width(), 2 * option.fontMetrics.height() + 3 * ROW_PADDING / 2);
}

HitStatListView::HitStatListView(HitStatModel *model, QWidget *parent)
    : QListView(parent)
{
    setObjectName("hitStatList");
    model->setParent(this);
    setModel(model);
    setItemDelegate(new HitRowDelegate(this));
    setFrameShape(QFrame::NoFrame);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::NoSelection);
    setMouseTracking(true);
    viewport()->setCursor(Qt::PointingHandCursor);
    connect(this, &QAbstractItemView::clicked, this,
        [this](const QModelIndex &index) { emit keyChosen(index.data(HitStatModel::KeyRole).toString()); });
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    viewport()->setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    setStyleSheet("QListView { background: transparent; }");
}

void HitStatListView::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentIndex().isValid())
        emit keyChosen(currentIndex().data(HitStatModel::KeyRole).toString());
    else
        QListView::keyPressEvent(event);
}

QString hitLatestTime(const HitStat &stat)
{
    return alertTimeShown(stat.latestDate);
}
