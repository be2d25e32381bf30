#ifndef ALERTENGINE_ALERTSPAN_H
#define ALERTENGINE_ALERTSPAN_H

#include "alertengine/alertloader.h"

#include <cstddef>
#include <string>
#include <vector>

// A run of consecutive alerts of a list that someone else owns. A date range
// of a snapshot (newest first) is such a run, so pages hand ranges around
// without copying a single alert.
class AlertSpan
{
public:
    AlertSpan() = default;
    AlertSpan(const loginfo *first, size_t count)
        : m_first(first)
        , m_count(count)
    {
    }
    // Implicit, so that every operation on a span also takes a whole list.
    AlertSpan(const std::vector<loginfo> &list)
        : m_first(list.data())
        , m_count(list.size())
    {
    }

    const loginfo *begin() const { return m_first; }
    const loginfo *end() const { return m_first + m_count; }
    size_t size() const { return m_count; }
    bool empty() const { return m_count == 0; }
    const loginfo &operator[](size_t index) const { return m_first[index]; }
    const loginfo &front() const { return m_first[0]; }
    const loginfo &back() const { return m_first[m_count - 1]; }
    std::vector<loginfo> toVector() const { return std::vector<loginfo>(begin(), end()); }

private:
    const loginfo *m_first = nullptr;
    size_t m_count = 0;
};

// The alerts of a newest-first list that filterAlertsByRange would copy for
// the same texts, found by binary search: "init" to "init" is the whole list.
AlertSpan alertsInRange(
    const std::vector<loginfo> &newestFirst, const std::string &start, const std::string &end);

#endif
