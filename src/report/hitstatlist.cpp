#include "report/hitstatlist.h"

#include "reportdata/alerttext.h"

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
    if (role != Qt::DisplayRole && role != CountTextRole && role != LatestTextRole)
        return QVariant();
    const HitRowTexts texts = m_texts(*m_rows[size_t(index.row())]);
    if (role == CountTextRole)
        return texts.count;
    if (role == LatestTextRole)
        return texts.latest;
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
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    viewport()->setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    setStyleSheet("QListView { background: transparent; }");
}

QString hitLatestTime(const HitStat &stat)
{
    const std::string display = alertDateToDisplay(stat.latestDate);
    return alertTextForDisplay(QString::fromStdString(display.empty() ? stat.latestDate : display));
}
