#include "logpage/alertfilter.h"

#include "reportdata/alertfields.h"
#include "translation/translation.h"

#include <QVector>

#include <algorithm>
#include <string_view>
#include <unordered_map>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

const size_t PREFETCH_AHEAD = 8;

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// needle is UTF-8 with its ASCII letters in lower case.
bool equalsIgnoringAsciiCase(const char *text, std::string_view needle)
{
    for (size_t k = 0; k < needle.size(); ++k) {
        if (lowerAscii(text[k]) != needle[k])
            return false;
    }
    return true;
}

// needle is UTF-8 with its ASCII letters in lower case, not empty. An ASCII letter differs from its
// other case in bit 0x20 only: with that bit set in every byte, the first and
// the last character of the needle pick the candidates, 16 places at a time,
// and each candidate is compared exactly (the bit also joins a few symbols).
// The whole loaded list is searched on every keystroke.
bool containsIgnoringAsciiCase(std::string_view haystack, std::string_view needle)
{
    const size_t length = needle.size();
    if (length > haystack.size())
        return false;
    const char *text = haystack.data();
    const size_t starts = haystack.size() - length + 1;
    const char first = char(needle.front() | 0x20);
    size_t at = 0;
#ifdef __SSE2__
    const __m128i bit = _mm_set1_epi8(0x20);
    const __m128i firsts = _mm_set1_epi8(first);
    const __m128i lasts = _mm_set1_epi8(char(needle.back() | 0x20));
    for (; at + 16 <= starts; at += 16) {
        const __m128i head = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i *>(text + at)), bit);
        const __m128i tail
            = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i *>(text + at + length - 1)), bit);
        unsigned candidates = unsigned(
            _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(head, firsts), _mm_cmpeq_epi8(tail, lasts))));
        for (; candidates; candidates &= candidates - 1) {
            if (equalsIgnoringAsciiCase(text + at + unsigned(__builtin_ctz(candidates)), needle))
                return true;
        }
    }
#endif
    for (; at < starts; ++at) {
        if (char(text[at] | 0x20) == first && equalsIgnoringAsciiCase(text + at, needle))
            return true;
    }
    return false;
}

} // namespace

AlertFilter::AlertFilter(
    const QString &text, Severity severity, const Translation *titles, AlertField field, const QString &exact)
    : m_text(text.trimmed())
    , m_severity(severity)
    , m_titles(titles)
    , m_utf8(m_text.toStdString())
    , m_field(field)
    , m_exact(exact.toStdString())
{
    const bool caseOnlyInAscii = std::all_of(m_text.begin(), m_text.end(),
        [](QChar c) { return c.unicode() < 0x80 || (c.toLower() == c && c.toUpper() == c); });
    if (caseOnlyInAscii) {
        m_asciiFolded = m_utf8;
        std::transform(m_asciiFolded.begin(), m_asciiFolded.end(), m_asciiFolded.begin(), lowerAscii);
    } else {
        // A match in another case starts with a case form of the first character.
        const uint first = m_text.toUcs4().front();
        for (uint form : { first, QChar::toLower(first), QChar::toUpper(first), QChar::toTitleCase(first),
                 QChar::toCaseFolded(first) }) {
            const std::string utf8 = QString::fromUcs4(&form, 1).toStdString();
            if (std::find(m_firstForms.begin(), m_firstForms.end(), utf8) == m_firstForms.end())
                m_firstForms.push_back(utf8);
        }
    }
}

bool AlertFilter::textIn(const std::string &field) const
{
    // Where only ASCII letters have case (English, Chinese, addresses) the
    // UTF-8 bytes are scanned as they are. Other texts are compared as typed
    // first, and converted only where a different case could still match.
    if (!m_asciiFolded.empty())
        return containsIgnoringAsciiCase(field, m_asciiFolded);
    if (field.find(m_utf8) != std::string::npos)
        return true;
    const bool mayMatch = std::any_of(m_firstForms.begin(), m_firstForms.end(),
        [&field](const std::string &form) { return field.find(form) != std::string::npos; });
    return mayMatch
        && QString::fromUtf8(field.data(), int(field.size())).contains(m_text, Qt::CaseInsensitive);
}

bool AlertFilter::fieldMatches(const loginfo &alert) const
{
    switch (m_field) {
    case AlertField::None:
        return true;
    case AlertField::RuleDescription:
        return alert.comment == m_exact || ruleTitleBytes(alert.comment, m_titles) == m_exact;
    case AlertField::SourceAddress:
        return alert.srcIp == m_exact;
    case AlertField::User:
        return alert.user == m_exact;
    }
    return false;
}

bool AlertFilter::narrows(const AlertFilter &earlier) const
{
    if (earlier.m_field != AlertField::None && (earlier.m_field != m_field || earlier.m_exact != m_exact))
        return false;
    const bool severityWithin = earlier.m_severity == AnySeverity || earlier.m_severity == m_severity;
    // Both compare case the same way, so a text holding this one holds the earlier one.
    const bool textWithin = earlier.m_text.isEmpty()
        || (m_text.contains(earlier.m_text) && m_asciiFolded.empty() == earlier.m_asciiFolded.empty());
    return severityWithin && textWithin;
}

template<typename AlertAt>
std::vector<const loginfo *> AlertFilter::select(size_t count, AlertAt alertAt) const
{
    std::vector<const loginfo *> shown;
    if (!isActive())
        shown.reserve(count);
    // A handful of rules raise most alerts: each description is looked at once.
    std::unordered_map<std::string_view, bool> descriptionMatches;
    auto textMatches = [&](const loginfo &alert) {
        auto [known, added] = descriptionMatches.try_emplace(alert.comment, false);
        if (added)
            known->second = textIn(alert.comment) || textIn(ruleTitleBytes(alert.comment, m_titles));
        return known->second || textIn(alert.srcIp) || textIn(alert.user) || textIn(alert.location)
            || textIn(alert.firstLog) || textIn(alert.otherLogs);
    };
    for (size_t i = 0; i < count; ++i) {
        const loginfo &alert = alertAt(i);
        // The texts of an alert lie wherever the loader put them: asking for
        // those of a later alert now hides the wait for memory.
        if (i + PREFETCH_AHEAD < count && !m_text.isEmpty()) {
            const loginfo &later = alertAt(i + PREFETCH_AHEAD);
            for (const std::string *text :
                { &later.comment, &later.location, &later.firstLog, &later.otherLogs })
                __builtin_prefetch(text->data());
        }
        if (m_severity == HighRisk && alert.level < 15)
            continue;
        if (m_severity == NormalRisk && (alert.level < 12 || alert.level > 14))
            continue;
        if (!m_text.isEmpty() && !textMatches(alert))
            continue;
        if (m_field != AlertField::None && !fieldMatches(alert))
            continue;
        shown.push_back(&alert);
    }
    return shown;
}

std::vector<const loginfo *> AlertFilter::apply(AlertSpan range) const
{
    return select(range.size(), [&range](size_t i) -> const loginfo & { return range[i]; });
}

std::vector<const loginfo *> AlertFilter::apply(const std::vector<const loginfo *> &alerts) const
{
    return select(alerts.size(), [&alerts](size_t i) -> const loginfo & { return *alerts[i]; });
}
