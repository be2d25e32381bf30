#ifndef LOGGING_LOGCATEGORIES_H
#define LOGGING_LOGCATEGORIES_H

#include <QLoggingCategory>

// The program's log lines by area, all on by default, so that one area can be
// followed alone, e.g. QT_LOGGING_RULES="tarvix.*.debug=false;tarvix.daemon.debug=true".
#define TARVIX_LOG_CATEGORY(function, name)                                                                  \
    inline const QLoggingCategory &function()                                                                \
    {                                                                                                        \
        static const QLoggingCategory category(name);                                                        \
        return category;                                                                                     \
    }

TARVIX_LOG_CATEGORY(lcLoad, "tarvix.load") // loading and showing the alarm logs
TARVIX_LOG_CATEGORY(lcDaemon, "tarvix.daemon") // calls to the desktop daemon
TARVIX_LOG_CATEGORY(lcReport, "tarvix.report") // the statistics and their exports
TARVIX_LOG_CATEGORY(lcSettings, "tarvix.settings")
TARVIX_LOG_CATEGORY(lcApp, "tarvix.app") // start-up, main window, hand-over
TARVIX_LOG_CATEGORY(lcKit, "tarvix.kit") // window chrome and desktop style
TARVIX_LOG_CATEGORY(lcWidgets, "tarvix.widgets")
TARVIX_LOG_CATEGORY(lcSystem, "tarvix.system") // probes of the running system
TARVIX_LOG_CATEGORY(lcUsage, "tarvix.usage") // usage events

#undef TARVIX_LOG_CATEGORY

// Log lines read as they always have, without the category in front;
// QT_MESSAGE_PATTERN="%{category}: %{message}" shows it.
inline void usePlainLogLines()
{
    qSetMessagePattern("%{message}");
}

#endif
