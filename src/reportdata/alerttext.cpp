#include "reportdata/alerttext.h"

#include <algorithm>

namespace {

bool isBidiControl(QChar c)
{
    const ushort code = c.unicode();
    return (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069) || code == 0x200E
        || code == 0x200F || code == 0x061C;
}

} // namespace

QString alertTextForDisplay(const QString &text)
{
    if (std::none_of(text.begin(), text.end(), isBidiControl))
        return text;
    QString shown;
    shown.reserve(text.size() + 16);
    for (QChar c : text) {
        if (isBidiControl(c))
            shown += QStringLiteral("<U+%1>").arg(c.unicode(), 4, 16, QChar('0')).toUpper();
        else
            shown += c;
    }
    return shown;
}
