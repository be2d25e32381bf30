#pragma once

#include <QList>
#include <QScrollArea>

class QListView;
class QStandardItem;
class QStandardItemModel;

namespace lumo {

class KNavigationBarPrivate;

// The navigation list of a side widget: entries, optionally in groups under
// a small title, of which one is current.
class KNavigationBar : public QScrollArea
{
    Q_OBJECT
public:
    explicit KNavigationBar(QWidget *parent = nullptr);
    ~KNavigationBar() override;

    void addItem(QStandardItem *item);
    void addGroupItems(const QList<QStandardItem *> &items, const QString &tag);
    void addTag(const QString &tag);

    QStandardItemModel *model();
    QListView *listview();

    QSize sizeHint() const override;

private:
    friend class KNavigationBarPrivate;
    KNavigationBarPrivate *const d;
};

} // namespace lumo
