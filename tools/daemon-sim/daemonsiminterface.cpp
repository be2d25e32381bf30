#include "daemonsiminterface.h"

const char *const SIM_SERVICE_NAME = "com.zorva.tarvix.desktop";
const char *const SIM_OBJECT_PATH = "/com/zorva/tarvix/desktop";
const char *const SIM_INTERFACE_NAME = "com.zorva.tarvix.desktop.com.zorva.tarvix.desktop";
const char *const SIM_DECOY_INTERFACE_NAME = "com.zorva.tarvix.desktop";

namespace {

QString signatureOf(const QVector<SimArgument> &arguments)
{
    QString signature;
    for (const SimArgument &argument : arguments) {
        signature += argument.type;
    }
    return signature;
}

QString argumentXml(const SimArgument &argument, const char *direction)
{
    QString xml = QStringLiteral("      <arg name=\"%1\" type=\"%2\"").arg(argument.name, argument.type);
    if (direction) {
        xml += QStringLiteral(" direction=\"%1\"").arg(QLatin1String(direction));
    }
    return xml + QStringLiteral("/>\n");
}

} // namespace

QString SimMember::inSignature() const
{
    return signatureOf(in);
}

QString SimMember::outSignature() const
{
    return signatureOf(out);
}

const QVector<SimMember> &simMethods()
{
    static const QVector<SimMember> methods = {
        { QStringLiteral("generateLogFile"), {}, { { "result", "i" } } },
        { QStringLiteral("getAiConfig"), { { "key", "s" } }, { { "result", "i" }, { "value", "s" } } },
        { QStringLiteral("getEventTotalCount"), {}, { { "result", "i" }, { "count", "s" } } },
        { QStringLiteral("getInterventionConfig"), { { "actionName", "s" }, { "fieldName", "s" } },
            { { "result", "i" }, { "fieldValue", "s" } } },
        { QStringLiteral("getNotifyConfig"), {},
            { { "result", "i" }, { "notifyDisabled", "s" }, { "notifyTimeout", "s" },
                { "notifyFold", "s" } } },
        { QStringLiteral("getServiceStatus"), { { "serviceName", "s" }, { "type", "i" } },
            { { "result", "i" } } },
        { QStringLiteral("installPackages"), { { "packagePaths", "as" } }, { { "result", "i" } } },
        { QStringLiteral("restartService"), { { "serviceName", "s" } }, { { "result", "i" } } },
        { QStringLiteral("setAiConfig"), { { "key", "s" }, { "value", "s" } }, { { "result", "i" } } },
        { QStringLiteral("setInterventionConfig"),
            { { "actionName", "s" }, { "fieldName", "s" }, { "fieldValue", "s" } }, { { "result", "i" } } },
        { QStringLiteral("setNotifyConfig"),
            { { "notifyDisabled", "s" }, { "notifyTimeout", "s" }, { "notifyFold", "s" } },
            { { "result", "i" } } },
        { QStringLiteral("setServiceStatus"), { { "serviceName", "s" }, { "status", "i" }, { "type", "i" } },
            { { "result", "i" } } },
    };
    return methods;
}

const QVector<SimMember> &simSignals()
{
    static const QVector<SimMember> signalList = {
        { QStringLiteral("installProgress"), { { "percent", "i" }, { "status", "s" }, { "details", "s" } },
            {} },
        { QStringLiteral("installFinished"),
            { { "success", "i" }, { "packages", "as" }, { "errorCode", "s" }, { "errorMsg", "s" } }, {} },
    };
    return signalList;
}

const SimMember *findSimMethod(const QString &name)
{
    for (const SimMember &method : simMethods()) {
        if (method.name == name) {
            return &method;
        }
    }
    return nullptr;
}

QStringList simMethodNames()
{
    QStringList names;
    for (const SimMember &method : simMethods()) {
        names << method.name;
    }
    return names;
}

QString simInterfaceXml()
{
    QString xml = QStringLiteral("  <interface name=\"%1\">\n").arg(QLatin1String(SIM_INTERFACE_NAME));
    for (const SimMember &method : simMethods()) {
        xml += QStringLiteral("    <method name=\"%1\">\n").arg(method.name);
        for (const SimArgument &argument : method.in) {
            xml += argumentXml(argument, "in");
        }
        for (const SimArgument &argument : method.out) {
            xml += argumentXml(argument, "out");
        }
        xml += QStringLiteral("    </method>\n");
    }
    for (const SimMember &signal : simSignals()) {
        xml += QStringLiteral("    <signal name=\"%1\">\n").arg(signal.name);
        for (const SimArgument &argument : signal.in) {
            xml += argumentXml(argument, nullptr);
        }
        xml += QStringLiteral("    </signal>\n");
    }
    return xml + QStringLiteral("  </interface>\n");
}
