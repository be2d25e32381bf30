#include "usage/usageevents.h"
#include "logging/logcategories.h"

#include <QByteArray>
#include <QDebug>
#include <QFile>
#include <QLibraryInfo>

#include <cstdio>
#include <dlfcn.h>
#include <vector>

const QMap<int, QString> usagePageNames = {
    { UsagePageMainWindow, QStringLiteral("main_window") },
    { UsagePageMain, QStringLiteral("main_page") },
};

const QMap<int, QString> usageEventCodes = {
    { UsageEventStart, QStringLiteral("kevent_intrusion_detect_desktop_start") },
    { UsageEventSwitchTab, QStringLiteral("kevent_intrusion_detect_desktop_switch_tab") },
};

const char *const USAGE_LIBRARY_NAME = "liblumosdk-datacollect.so";

namespace {

// The library's property record: a key and a value, NUL-terminated.
struct UsageProperty
{
    char *key;
    char *value;
};

using InitFunction = void *(*)(int, int);
using AppendFunction = void (*)(void *, UsageProperty *, int);
using UploadFunction = void (*)(void *, const char *, const char *);
using FreeFunction = void (*)(void *);

} // namespace

QString defaultUsageLibraryDir()
{
    return QLibraryInfo::location(QLibraryInfo::LibrariesPath);
}

void uploadUsageEvent(int page, int event, const QMap<QString, QString> &properties)
{
    uploadUsageEvent(defaultUsageLibraryDir(), page, event, properties);
}

void uploadUsageEvent(
    const QString &libraryDir, int page, int event, const QMap<QString, QString> &properties)
{
    const auto pageName = usagePageNames.constFind(page);
    if (pageName == usagePageNames.constEnd()) {
        qCCritical(lcUsage) << "Buried point page is not exist.";
        return;
    }
    const auto eventCode = usageEventCodes.constFind(event);
    if (eventCode == usageEventCodes.constEnd()) {
        qCCritical(lcUsage) << "Buried point event code is not exist.";
        return;
    }

    // Opened afresh for every event, so a library installed meanwhile is picked up.
    const QString path = QString("%1/%2").arg(libraryDir, QString::fromLatin1(USAGE_LIBRARY_NAME));
    void *library = dlopen(QFile::encodeName(path).constData(), RTLD_LAZY);
    if (!library) {
        qCCritical(lcUsage) << "Error loading " << path << dlerror();
        return;
    }

    dlerror();
    const auto init = reinterpret_cast<InitFunction>(dlsym(library, "lumo_dia_data_init"));
    const auto append = reinterpret_cast<AppendFunction>(dlsym(library, "lumo_dia_append_custom_property"));
    const auto upload = reinterpret_cast<UploadFunction>(dlsym(library, "lumo_dia_upload_default"));
    const auto release = reinterpret_cast<FreeFunction>(dlsym(library, "lumo_dia_data_free"));
    if (!init || !append || !upload || !release) {
        const char *error = dlerror();
        std::fprintf(stderr, "Error resolving symbols: %s\n", error ? error : "symbol is null");
        dlclose(library);
        return;
    }

    void *data = init(0, 0);
    if (!data) {
        std::fprintf(stderr, "Failed to initialize track data\n");
        dlclose(library);
        return;
    }

    std::vector<UsageProperty> records;
    records.reserve(static_cast<std::size_t>(properties.size()));
    for (auto it = properties.constBegin(); it != properties.constEnd(); ++it) {
        records.push_back(
            { qstrdup(it.key().toLocal8Bit().constData()), qstrdup(it.value().toLocal8Bit().constData()) });
    }
    const QByteArray code = eventCode->toLocal8Bit();
    const QByteArray name = pageName->toLocal8Bit();

    append(data, records.data(), static_cast<int>(records.size()));
    upload(data, code.constData(), name.constData());

    for (UsageProperty &record : records) {
        delete[] record.key;
        delete[] record.value;
    }
    release(data);
    dlclose(library);
}
