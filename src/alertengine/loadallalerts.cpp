#include "alertengine/alertloader.h"

#include "daemon/tarvixdesktopdaemonclient.h"

#include <iostream>

int loadAllAlerts(std::vector<loginfo> &list)
{
    int skipped = 0;
    return loadAllAlerts(list, skipped);
}

int loadAllAlerts(std::vector<loginfo> &list, int &skipped)
{
    skipped = 0;
    // The daemon owns the alerts log; it writes a fresh snapshot for us first.
    const int result = TarvixDesktopDaemonClient::instance()->generateLogFile();
    if (result != 0) {
        std::cerr << "generate log file error" << std::endl;
        return result;
    }
    const int read = loadAlertLog(ALERT_SNAPSHOT_PATH, list, ALERT_SNAPSHOT_MAX_BYTES, skipped);
    if (read == 0)
        sortAlertsNewestFirst(list);
    return read;
}
