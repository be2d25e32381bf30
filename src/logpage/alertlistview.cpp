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
#include <utility>

namespace {

// What one step of the wheel moves, as a scroll area's three lines of 20 pixels.
const int WHEEL_STEP = 60;
// Where a highlighted entry's top goes: a little above the middle of the view.
const int HIGHLIGHT_ABOVE_MIDDLE = 160;

// The alert of snapshot (newest first) with the time and id of alert, which
// comes from another snapshot; null when it is no longer there.
const loginfo *sameAlert(const std::vector<loginfo> &snapshot, const loginfo &alert)
{
    const auto [first, last] = std::equal_range(snapshot.begin(), snapshot.end(), alert,
        [](const loginfo &a, const loginfo &b) { return a.timeNs > b.timeNs; });
    const auto found = std::find_if(
        first, last, [&alert](const loginfo &other) { return other.alertId == alert.alertId; });
    return found == last ? nullptr : &*found;
}

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
    m_seenTimer.setSingleShot(true);
    m_seenTimer.setInterval(SEEN_AFTER_MS);
    connect(&m_seenTimer, &QTimer::timeout, this, &AlertListView::takeSeen);
}

void AlertListView::setAlerts(const AlertList &snapshot, std::vector<const loginfo *> alerts, bool keepPlace)
{
    // Where the user was, by alert: the old snapshot is still held here.
    const bool atStart = m_top == 0 && m_topOffset == 0;
    const loginfo *top = m_top < count() ? m_alerts[size_t(m_top)] : nullptr;
    const bool hadTop = top != nullptr;
    const int64_t topTime = top ? top->timeNs : 0;
    const loginfo *current = m_current >= 0 && m_current < count() ? m_alerts[size_t(m_current)] : nullptr;
    const int topOffset = m_topOffset;

    for (auto &[alert, frame] : m_entries)
        delete frame;
    m_entries.clear();
    m_newWatched.clear();
    m_seenTimer.stop();
    if (snapshot != m_snapshot) {
        const auto same = [&snapshot](const loginfo *alert) {
            return alert && snapshot ? sameAlert(*snapshot, *alert) : nullptr;
        };
        const auto carried = [&same](const std::unordered_set<const loginfo *> &alerts) {
            std::unordered_set<const loginfo *> found;
            for (const loginfo *alert : alerts) {
                if (const loginfo *now = same(alert))
                    found.insert(now);
            }
            return found;
        };
        m_new = carried(m_new);
        m_expanded = keepPlace ? carried(m_expanded) : std::unordered_set<const loginfo *>();
        m_highlighted = keepPlace ? same(m_highlighted) : nullptr;
        top = keepPlace ? same(top) : nullptr;
        current = keepPlace ? same(current) : nullptr;
    }
    m_snapshot = snapshot;
    m_alerts = std::move(alerts);
    m_top = 0;
    m_topOffset = 0;
    m_current = -1;
    updateScrollRange();
    // At the very top the list stays there and shows what came in above.
    if (keepPlace && !m_alerts.empty()) {
        // An alert that is gone leaves the place of its time.
        if (!atStart && hadTop) {
            m_top = indexOf(top, topTime);
            m_topOffset = m_alerts[size_t(m_top)] == top ? topOffset : 0;
        }
        if (current && m_alerts[size_t(indexOf(current, current->timeNs))] == current)
            m_current = indexOf(current, current->timeNs);
    }
    layoutEntries();
}

void AlertListView::markNew(const std::vector<const loginfo *> &alerts)
{
    m_new.insert(alerts.begin(), alerts.end());
    for (const loginfo *alert : alerts) {
        auto found = m_entries.find(alert);
        if (found != m_entries.end())
            found->second->setNew(true);
    }
    watchNewInView();
}

void AlertListView::markSeen(const loginfo *alert)
{
    if (!m_new.erase(alert))
        return;
    m_newWatched.erase(alert);
    auto found = m_entries.find(alert);
    if (found != m_entries.end())
        found->second->setNew(false);
}

std::unordered_set<const loginfo *> AlertListView::newInView() const
{
    std::unordered_set<const loginfo *> inView;
    if (m_new.empty() || !isVisible() || window()->isMinimized())
        return inView;
    for (const auto &[alert, frame] : m_entries) {
        if (m_new.count(alert) && frame->isVisible() && frame->geometry().intersects(viewport()->rect()))
            inView.insert(alert);
    }
    return inView;
}

// New alerts in view start the time after which they count as seen.
void AlertListView::watchNewInView()
{
    if (m_seenTimer.isActive())
        return;
    m_newWatched = newInView();
    if (!m_newWatched.empty())
        m_seenTimer.start();
}

void AlertListView::takeSeen()
{
    const std::unordered_set<const loginfo *> inView = newInView();
    for (const loginfo *alert : std::exchange(m_newWatched, {})) {
        if (inView.count(alert))
            markSeen(alert);
    }
    // Those that came into view meanwhile get their own time.
    watchNewInView();
    // Minimised, nothing is seen: looked at again later, when it may be back.
    if (!m_seenTimer.isActive() && !m_new.empty() && isVisible() && window()->isMinimized())
        m_seenTimer.start();
}

void AlertListView::showEvent(QShowEvent *event)
{
    QAbstractScrollArea::showEvent(event);
    watchNewInView();
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
    frame->setNew(m_new.count(alert));
    connect(frame, &notify_log_frame::expandedChanged, this, [this, alert](bool expanded) {
        if (expanded) {
            m_expanded.insert(alert);
            markSeen(alert);
        } else {
            m_expanded.erase(alert);
        }
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
    watchNewInView();
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
    markSeen(m_alerts[size_t(index)]);
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
    markSeen(alert);
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

// Where alert (of the snapshot shown) is in the list, or else where an alert of its time would be.
int AlertListView::indexOf(const loginfo *alert, int64_t timeNs) const
{
    const auto first = std::partition_point(
        m_alerts.begin(), m_alerts.end(), [timeNs](const loginfo *a) { return a->timeNs > timeNs; });
    const auto last = std::partition_point(
        first, m_alerts.end(), [timeNs](const loginfo *a) { return a->timeNs == timeNs; });
    const auto found = std::find(first, last, alert);
    return qMin(int((found == last ? first : found) - m_alerts.begin()), count() - 1);
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
