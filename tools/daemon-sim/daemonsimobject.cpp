#include "daemonsimobject.h"

#include "daemonsiminterface.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

#include <cstdio>

namespace {

const qint64 COPY_CHUNK = 1 << 20;

QString quoted(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\')) {
            out += QLatin1Char('\\');
            out += c;
        } else if (c == QLatin1Char('\n')) {
            out += QStringLiteral("\\n");
        } else if (c.unicode() < 0x20 || c.unicode() == 0x7f) {
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        } else {
            out += c;
        }
    }
    return out + QLatin1Char('"');
}

QString describe(const QVariant &value)
{
    if (value.userType() == QMetaType::QString) {
        return quoted(value.toString());
    }
    if (value.userType() == QMetaType::QStringList) {
        QStringList items;
        for (const QString &item : value.toStringList()) {
            items << quoted(item);
        }
        return QLatin1Char('[') + items.join(QStringLiteral(", ")) + QLatin1Char(']');
    }
    return value.toString();
}

QString describe(const QList<QVariant> &values)
{
    QStringList items;
    for (const QVariant &value : values) {
        items << describe(value);
    }
    return QLatin1Char('(') + items.join(QStringLiteral(", ")) + QLatin1Char(')');
}

bool isKnownService(const QString &name)
{
    return DaemonSimState::serviceNames().contains(name);
}

} // namespace

DaemonSimObject::DaemonSimObject(const DaemonSimOptions &options, const DaemonSimState &state,
    const QDBusConnection &connection, QObject *parent)
    : QDBusVirtualObject(parent)
    , m_options(options)
    , m_state(state)
    , m_connection(connection)
{
    m_installTimer.setInterval(m_options.installStepMs);
    connect(&m_installTimer, &QTimer::timeout, this, &DaemonSimObject::playInstallStep);
}

void DaemonSimObject::log(const QString &line)
{
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

QString DaemonSimObject::introspect(const QString &) const
{
    return simInterfaceXml();
}

bool DaemonSimObject::handleMessage(const QDBusMessage &message, const QDBusConnection &)
{
    if (message.type() != QDBusMessage::MethodCallMessage) {
        return false;
    }
    const QString interface = message.interface();
    if (interface.startsWith(QLatin1String("org.freedesktop.DBus."))) {
        return false; // introspection, ping and properties are Qt's business
    }
    if (!interface.isEmpty() && interface != QLatin1String(SIM_INTERFACE_NAME)) {
        log(QStringLiteral("refused %1.%2: unknown interface").arg(interface, message.member()));
        sendError(message, QStringLiteral("org.freedesktop.DBus.Error.UnknownInterface"),
            QStringLiteral("No interface \"%1\" at %2").arg(interface, message.path()));
        return true;
    }
    const SimMember *method = findSimMethod(message.member());
    if (!method) {
        log(QStringLiteral("refused %1: unknown method").arg(message.member()));
        sendError(message, QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod"),
            QStringLiteral("No method \"%1\"").arg(message.member()));
        return true;
    }
    if (message.signature() != method->inSignature()) {
        log(QStringLiteral("refused %1: signature \"%2\"").arg(method->name, message.signature()));
        sendError(message, QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"),
            QStringLiteral("%1 takes \"%2\", not \"%3\"")
                .arg(method->name, method->inSignature(), message.signature()));
        return true;
    }

    log(QStringLiteral("call %1%2").arg(method->name, describe(message.arguments())));
    const auto delay = m_options.delayMs.constFind(method->name);
    if (delay != m_options.delayMs.constEnd()) {
        QTimer::singleShot(*delay, this, [this, message] { answer(message); });
    } else {
        answer(message);
    }
    return true;
}

void DaemonSimObject::sendError(const QDBusMessage &call, const QString &name, const QString &text)
{
    m_connection.send(call.createErrorReply(name, text));
}

void DaemonSimObject::answer(const QDBusMessage &call)
{
    const QString method = call.member();
    if (m_options.errorMethods.contains(method)) {
        log(QStringLiteral("reply %1 -> error (injected)").arg(method));
        sendError(call, QStringLiteral("com.zorva.tarvix.desktop.Error.Failed"),
            QStringLiteral("%1 failed (injected by the stand-in daemon)").arg(method));
        return;
    }
    if (m_options.noReplyMethods.contains(method)) {
        log(QStringLiteral("reply %1 -> no reply (injected)").arg(method));
        sendError(call, QStringLiteral("org.freedesktop.DBus.Error.NoReply"),
            QStringLiteral("Did not receive a reply (injected by the stand-in daemon)"));
        return;
    }

    QList<QVariant> values = run(method, call.arguments());
    if (m_options.shortReplyMethods.contains(method)) {
        values.removeLast();
    }
    if (m_options.wrongTypeMethods.contains(method) && !values.isEmpty()) {
        values[0] = QVariant(QStringLiteral("result %1").arg(values.first().toInt()));
    }
    log(QStringLiteral("reply %1 -> %2").arg(method, describe(values)));
    m_connection.send(call.createReply(values));

    // The answer goes out before the first installation signal.
    if (m_installing && !m_installTimer.isActive()) {
        m_installTimer.start();
    }
}

QList<QVariant> DaemonSimObject::run(const QString &method, const QList<QVariant> &args)
{
    const auto text = [&args](int i) { return args.at(i).toString(); };
    const auto number = [&args](int i) { return args.at(i).toInt(); };

    if (method == QLatin1String("generateLogFile")) {
        return { generateLogFile() };
    }
    if (method == QLatin1String("getAiConfig")) {
        QString value;
        const int result = getAiConfig(text(0), value);
        return { result, value };
    }
    if (method == QLatin1String("getEventTotalCount")) {
        return { 0, m_state.eventTotalCount };
    }
    if (method == QLatin1String("getInterventionConfig")) {
        QString value;
        const int result = getInterventionConfig(text(0), text(1), value);
        return { result, value };
    }
    if (method == QLatin1String("getNotifyConfig")) {
        return { 0, m_state.notifyDisabled, m_state.notifyTimeout, m_state.notifyFold };
    }
    if (method == QLatin1String("getServiceStatus")) {
        return { getServiceStatus(text(0), number(1)) };
    }
    if (method == QLatin1String("installPackages")) {
        return { installPackages(args.at(0).toStringList()) };
    }
    if (method == QLatin1String("restartService")) {
        return { restartService(text(0)) };
    }
    if (method == QLatin1String("setAiConfig")) {
        return { setAiConfig(text(0), text(1)) };
    }
    if (method == QLatin1String("setInterventionConfig")) {
        return { setInterventionConfig(text(0), text(1), text(2)) };
    }
    if (method == QLatin1String("setNotifyConfig")) {
        return { setNotifyConfig(text(0), text(1), text(2)) };
    }
    if (method == QLatin1String("setServiceStatus")) {
        return { setServiceStatus(text(0), number(1), number(2)) };
    }
    return { int(InternalError) }; // the method table and this dispatch disagree
}

int DaemonSimObject::commit(const DaemonSimState &next)
{
    QString error;
    if (!next.save(&error)) {
        log(QStringLiteral("state not saved, change dropped: %1").arg(error));
        return InternalError;
    }
    m_state = next;
    return 0;
}

int DaemonSimObject::generateLogFile()
{
    // Written under a temporary name and renamed, so a reader sees the old
    // snapshot or the new one, never half of one.
    QSaveFile snapshot(m_options.snapshotPath);
    if (!snapshot.open(QIODevice::WriteOnly)) {
        log(QStringLiteral("cannot write the snapshot %1: %2")
                .arg(m_options.snapshotPath, snapshot.errorString()));
        return InternalError;
    }
    snapshot.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    qint64 copied = 0;
    if (!m_options.alertsPath.isEmpty() && QFile::exists(m_options.alertsPath)) {
        QFile alerts(m_options.alertsPath);
        if (!alerts.open(QIODevice::ReadOnly)) {
            log(QStringLiteral("cannot read the alerts log %1: %2")
                    .arg(m_options.alertsPath, alerts.errorString()));
            snapshot.cancelWriting();
            return InternalError;
        }
        while (!alerts.atEnd()) {
            const QByteArray chunk = alerts.read(COPY_CHUNK);
            if (chunk.isEmpty() || snapshot.write(chunk) != chunk.size()) {
                log(QStringLiteral("copying %1 failed").arg(m_options.alertsPath));
                snapshot.cancelWriting();
                return InternalError;
            }
            copied += chunk.size();
        }
    }
    if (!snapshot.commit()) {
        log(QStringLiteral("cannot write the snapshot %1: %2")
                .arg(m_options.snapshotPath, snapshot.errorString()));
        return InternalError;
    }
    log(QStringLiteral("snapshot %1 written, %2 bytes").arg(m_options.snapshotPath).arg(copied));
    return 0;
}

int DaemonSimObject::getServiceStatus(const QString &name, int type)
{
    if (!isKnownService(name)) {
        return UnknownService;
    }
    const DaemonSimState::ServiceStatus status = m_state.services.value(name);
    switch (type) {
    case 0:
        return status.type0;
    case 1:
        return status.type1;
    case 2:
        // Installation state: only the AI service is optional.
        if (name == QLatin1String(DaemonSimState::AI_SERVICE)) {
            return m_state.aiPackageInstalled ? 1 : 2;
        }
        return 1;
    default:
        return InvalidArgument;
    }
}

int DaemonSimObject::setServiceStatus(const QString &names, int status, int type)
{
    const QStringList list = names.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (list.isEmpty()) {
        return UnknownService;
    }
    if ((status != 0 && status != 1) || (type != 0 && type != 1)) {
        return InvalidArgument;
    }
    // All names or none: one unknown name changes nothing.
    DaemonSimState next = m_state;
    for (const QString &name : list) {
        if (!isKnownService(name)) {
            return UnknownService;
        }
        if (name == QLatin1String(DaemonSimState::AI_SERVICE) && status == 1 && !m_state.aiPackageInstalled) {
            return NotInstalled;
        }
        DaemonSimState::ServiceStatus &entry = next.services[name];
        (type == 0 ? entry.type0 : entry.type1) = status;
    }
    return commit(next);
}

int DaemonSimObject::restartService(const QString &name)
{
    if (!isKnownService(name)) {
        return UnknownService;
    }
    if (name == QLatin1String(DaemonSimState::AI_SERVICE) && !m_state.aiPackageInstalled) {
        return NotInstalled;
    }
    log(QStringLiteral("restarted %1").arg(name));
    return 0;
}

int DaemonSimObject::setNotifyConfig(const QString &disabled, const QString &timeout, const QString &fold)
{
    const QStringList yesNo = { QStringLiteral("yes"), QStringLiteral("no") };
    bool isNumber = false;
    const int seconds = timeout.toInt(&isNumber);
    if (!yesNo.contains(disabled) || !yesNo.contains(fold) || !isNumber
        || (seconds != -1 && (seconds < 1 || seconds > 60))) {
        return InvalidArgument;
    }
    DaemonSimState next = m_state;
    next.notifyDisabled = disabled;
    next.notifyTimeout = timeout;
    next.notifyFold = fold;
    return commit(next);
}

int DaemonSimObject::getInterventionConfig(const QString &action, const QString &field, QString &value) const
{
    if (action != QLatin1String("block_ip")) {
        return InvalidArgument;
    }
    if (field == QLatin1String("whitelist")) {
        value = m_state.whitelist;
    } else if (field == QLatin1String("blockip_timeout")) {
        value = m_state.blockIpTimeout;
    } else {
        return InvalidArgument;
    }
    return 0;
}

int DaemonSimObject::setInterventionConfig(const QString &action, const QString &field, const QString &value)
{
    if (action != QLatin1String("block_ip")) {
        return InvalidArgument;
    }
    DaemonSimState next = m_state;
    if (field == QLatin1String("whitelist")) {
        // Addresses separated by blanks; the front-end may send an address it
        // is still typing, so only line breaks and control characters are refused.
        static const QRegularExpression control(QStringLiteral("[\\x00-\\x1f\\x7f]"));
        if (value.contains(control)) {
            return InvalidArgument;
        }
        next.whitelist = value;
    } else if (field == QLatin1String("blockip_timeout")) {
        static const QRegularExpression timeout(QStringLiteral("^(?:[1-9][0-9]{0,8}s|-1)$"));
        if (!timeout.match(value).hasMatch()) {
            return InvalidArgument;
        }
        next.blockIpTimeout = value;
    } else {
        return InvalidArgument;
    }
    return commit(next);
}

int DaemonSimObject::getAiConfig(const QString &key, QString &value) const
{
    if (!m_state.aiConfig.contains(key)) {
        return InvalidArgument;
    }
    value = m_state.aiConfig.value(key);
    return 0;
}

int DaemonSimObject::setAiConfig(const QString &key, const QString &value)
{
    static const QRegularExpression number(QStringLiteral("^[0-9]{1,9}$"));
    if (!m_state.aiConfig.contains(key) || !number.match(value).hasMatch()) {
        return InvalidArgument;
    }
    DaemonSimState next = m_state;
    next.aiConfig[key] = value;
    return commit(next);
}

int DaemonSimObject::installPackages(const QStringList &packages)
{
    if (m_options.installOutcome == DaemonSimOptions::InstallOutcome::Busy || m_installing) {
        return Busy;
    }
    if (packages.isEmpty()) {
        return InvalidArgument;
    }
    for (const QString &package : packages) {
        if (package != QLatin1String(DaemonSimState::AI_PACKAGE)) {
            log(QStringLiteral("unknown package %1").arg(quoted(package)));
            return InvalidArgument;
        }
    }
    const QString name = packages.join(QStringLiteral(", "));
    m_installSteps = {
        { 0, QStringLiteral("downloading"), QStringLiteral("Downloading %1").arg(name) },
        { 35, QStringLiteral("downloading"), QStringLiteral("Downloaded %1").arg(name) },
        { 60, QStringLiteral("installing"), QStringLiteral("Unpacking %1").arg(name) },
    };
    if (m_options.installOutcome == DaemonSimOptions::InstallOutcome::Success) {
        m_installSteps.append(
            { 85, QStringLiteral("configuring"), QStringLiteral("Setting up %1").arg(name) });
        m_installSteps.append({ 100, QStringLiteral("finished"), QStringLiteral("%1 installed").arg(name) });
    }
    m_installPackages = packages;
    m_installing = true; // the timer starts once the answer has gone out
    return 0;
}

void DaemonSimObject::playInstallStep()
{
    if (!m_installSteps.isEmpty()) {
        const InstallStep step = m_installSteps.takeFirst();
        emitSignal(QStringLiteral("installProgress"), { step.percent, step.status, step.details });
        return;
    }
    m_installTimer.stop();
    m_installing = false;

    int success = 1;
    QString errorCode = QStringLiteral("100");
    QString errorMsg = QStringLiteral("Installation of %1 failed: unmet dependencies")
                           .arg(m_installPackages.join(QStringLiteral(", ")));
    if (m_options.installOutcome == DaemonSimOptions::InstallOutcome::Success) {
        DaemonSimState next = m_state;
        next.aiPackageInstalled = true;
        if (commit(next) == 0) {
            success = 0;
            errorCode.clear();
            errorMsg.clear();
        } else {
            errorCode = QStringLiteral("%1").arg(int(InternalError));
            errorMsg = QStringLiteral("The installation could not be recorded");
        }
    }
    emitSignal(QStringLiteral("installFinished"), { success, m_installPackages, errorCode, errorMsg });
}

void DaemonSimObject::emitSignal(const QString &name, const QList<QVariant> &args)
{
    if (m_options.decoySignals) {
        QList<QVariant> decoy = args;
        for (int i = 1; i < decoy.size(); ++i) {
            if (decoy.at(i).userType() == QMetaType::QString) {
                decoy[i] = QStringLiteral("decoy");
            }
        }
        QDBusMessage message = QDBusMessage::createSignal(
            QLatin1String(SIM_OBJECT_PATH), QLatin1String(SIM_DECOY_INTERFACE_NAME), name);
        message.setArguments(decoy);
        m_connection.send(message);
        log(QStringLiteral("decoy signal %1%2").arg(name, describe(decoy)));
    }
    QDBusMessage message
        = QDBusMessage::createSignal(QLatin1String(SIM_OBJECT_PATH), QLatin1String(SIM_INTERFACE_NAME), name);
    message.setArguments(args);
    m_connection.send(message);
    log(QStringLiteral("signal %1%2").arg(name, describe(args)));
}
