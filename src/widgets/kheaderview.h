#ifndef WIDGETS_KHEADERVIEW_H
#define WIDGETS_KHEADERVIEW_H

#include <QHeaderView>
#include <QMap>

// Header of the program's tables: 37 pixels high, and a title too wide for
// its section is cut with "…", the full title shown as its tool tip.
class KHeaderView : public QHeaderView
{
    Q_OBJECT
public:
    explicit KHeaderView(Qt::Orientation orientation, QWidget *parent = nullptr);

    QSize sizeHint() const override;

    // The full titles of the sections shown cut, by section.
    const QMap<int, QString> &elidedTitles() const { return m_fullTitles; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QMap<int, QString> m_fullTitles;
    int m_extraHeight = 1;
};

#endif
