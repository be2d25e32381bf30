#ifndef LOGPAGE_ALERTFILTER_H
#define LOGPAGE_ALERTFILTER_H

#include "alertengine/alertfield.h"
#include "alertengine/alertspan.h"

#include <QString>

#include <string>
#include <vector>

class Translation;

// Which alerts the alarm log shows for the user's search text and severity
// choice. The text is looked for, ignoring case, in the rule description
// (as stored and as shown), the source address, the user, the location and
// the raw lines.
class AlertFilter
{
public:
    enum Severity { AnySeverity, HighRisk, NormalRisk };

    AlertFilter() = default; // lets every alert through
    // field and exact: only the alerts whose field is exactly that (a rule
    // description matches as stored or as shown).
    AlertFilter(const QString &text, Severity severity, const Translation *titles,
        AlertField field = AlertField::None, const QString &exact = QString());

    bool isActive() const
    {
        return !m_text.isEmpty() || m_severity != AnySeverity || m_field != AlertField::None;
    }

    // The alerts of range that pass, in range order.
    std::vector<const loginfo *> apply(AlertSpan range) const;
    std::vector<const loginfo *> apply(const std::vector<const loginfo *> &alerts) const;

    // True when every alert this filter lets through, earlier lets through
    // too: as the user types on, only what the last keystroke kept is searched.
    bool narrows(const AlertFilter &earlier) const;

private:
    template<typename AlertAt> std::vector<const loginfo *> select(size_t count, AlertAt alertAt) const;
    bool textIn(const std::string &field) const;
    bool fieldMatches(const loginfo &alert) const;

    QString m_text; // trimmed
    Severity m_severity = AnySeverity;
    const Translation *m_titles = nullptr;
    std::string m_utf8; // the text as typed, UTF-8
    std::string m_asciiFolded; // with ASCII letters in lower case, when no other letter has case
    std::vector<std::string> m_firstForms; // case forms of the first character, when other cases can match
    AlertField m_field = AlertField::None;
    std::string m_exact; // UTF-8
};

#endif
