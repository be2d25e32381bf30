#ifndef REPORTDATA_ALERTRANGE_H
#define REPORTDATA_ALERTRANGE_H

#include "alertengine/alertspan.h"
#include "alertstore/alertstore.h"

#include <QDate>

#include <cstdint>

// The alerts of a date range together with the snapshot they belong to, so
// whoever keeps the range keeps its alerts alive without copying them.
struct AlertRange
{
    AlertList snapshot;
    AlertSpan alerts;
};

// A day's bounds as the range filter (alertsInRange) reads them: from its
// first second to lastSecond, which is "23:59:59" for the report and
// "23:59:60" (the next day's first second, so that an alert stamped at
// midnight is in) for the alarm log.
QString rangeStartText(const QDate &day);
QString rangeEndText(const QDate &day, const char *lastSecond);

// The day an alert's time falls on, read as alert dates are read (local time
// without daylight saving), so that a range from that day's 00:00:00 takes
// the alert in; invalid for an unreadable time (0).
QDate alertDay(int64_t timeNs);

#endif
