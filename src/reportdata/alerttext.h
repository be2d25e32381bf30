#ifndef REPORTDATA_ALERTTEXT_H
#define REPORTDATA_ALERTTEXT_H

#include <QString>

// An alert's text (a rule description, user, address, path or raw log line)
// as it is shown. Such texts come from whatever an attacker touched: the
// bidirectional embedding, override and isolate controls (U+202A to U+202E,
// U+2066 to U+2069) and the invisible direction marks (U+200E, U+200F,
// U+061C) would let one disguise itself, so each is shown as a visible mark
// such as "<U+202E>" instead. Show the result as plain text.
QString alertTextForDisplay(const QString &text);

#endif
