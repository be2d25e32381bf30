#ifndef REPORT_ALERTRANGE_H
#define REPORT_ALERTRANGE_H

// The range moved below the widgets; the PDF writer still includes it from here.
#include "reportdata/alertrange.h"

#endif
