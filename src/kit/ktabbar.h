#pragma once

#include <QTabBar>

namespace lumo {

class KTabBarPrivate;

enum KTabBarStyle {
    SegmentDark = 0, // segments on a grey track, the current one filled with the accent
    SegmentLight = 1, // segments on a grey track, the current one raised in the base colour
    Sliding = 2 // plain labels with an accent bar under the current one
};

// A tab bar that paints its own tabs; the mark of the current tab slides to
// the new one when the selection changes.
class KTabBar : public QTabBar
{
    Q_OBJECT
public:
    explicit KTabBar(KTabBarStyle barStyle = SegmentLight, QWidget *parent = nullptr);
    KTabBar(int barStyle, QWidget *parent);
    ~KTabBar() override;

    void setTabBarStyle(KTabBarStyle barStyle);
    KTabBarStyle barStyle() const;
    void setBorderRadius(int radius);
    int borderRadius() const;

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void tabLayoutChange() override;

private:
    friend class KTabBarPrivate;
    KTabBarPrivate *const d;
};

} // namespace lumo
