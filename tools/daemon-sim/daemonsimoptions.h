#ifndef DAEMONSIM_DAEMONSIMOPTIONS_H
#define DAEMONSIM_DAEMONSIMOPTIONS_H

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

// What the stand-in daemon was told on its command line.
class DaemonSimOptions
{
public:
    enum class Bus { System, Session };
    enum class InstallOutcome { Success, Fail, Busy };
    enum class ParseResult { Run, ShowText, Error };

    Bus bus = Bus::System;
    QString statePath;
    QString alertsPath; // empty: snapshots are empty
    QString snapshotPath = QStringLiteral("/tmp/tarvix_alerts.log");
    InstallOutcome installOutcome = InstallOutcome::Success;
    int installStepMs = 200;
    bool decoySignals = false;

    // Fault injection, by D-Bus method name.
    QSet<QString> errorMethods;
    QSet<QString> noReplyMethods;
    QSet<QString> shortReplyMethods;
    QSet<QString> wrongTypeMethods;
    QHash<QString, int> delayMs;

    // Reads the arguments (program name first). ShowText: print text() on
    // standard output and exit 0 (help, version); Error: print it on standard
    // error and exit 2.
    ParseResult parse(const QStringList &arguments);
    QString text() const { return m_text; }

    static QString defaultStatePath();

private:
    QString m_text;
};

#endif
