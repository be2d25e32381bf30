#include "widgets/kheaderview.h"

#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>

KHeaderView::KHeaderView(Qt::Orientation orientation, QWidget *parent)
    : QHeaderView(orientation, parent)
{
    // Tool tip events arrive at the viewport, not at the header itself.
    viewport()->installEventFilter(this);
}

QSize KHeaderView::sizeHint() const
{
    return QSize(width(), 36 + m_extraHeight);
}

void KHeaderView::paintEvent(QPaintEvent *event)
{
    QAbstractItemModel *model = this->model();
    if (model) {
        const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
        for (int section = 0; section < count(); ++section) {
            const QString shown = model->headerData(section, orientation(), Qt::DisplayRole).toString();
            const QString full = m_fullTitles.value(section, shown);
            int available = sectionSize(section) - 2 * (margin + 4);
            if (isSortIndicatorShown() && sortIndicatorSection() == section)
                available -= 24;
            const QFontMetrics metrics(font());
            QString wanted = full;
            if (!full.isEmpty() && metrics.horizontalAdvance(full) > available) {
                wanted = metrics.elidedText(full, Qt::ElideRight, qMax(0, available));
                m_fullTitles.insert(section, full);
            } else {
                m_fullTitles.remove(section);
            }
            // Only a change is written back, so the repaint it causes settles at once.
            if (wanted != shown)
                model->setHeaderData(section, orientation(), wanted, Qt::DisplayRole);
        }
    }
    QHeaderView::paintEvent(event);
}

bool KHeaderView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == viewport() && event->type() == QEvent::ToolTip && model()) {
        auto *help = static_cast<QHelpEvent *>(event);
        const int section = logicalIndexAt(help->pos());
        if (section >= 0) {
            const QString shown = model()->headerData(section, orientation(), Qt::DisplayRole).toString();
            if (shown.contains(QChar(0x2026)) && m_fullTitles.contains(section)) {
                QToolTip::showText(help->globalPos(), m_fullTitles.value(section), this);
                return true;
            }
        }
    }
    return QHeaderView::eventFilter(watched, event);
}
