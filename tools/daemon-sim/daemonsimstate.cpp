#include "daemonsimstate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QSaveFile>

const char *const DaemonSimState::AI_SERVICE = "tarvix_net_ai";
const char *const DaemonSimState::AI_PACKAGE = "tarvix-net-ai";

namespace {

const int STATE_VERSION = 1;

bool readString(const QJsonObject &object, const QString &key, QString &into, QString *error)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined()) {
        return true; // keep the default
    }
    if (!value.isString()) {
        *error = QStringLiteral("\"%1\" is not a string").arg(key);
        return false;
    }
    into = value.toString();
    return true;
}

bool readInt(const QJsonObject &object, const QString &key, int &into, QString *error)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined()) {
        return true;
    }
    if (!value.isDouble() || value.toDouble() != double(value.toInt())) {
        *error = QStringLiteral("\"%1\" is not an integer").arg(key);
        return false;
    }
    into = value.toInt();
    return true;
}

} // namespace

const QStringList &DaemonSimState::serviceNames()
{
    static const QStringList names = {
        QStringLiteral("tarvix-ebpf"),
        QStringLiteral("tarvix-logscan"),
        QStringLiteral("tarvix-rootcheck"),
        QStringLiteral("tarvix-research"),
        QStringLiteral("tarvix-intervention"),
        QString::fromLatin1(AI_SERVICE),
    };
    return names;
}

const QStringList &DaemonSimState::aiKeys()
{
    static const QStringList keys = {
        QStringLiteral("time_window"),
        QStringLiteral("dns_flood_threshold"),
        QStringLiteral("syn_flood_threshold"),
        QStringLiteral("ack_flood_threshold"),
        QStringLiteral("udp_flood_threshold"),
        QStringLiteral("icmp_flood_threshold"),
    };
    return keys;
}

DaemonSimState::DaemonSimState()
    : notifyDisabled(QStringLiteral("no"))
    , notifyTimeout(QStringLiteral("10"))
    , notifyFold(QStringLiteral("no"))
    , whitelist(QStringLiteral("127.0.0.1 192.168.1.1"))
    , blockIpTimeout(QStringLiteral("600s"))
    , eventTotalCount(QStringLiteral("1024"))
{
    // The detection and defence services run; the AI service is not installed.
    for (const QString &name : serviceNames()) {
        services.insert(
            name, name == QLatin1String(AI_SERVICE) ? ServiceStatus { 0, 0 } : ServiceStatus { 1, 1 });
    }
    const QStringList defaults = { QStringLiteral("100"), QStringLiteral("80"), QStringLiteral("500"),
        QStringLiteral("500"), QStringLiteral("500"), QStringLiteral("500") };
    for (int i = 0; i < aiKeys().size(); ++i) {
        aiConfig.insert(aiKeys().at(i), defaults.at(i));
    }
}

bool DaemonSimState::load(const QString &statePath, QString *error)
{
    path = statePath;
    QFile file(path);
    if (!file.exists()) {
        const QString dir = QFileInfo(path).absolutePath();
        if (!QDir().mkpath(dir)) {
            *error = QStringLiteral("cannot create the directory %1").arg(dir);
            return false;
        }
        return save(error);
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        *error = QStringLiteral("%1 is not a JSON object (%2); fix or remove it")
                     .arg(path,
                         parseError.error != QJsonParseError::NoError ? parseError.errorString()
                                                                      : QStringLiteral("not an object"));
        return false;
    }
    if (!fromJson(document.object(), error)) {
        *error = QStringLiteral("%1: %2").arg(path, *error);
        return false;
    }
    return true;
}

bool DaemonSimState::save(QString *error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    file.write(QJsonDocument(toJson()).toJson(QJsonDocument::Indented));
    if (!file.commit()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

QJsonObject DaemonSimState::toJson() const
{
    QJsonObject serviceObject;
    for (auto it = services.cbegin(); it != services.cend(); ++it) {
        serviceObject.insert(it.key(), QJsonObject { { "type0", it->type0 }, { "type1", it->type1 } });
    }
    QJsonObject ai;
    for (auto it = aiConfig.cbegin(); it != aiConfig.cend(); ++it) {
        ai.insert(it.key(), it.value());
    }
    return QJsonObject {
        { "version", STATE_VERSION },
        { "services", serviceObject },
        { "aiPackageInstalled", aiPackageInstalled },
        { "notify",
            QJsonObject { { "notifyDisabled", notifyDisabled }, { "notifyTimeout", notifyTimeout },
                { "notifyFold", notifyFold } } },
        { "intervention",
            QJsonObject { { "block_ip",
                QJsonObject { { "whitelist", whitelist }, { "blockip_timeout", blockIpTimeout } } } } },
        { "ai", ai },
        { "eventTotalCount", eventTotalCount },
    };
}

bool DaemonSimState::fromJson(const QJsonObject &json, QString *error)
{
    // Start from the defaults, so a file written by hand may leave keys out.
    DaemonSimState next;
    next.path = path;

    const QJsonObject serviceObject = json.value("services").toObject();
    for (auto it = serviceObject.constBegin(); it != serviceObject.constEnd(); ++it) {
        if (!serviceNames().contains(it.key())) {
            *error = QStringLiteral("unknown service \"%1\"").arg(it.key());
            return false;
        }
        ServiceStatus &status = next.services[it.key()];
        const QJsonObject types = it.value().toObject();
        if (!readInt(types, "type0", status.type0, error) || !readInt(types, "type1", status.type1, error)) {
            return false;
        }
    }

    const QJsonValue installed = json.value("aiPackageInstalled");
    if (!installed.isUndefined() && !installed.isBool()) {
        *error = QStringLiteral("\"aiPackageInstalled\" is not true or false");
        return false;
    }
    next.aiPackageInstalled = installed.toBool(next.aiPackageInstalled);

    const QJsonObject notify = json.value("notify").toObject();
    const QJsonObject blockIp = json.value("intervention").toObject().value("block_ip").toObject();
    if (!readString(notify, "notifyDisabled", next.notifyDisabled, error)
        || !readString(notify, "notifyTimeout", next.notifyTimeout, error)
        || !readString(notify, "notifyFold", next.notifyFold, error)
        || !readString(blockIp, "whitelist", next.whitelist, error)
        || !readString(blockIp, "blockip_timeout", next.blockIpTimeout, error)
        || !readString(json, "eventTotalCount", next.eventTotalCount, error)) {
        return false;
    }

    const QJsonObject ai = json.value("ai").toObject();
    for (const QString &key : aiKeys()) {
        if (!readString(ai, key, next.aiConfig[key], error)) {
            return false;
        }
    }

    *this = next;
    return true;
}
