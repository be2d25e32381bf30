#ifndef REPORTDATA_ALERTRANGE_H
#define REPORTDATA_ALERTRANGE_H

#include "alertengine/alertspan.h"
#include "alertstore/alertstore.h"

// The alerts of a date range together with the snapshot they belong to, so
// whoever keeps the range keeps its alerts alive without copying them.
struct AlertRange
{
    AlertList snapshot;
    AlertSpan alerts;
};

#endif
