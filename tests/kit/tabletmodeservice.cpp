// Stand-in for the desktop's status manager on the session bus: answers the
// tablet-mode query and announces changes. Tests drive it with set_tabletmode;
// with --hang it never answers the query in time.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QObject>
#include <QThread>
#include <cstdio>

class StatusManager : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.zorva.statusmanager.interface")
public:
    StatusManager(bool tablet, bool hang)
        : m_tablet(tablet)
        , m_hang(hang)
    {
    }

public slots:
    bool get_current_tabletmode()
    {
        if (m_hang)
            QThread::sleep(20);
        return m_tablet;
    }
    void set_tabletmode(bool tablet)
    {
        m_tablet = tablet;
        emit mode_change_signal(tablet);
    }

signals:
    void mode_change_signal(bool tabletMode);

private:
    bool m_tablet;
    bool m_hang;
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    StatusManager manager(app.arguments().contains("--tablet"), app.arguments().contains("--hang"));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(
            "/", &manager, QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals)
        || !bus.registerService("com.zorva.statusmanager.interface")) {
        std::fprintf(stderr, "cannot register the status manager on the session bus\n");
        return 1;
    }
    return app.exec();
}

#include "tabletmodeservice.moc"
