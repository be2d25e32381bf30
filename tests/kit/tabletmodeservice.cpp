// Stand-in for the desktop's status manager on the session bus: answers the tablet-mode query and announces
// changes. Tests drive it with set_tabletmode; with --hang it never answers the query in time.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QThread>
#include <cstdio>

class StatusManager : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.zorva.statusmanager.interface")
public:
    bool tablet = QCoreApplication::arguments().contains("--tablet");
    bool hang = QCoreApplication::arguments().contains("--hang");

public slots:
    bool get_current_tabletmode()
    {
        if (hang)
            QThread::sleep(20);
        return tablet;
    }
    void set_tabletmode(bool on) { emit mode_change_signal(tablet = on); }

signals:
    void mode_change_signal(bool tabletMode);
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    StatusManager manager;
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
