#pragma once

#include <QObject>

class QStandardItemModel;
class QVBoxLayout;

namespace lumo {

class Delegate;
class KNavigationBar;
class ListView;

class KNavigationBarPrivate : public QObject
{
    Q_OBJECT
public:
    explicit KNavigationBarPrivate(KNavigationBar *parent);

    void applySizes();

    KNavigationBar *const q;
    ListView *m_listView = nullptr;
    Delegate *m_delegate = nullptr;
    QStandardItemModel *m_model = nullptr;
    QVBoxLayout *m_layout = nullptr;
};

} // namespace lumo
