#pragma once

#include <QIcon>
#include <QObject>

class QHBoxLayout;
class QLabel;

namespace lumo {

class KIconBar;

class KIconBarPrivate : public QObject
{
    Q_OBJECT
public:
    explicit KIconBarPrivate(KIconBar *parent);

    void updateIcon();
    void updateName();
    bool eventFilter(QObject *watched, QEvent *event) override;

    KIconBar *const q;
    QHBoxLayout *m_layout = nullptr;
    QLabel *m_iconLabel = nullptr;
    QLabel *m_nameLabel = nullptr;
    QIcon m_icon;
    QString m_name;
};

} // namespace lumo
