#ifndef REPORT_EVENTTABLEVIEW_H
#define REPORT_EVENTTABLEVIEW_H

#include "reportdata/alertrange.h"
#include "widgets/ktableview.h"

#include <memory>

class EventSortFilterProxyModel;
class EventTableModel;
class QLabel;
class Translation;

// The sortable table of every alert of a range, for "All event statistics".
class EventTableView : public KTableView
{
    Q_OBJECT
public:
    EventTableView(
        const AlertRange &range, std::shared_ptr<const Translation> translation, QWidget *parent = nullptr);

    EventTableModel *eventModel() const { return m_model; }
    EventSortFilterProxyModel *proxyModel() const { return m_proxy; }

signals:
    // A row was clicked, or Return pressed on it: the rule description of its alert as recorded.
    void alertChosen(const QString &comment);

public slots:
    void updateEventLoginfoVec(const AlertRange &range);
    void adjustColumnsSize() override;

protected:
    int sizeHintForColumn(int column) const override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setEmptyLabelsVisible(bool visible);

    EventTableModel *m_model = nullptr;
    EventSortFilterProxyModel *m_proxy = nullptr;
    QLabel *m_emptyPicture = nullptr;
    QLabel *m_emptyText = nullptr;
};

#endif
