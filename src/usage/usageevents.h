#ifndef USAGE_USAGEEVENTS_H
#define USAGE_USAGEEVENTS_H

#include <QMap>
#include <QString>

// Indexes into the two tables below.
enum UsagePage { UsagePageMainWindow = 0, UsagePageMain = 1 };
enum UsageEvent { UsageEventStart = 0, UsageEventSwitchTab = 1 };

// Page index -> page name, event index -> event code, as the data-collection
// service knows them.
extern const QMap<int, QString> usagePageNames;
extern const QMap<int, QString> usageEventCodes;

// The desktop kit's data-collection library, looked for in the Qt library directory.
extern const char *const USAGE_LIBRARY_NAME; // "liblumosdk-datacollect.so"

// Sends one event through the data-collection library. The library is loaded
// for this event only; without it nothing is sent and the failure is logged.
void uploadUsageEvent(int page, int event, const QMap<QString, QString> &properties);
void uploadUsageEvent(
    const QString &libraryDir, int page, int event, const QMap<QString, QString> &properties);

// The directory the plain form loads the library from.
QString defaultUsageLibraryDir();

#endif // USAGE_USAGEEVENTS_H
