#include "logpage/alertlistview.h"

#include "kit/kitstyle.h"
#include "logpage/notify_log_frame.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include <algorithm>

namespace {

// What one step of the wheel moves, as a scroll area's three lines of 20 pixels.
const int WHEEL_STEP = 60;
// Where a highlighted entry's top goes: a little above the middle of the view.
const int HIGHLIGHT_ABOVE_MIDDLE = 160;

} // namespace

AlertListView::AlertListView(QWidget *parent)
    : QAbstractScrollArea(parent)
{
    setObjectName("alertList");
    setAccessibleName(tr("Alarm logs"));
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    lumo::style::followTheme(this, [this] {
        QPalette surface = viewport()->palette();
        surface.setColor(QPalette::Window, lumo::style::surface());
        viewport()->setPalette(surface);
    });
    viewport()->setAutoFillBackground(true);
    verticalScrollBar()->setSingleStep(1);
}

void AlertListView::setAlerts(const AlertList &snapshot, std::vector<const loginfo *> alerts)
{
    for (auto &[alert, frame] : m_entries)
        delete frame;
    m_entries.clear();
    if (snapshot != m_snapshot) {
        m_expanded.clear();
        m_highlighted = nullptr;
    }
    m_snapshot = snapshot;
    m_alerts = std::move(alerts);
    m_top = 0;
    m_topOffset = 0;
    m_current = -1;
    updateScrollRange();
    layoutEntries();
}

int AlertListView::spacing() const
{
    // The gap a vertical layout of the style would leave between entries.
    const int metric = style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing, nullptr, this);
    return metric >= 0 ? metric
                       : style()->layoutSpacing(QSizePolicy::Frame, QSizePolicy::Frame, Qt::Vertical);
}

notify_log_frame *AlertListView::entryAt(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    auto found = m_entries.find(m_alerts[size_t(index)]);
    return found == m_entries.end() ? nullptr : found->second;
}

notify_log_frame *AlertListView::entry(int index)
{
    if (notify_log_frame *known = entryAt(index))
        return known;
    const loginfo *alert = m_alerts[size_t(index)];
    auto *frame = new notify_log_frame(notifyLogData::fromLoginfo(*alert), viewport());
    frame->installEventFilter(this);
    if (alert == m_highlighted)
        frame->setHighLight();
    else if (m_expanded.count(alert))
        frame->setExpanded(true);
    frame->setCurrent(index == m_current);
    connect(frame, &notify_log_frame::expandedChanged, this, [this, alert](bool expanded) {
        if (expanded)
            m_expanded.insert(alert);
        else
            m_expanded.erase(alert);
        updateScrollRange();
        layoutEntries();
    });
    m_entries.emplace(alert, frame);
    return frame;
}

int AlertListView::entryHeight(int index)
{
    notify_log_frame *frame = entry(index);
    const int width = qMax(viewport()->width(), frame->minimumSizeHint().width());
    const int height = frame->heightForWidth(width);
    return height > 0 ? height : frame->sizeHint().height();
}

void AlertListView::anchorBottom(int index, int &top, int &offset)
{
    const int viewHeight = viewport()->height();
    int total = entryHeight(index);
    top = index;
    while (top > 0 && total < viewHeight)
        total += entryHeight(--top) + spacing();
    offset = qMax(0, total - viewHeight);
}

void AlertListView::updateScrollRange()
{
    int lastOffset = 0;
    m_lastTop = 0;
    if (!m_alerts.empty())
        anchorBottom(count() - 1, m_lastTop, lastOffset);
    m_settingBar = true;
    // One step per alert; the last step shows the end of the list.
    verticalScrollBar()->setRange(0, m_lastTop + (lastOffset > 0 ? 1 : 0));
    verticalScrollBar()->setPageStep(qMax(1, viewport()->height() / 120));
    m_settingBar = false;
}

void AlertListView::scrollByPixels(int pixels)
{
    if (m_alerts.empty())
        return;
    m_topOffset += pixels;
    while (m_topOffset < 0 && m_top > 0)
        m_topOffset += entryHeight(--m_top) + spacing();
    m_topOffset = qMax(0, m_topOffset);
    for (int height; m_top < count() - 1 && m_topOffset >= (height = entryHeight(m_top) + spacing());) {
        m_topOffset -= height;
        ++m_top;
    }
    layoutEntries();
}

void AlertListView::ensureVisible(int index)
{
    if (index < m_top || (index == m_top && m_topOffset > 0)) {
        m_top = index;
        m_topOffset = 0;
        return;
    }
    // Fits when what lies from the top of the view to its end is no taller.
    int bottom = -m_topOffset;
    for (int i = m_top; i <= index && bottom <= viewport()->height(); ++i)
        bottom += entryHeight(i) + (i < index ? spacing() : 0);
    if (bottom > viewport()->height())
        anchorBottom(index, m_top, m_topOffset);
}

void AlertListView::layoutEntries()
{
    // Past the end, the last alert ends the view.
    const int maximum = verticalScrollBar()->maximum();
    if (!m_alerts.empty() && m_top >= m_lastTop) {
        int lastTop, lastOffset;
        anchorBottom(count() - 1, lastTop, lastOffset);
        if (m_top > lastTop || m_topOffset > lastOffset) {
            m_top = lastTop;
            m_topOffset = lastOffset;
        }
    }
    m_settingBar = true;
    const bool atEnd = !m_alerts.empty() && m_top == m_lastTop && m_topOffset > 0;
    verticalScrollBar()->setValue(atEnd ? maximum : m_top);
    m_settingBar = false;

    std::unordered_set<const loginfo *> shown;
    int y = -m_topOffset;
    int width = viewport()->width();
    const int x = -horizontalScrollBar()->value();
    for (int i = m_top; i < count() && y < viewport()->height(); ++i) {
        notify_log_frame *frame = entry(i);
        width = qMax(viewport()->width(), frame->minimumSizeHint().width());
        const int height = entryHeight(i);
        frame->setGeometry(x, y, width, height);
        frame->show();
        shown.insert(m_alerts[size_t(i)]);
        y += height + spacing();
    }
    for (auto it = m_entries.begin(); it != m_entries.end();) {
        if (shown.count(it->first)) {
            ++it;
            continue;
        }
        // A click inside it may still be on its way out.
        it->second->hide();
        it->second->deleteLater();
        it = m_entries.erase(it);
    }
    horizontalScrollBar()->setRange(0, qMax(0, width - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
}

void AlertListView::scrollContentsBy(int, int dy)
{
    if (m_settingBar)
        return;
    if (dy != 0) {
        const QScrollBar *bar = verticalScrollBar();
        m_top = qMin(bar->value(), m_lastTop);
        m_topOffset = bar->value() > m_lastTop ? viewport()->height() * 2 : 0; // cut to the end below
    }
    layoutEntries();
}

void AlertListView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
    layoutEntries();
}

bool AlertListView::viewportEvent(QEvent *event)
{
    // Entries are placed here, not by a layout: one that changed its size is placed again.
    if (event->type() == QEvent::LayoutRequest) {
        layoutEntries();
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void AlertListView::wheelEvent(QWheelEvent *event)
{
    const int pixels = !event->pixelDelta().isNull() ? event->pixelDelta().y()
                                                     : event->angleDelta().y() * WHEEL_STEP / 120;
    if (pixels == 0 || event->modifiers() & Qt::ShiftModifier) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    scrollByPixels(-pixels);
    event->accept();
}

void AlertListView::setCurrentIndex(int index)
{
    if (m_alerts.empty())
        return;
    index = qBound(0, index, count() - 1);
    if (notify_log_frame *old = entryAt(m_current))
        old->setCurrent(false);
    m_current = index;
    ensureVisible(index);
    layoutEntries();
    notify_log_frame *frame = entry(index);
    frame->setCurrent(true);
    setAccessibleDescription(frame->accessibleName());
}

void AlertListView::highlight(int index)
{
    const loginfo *alert = m_alerts[size_t(index)];
    // The entry highlighted before is made again, plain.
    for (auto &[shown, frame] : m_entries)
        delete frame;
    m_entries.clear();
    m_highlighted = alert;
    m_expanded.insert(alert);
    m_current = index;
    updateScrollRange();
    m_top = index;
    m_topOffset = 0;
    scrollByPixels(-qMax(0, viewport()->height() / 2 - HIGHLIGHT_ABOVE_MIDDLE));
    emit highlighted();
}

void AlertListView::copyCurrent() const
{
    if (m_current >= 0 && m_current < count())
        QApplication::clipboard()->setText(
            notify_log_frame::alertText(notifyLogData::fromLoginfo(*m_alerts[size_t(m_current)])));
}

void AlertListView::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        copyCurrent();
        return;
    }
    const int page = qMax(1, verticalScrollBar()->pageStep());
    const int current = m_current < 0 ? m_top - 1 : m_current;
    switch (event->key()) {
    case Qt::Key_Up:
        setCurrentIndex(m_current < 0 ? m_top : current - 1);
        return;
    case Qt::Key_Down:
        setCurrentIndex(current + 1);
        return;
    case Qt::Key_PageUp:
        setCurrentIndex(current - page);
        return;
    case Qt::Key_PageDown:
        setCurrentIndex(current + page);
        return;
    case Qt::Key_Home:
        setCurrentIndex(0);
        return;
    case Qt::Key_End:
        setCurrentIndex(count() - 1);
        return;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_current >= 0) {
            entry(m_current)->toggleExpanded();
            ensureVisible(m_current);
            layoutEntries();
        }
        return;
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

int AlertListView::indexOf(const notify_log_frame *frame) const
{
    for (int i = m_top; i < count(); ++i) {
        auto found = m_entries.find(m_alerts[size_t(i)]);
        if (found == m_entries.end())
            break;
        if (found->second == frame)
            return i;
    }
    return -1;
}

bool AlertListView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const int index = indexOf(static_cast<notify_log_frame *>(watched));
        if (index >= 0) {
            setFocus(Qt::MouseFocusReason);
            setCurrentIndex(index);
        }
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

void AlertListView::contextMenuEvent(QContextMenuEvent *event)
{
    // From the keyboard the menu is for the current entry, from the mouse for the one under it.
    notify_log_frame *target = nullptr;
    if (event->reason() == QContextMenuEvent::Keyboard) {
        target = entryAt(m_current);
    } else {
        for (auto &[alert, frame] : m_entries) {
            if (frame->isVisible() && frame->geometry().contains(event->pos()))
                target = frame;
        }
        if (target)
            setCurrentIndex(indexOf(target));
    }
    if (!target)
        return;
    QMenu menu(this);
    menu.setObjectName("alertMenu");
    menu.addAction(tr("Copy alert"), this, &AlertListView::copyCurrent);
    menu.exec(event->globalPos());
}
