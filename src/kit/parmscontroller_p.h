#pragma once

#include <QObject>

class QDBusInterface;
class QDBusServiceWatcher;

namespace lumo {

class Parmscontroller;

class ParmscontrollerPrivate : public QObject
{
    Q_OBJECT
public:
    explicit ParmscontrollerPrivate(Parmscontroller *parent);

    bool queryMode();
    void setMode(bool tablet);

public slots:
    void onModeSignal(bool tablet);

public:
    void attach();
    void detach();

    Parmscontroller *const q;
    QDBusInterface *m_interface = nullptr;
    QDBusServiceWatcher *m_watcher = nullptr;
    bool m_tablet = false;
};

} // namespace lumo
