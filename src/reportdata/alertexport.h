#ifndef REPORTDATA_ALERTEXPORT_H
#define REPORTDATA_ALERTEXPORT_H

#include "alertengine/alertspan.h"
#include "reportdata/exportprogress.h"

#include <QString>

class Translation;

enum class ExportFormat { Pdf, Csv, JsonLines };

// The format a file name's suffix (".pdf", ".csv", ".jsonl", any case) asks for.
bool formatFromSuffix(const QString &path, ExportFormat *format);
// The format of a --format value: "pdf", "csv" or "jsonl".
bool formatFromName(const QString &name, ExportFormat *format);

// The alerts, newest first, one per row: a heading row, then every field of
// each alert (see ALERT_FIELDS), as RFC 4180 CSV in UTF-8 with a byte-order
// mark. A text cell that a spreadsheet program would run as a formula (one
// that begins with =, +, -, @, tab or carriage return) gets a leading
// apostrophe. Invalid UTF-8 becomes U+FFFD. Written through ExportFile on the
// calling thread (any thread), counting progress->written; when
// progress->cancelled is set it stops, leaves no file and returns false.
bool writeAlertsCsv(const QString &path, AlertSpan alerts, const Translation &translation,
    ExportProgress *progress, QString *error);

// The same alerts as JSON Lines: one object per alert with the same keys,
// numbers as numbers, an unknown value as null, the raw lines as an array.
// Every control character is escaped, and so are the invisible direction
// controls, so a line shows what it holds wherever it is read.
bool writeAlertsJsonLines(const QString &path, AlertSpan alerts, const Translation &translation,
    ExportProgress *progress, QString *error);

#endif
