#ifndef WIDGETS_KTABLEVIEW_H
#define WIDGETS_KTABLEVIEW_H

#include <QSize>
#include <QTreeView>

// The program's flat, sortable table: a tree view without tree decoration,
// with KHeaderView and KItemDelegate, kinetic scrolling and the first column
// taking the width the others leave.
class KTableView : public QTreeView
{
    Q_OBJECT
public:
    explicit KTableView(QWidget *parent = nullptr);

    Qt::FocusReason lastFocusReason() const { return m_focusReason; }

public slots:
    virtual void adjustColumnsSize();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void repaintRow(const QModelIndex &index);

    Qt::FocusReason m_focusReason = Qt::OtherFocusReason;
    QSize m_currentSize;
};

#endif
