#ifndef LOGPAGE_ALERTLISTVIEW_H
#define LOGPAGE_ALERTLISTVIEW_H

#include "alertstore/alertstore.h"

#include <QAbstractScrollArea>
#include <QTimer>

#include <unordered_map>
#include <unordered_set>
#include <vector>

class notify_log_frame;

// The alarm log's list: entries only for the alerts in view, however long the
// list. The scroll bar counts alerts, so it spans the whole list at once and
// a far alert is reached without making the entries above it. What the user
// opened stays open, by alert, when it scrolls out of view and back.
class AlertListView : public QAbstractScrollArea
{
    Q_OBJECT
public:
    explicit AlertListView(QWidget *parent = nullptr);

    // The alerts to show, in order, from snapshot (kept alive while shown).
    // keepPlace: a newer snapshot of the same list, shown where the user was,
    // with the same alerts open; otherwise it starts at the top.
    void setAlerts(const AlertList &snapshot, std::vector<const loginfo *> alerts, bool keepPlace = false);
    int count() const { return int(m_alerts.size()); }

    // Alerts of the snapshot shown that came in since the load before: marked
    // "New" until seen, that is opened, chosen, or in view for SEEN_AFTER_MS
    // while the list is on screen. Unseen marks stay with their alerts across
    // loads.
    void markNew(const std::vector<const loginfo *> &alerts);
    int newCount() const { return int(m_new.size()); }
    static constexpr int SEEN_AFTER_MS = 2000;

    // Shows the alert at index expanded and highlighted, in the middle of the view.
    void highlight(int index);
    int currentIndex() const { return m_current; }
    void setCurrentIndex(int index);
    // Live entries, all of them within or next to the view.
    int entryCount() const { return int(m_entries.size()); }
    notify_log_frame *entryAt(int index) const;
    // The first alert whose entry is at least partly in view.
    int topIndex() const { return m_top; }
    void copyCurrent() const;

signals:
    void highlighted();

protected:
    bool viewportEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void showEvent(QShowEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    notify_log_frame *entry(int index);
    int entryHeight(int index);
    // Where the list starts (alert and pixels above the view) when the alert at index ends the view.
    void anchorBottom(int index, int &top, int &offset);
    int spacing() const;
    void scrollByPixels(int pixels);
    void ensureVisible(int index);
    void layoutEntries();
    void updateScrollRange();
    int indexOf(const notify_log_frame *frame) const;
    int indexOf(const loginfo *alert, int64_t timeNs) const;
    void markSeen(const loginfo *alert);
    std::unordered_set<const loginfo *> newInView() const;
    void watchNewInView();
    void takeSeen();

    AlertList m_snapshot;
    std::vector<const loginfo *> m_alerts;
    std::unordered_map<const loginfo *, notify_log_frame *> m_entries;
    std::unordered_set<const loginfo *> m_expanded;
    std::unordered_set<const loginfo *> m_new; // not seen yet
    std::unordered_set<const loginfo *> m_newWatched; // in view since the seen timer started
    QTimer m_seenTimer;
    const loginfo *m_highlighted = nullptr;
    int m_top = 0; // first alert in view
    int m_topOffset = 0; // pixels of it above the view
    int m_lastTop = 0; // the first alert in view when the last one ends the view
    int m_current = -1;
    bool m_settingBar = false;
};

#endif
