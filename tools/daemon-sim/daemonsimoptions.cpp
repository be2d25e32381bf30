#include "daemonsimoptions.h"

#include "daemonsiminterface.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace {

const int MAX_DELAY_MS = 10 * 60 * 1000;

bool readMethodList(
    const QCommandLineParser &parser, const QString &option, QSet<QString> &into, QString &error)
{
    for (const QString &name : parser.values(option)) {
        if (!findSimMethod(name)) {
            error = QStringLiteral("--%1: unknown method \"%2\"; known methods: %3")
                        .arg(option, name, simMethodNames().join(QStringLiteral(", ")));
            return false;
        }
        into.insert(name);
    }
    return true;
}

} // namespace

QString DaemonSimOptions::defaultStatePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
        + QStringLiteral("/state.json");
}

DaemonSimOptions::ParseResult DaemonSimOptions::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Stand-in for the Tarvix desktop daemon. Owns com.zorva.tarvix.desktop at\n"
        "/com/zorva/tarvix/desktop on the chosen bus and answers the front-end's calls\n"
        "from a JSON state file. Every call and its reply are logged on standard output.\n"
        "Fault options name a D-Bus method (for example getNotifyConfig) and may be repeated.\n"
        "Run it on a private bus, never on the machine's real system bus:\n"
        "  dbus-daemon --config-file=tools/dbus/private-bus.conf --print-address --fork\n"
        "  DBUS_SYSTEM_BUS_ADDRESS=<printed address> tarvix-daemon-sim --state /tmp/state.json"));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();

    const QCommandLineOption busOption(QStringLiteral("bus"),
        QStringLiteral("Bus to serve on: system (default) or session. DBUS_SYSTEM_BUS_ADDRESS and "
                       "DBUS_SESSION_BUS_ADDRESS say where they are."),
        QStringLiteral("system|session"), QStringLiteral("system"));
    const QCommandLineOption stateOption(QStringLiteral("state"),
        QStringLiteral("JSON state file (default %1). Created with defaults when missing; rewritten "
                       "atomically after every change.")
            .arg(defaultStatePath()),
        QStringLiteral("file"));
    const QCommandLineOption alertsOption(QStringLiteral("alerts"),
        QStringLiteral("Alerts log that generateLogFile copies into the snapshot. Without it, or while "
                       "the file does not exist, the snapshot is empty."),
        QStringLiteral("file"));
    const QCommandLineOption snapshotOption(QStringLiteral("snapshot"),
        QStringLiteral("Where generateLogFile writes the snapshot (default /tmp/tarvix_alerts.log). It "
                       "is written to a temporary file and renamed."),
        QStringLiteral("path"), QStringLiteral("/tmp/tarvix_alerts.log"));
    const QCommandLineOption outcomeOption(QStringLiteral("install-outcome"),
        QStringLiteral("How installPackages goes: success (answer 0, progress signals, installFinished "
                       "with 0 and the package marked installed), fail (answer 0, installFinished with "
                       "an error) or busy (answer 1, no signals). Default success."),
        QStringLiteral("success|fail|busy"), QStringLiteral("success"));
    const QCommandLineOption stepOption(QStringLiteral("install-step-ms"),
        QStringLiteral("Milliseconds between two installation signals (default 200)."), QStringLiteral("ms"),
        QStringLiteral("200"));
    const QCommandLineOption decoyOption(QStringLiteral("decoy-signals"),
        QStringLiteral("Also send every installation signal under the interface name "
                       "com.zorva.tarvix.desktop, with \"decoy\" texts; clients must not receive them."));
    const QCommandLineOption errorOption(QStringLiteral("error"),
        QStringLiteral("Answer method with an error reply."), QStringLiteral("method"));
    const QCommandLineOption noReplyOption(QStringLiteral("no-reply"),
        QStringLiteral("Answer method with an org.freedesktop.DBus.Error.NoReply error at once, as if "
                       "the call had timed out."),
        QStringLiteral("method"));
    const QCommandLineOption shortReplyOption(QStringLiteral("short-reply"),
        QStringLiteral("Do the work of method but leave the last value out of its reply."),
        QStringLiteral("method"));
    const QCommandLineOption wrongTypeOption(QStringLiteral("wrong-type"),
        QStringLiteral("Do the work of method but send its result code as a string."),
        QStringLiteral("method"));
    const QCommandLineOption delayOption(QStringLiteral("delay"),
        QStringLiteral("Answer method after ms milliseconds (other calls are served meanwhile)."),
        QStringLiteral("method=ms"));
    parser.addOptions({ busOption, stateOption, alertsOption, snapshotOption, outcomeOption, stepOption,
        decoyOption, errorOption, noReplyOption, shortReplyOption, wrongTypeOption, delayOption });

    if (!parser.parse(arguments)) {
        m_text = parser.errorText();
        return ParseResult::Error;
    }
    if (parser.isSet(helpOption)) {
        m_text = parser.helpText();
        return ParseResult::ShowText;
    }
    if (parser.isSet(versionOption)) {
        m_text = QCoreApplication::applicationName() + QLatin1Char(' ')
            + QCoreApplication::applicationVersion() + QLatin1Char('\n');
        return ParseResult::ShowText;
    }
    if (!parser.positionalArguments().isEmpty()) {
        m_text = QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first());
        return ParseResult::Error;
    }

    const QString bus = parser.value(busOption);
    if (bus == QLatin1String("system")) {
        this->bus = Bus::System;
    } else if (bus == QLatin1String("session")) {
        this->bus = Bus::Session;
    } else {
        m_text = QStringLiteral("--bus: expected system or session, got \"%1\"").arg(bus);
        return ParseResult::Error;
    }

    statePath = parser.isSet(stateOption) ? parser.value(stateOption) : defaultStatePath();
    alertsPath = parser.value(alertsOption);
    snapshotPath = parser.value(snapshotOption);
    if (statePath.isEmpty() || snapshotPath.isEmpty()) {
        m_text = QStringLiteral("--state and --snapshot need a path");
        return ParseResult::Error;
    }

    const QString outcome = parser.value(outcomeOption);
    if (outcome == QLatin1String("success")) {
        installOutcome = InstallOutcome::Success;
    } else if (outcome == QLatin1String("fail")) {
        installOutcome = InstallOutcome::Fail;
    } else if (outcome == QLatin1String("busy")) {
        installOutcome = InstallOutcome::Busy;
    } else {
        m_text = QStringLiteral("--install-outcome: expected success, fail or busy, got \"%1\"").arg(outcome);
        return ParseResult::Error;
    }

    bool isNumber = false;
    installStepMs = parser.value(stepOption).toInt(&isNumber);
    if (!isNumber || installStepMs < 0 || installStepMs > MAX_DELAY_MS) {
        m_text = QStringLiteral("--install-step-ms: expected 0 to %1").arg(MAX_DELAY_MS);
        return ParseResult::Error;
    }
    decoySignals = parser.isSet(decoyOption);

    if (!readMethodList(parser, QStringLiteral("error"), errorMethods, m_text)
        || !readMethodList(parser, QStringLiteral("no-reply"), noReplyMethods, m_text)
        || !readMethodList(parser, QStringLiteral("short-reply"), shortReplyMethods, m_text)
        || !readMethodList(parser, QStringLiteral("wrong-type"), wrongTypeMethods, m_text)) {
        return ParseResult::Error;
    }

    for (const QString &entry : parser.values(delayOption)) {
        const int equals = entry.indexOf(QLatin1Char('='));
        const QString name = entry.left(equals);
        const int ms = equals < 0 ? -1 : entry.mid(equals + 1).toInt(&isNumber);
        if (equals < 0 || !isNumber || ms < 0 || ms > MAX_DELAY_MS) {
            m_text = QStringLiteral("--delay: expected method=ms with ms from 0 to %1, got \"%2\"")
                         .arg(MAX_DELAY_MS)
                         .arg(entry);
            return ParseResult::Error;
        }
        if (!findSimMethod(name)) {
            m_text = QStringLiteral("--delay: unknown method \"%1\"; known methods: %2")
                         .arg(name, simMethodNames().join(QStringLiteral(", ")));
            return ParseResult::Error;
        }
        delayMs.insert(name, ms);
    }
    return ParseResult::Run;
}
