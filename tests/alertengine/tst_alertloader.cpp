#include "alertengine/alertloader.h"
#include "alertengine/alertlogscan.h"
#include "alertengine/alertspan.h"

#include "alerttestutil.h"

#include <QtTest>

#include <climits>
#include <fcntl.h>
#include <future>
#include <iomanip>
#include <random>
#include <sys/stat.h>

namespace {

// The straightforward conversions the fast paths must match.
int64_t referenceTimeNs(const std::string &text, int mode = 0)
{
    struct tm fields = {};
    std::istringstream stream(text);
    stream >> std::get_time(&fields, mode == 0 ? "%Y %b %d %H:%M:%S" : "%Y-%m-%d %H:%M:%S");
    return text.empty() || stream.fail() ? 0 : int64_t(mktime(&fields)) * 1000000000;
}

std::string referenceDay(const std::string &date)
{
    struct tm fields = {};
    strptime(date.c_str(), "%Y %b %d %H:%M:%S", &fields);
    char day[64];
    return date.empty() ? std::string() : std::string(day, strftime(day, sizeof(day), "%Y-%m-%d", &fields));
}

// fn on a thread of its own, so that an open of path that blocks fails the test instead of hanging it.
template<typename Fn> bool endsInTime(const QString &path, Fn fn)
{
    auto running = std::async(std::launch::async, fn);
    if (running.wait_for(std::chrono::seconds(10)) == std::future_status::ready)
        return true;
    close(open(qPrintable(path), O_WRONLY | O_NONBLOCK)); // a writer frees an open stuck on a FIFO
    return false;
}

// loadAlertLog's result, INT_MIN if it blocked. Returns what it wrote, stdout first.
int loadWithin(const QString &path, int64_t maxBytes, std::vector<loginfo> &list, QByteArray &written)
{
    int result = 0;
    bool ended = false;
    QByteArray errors;
    written = captureStream(1, [&] {
        errors = captureStream(2, [&] {
            ended = endsInTime(path, [&] { result = loadAlertLog(path.toStdString(), list, maxBytes); });
        });
    });
    written += errors;
    return ended ? result : INT_MIN;
}

} // namespace

class TestAlertLoader : public QObject
{
    Q_OBJECT

private slots:
    void refusesSnapshotsItCannotTrust()
    {
        QTemporaryDir dir;
        const QByteArray content = block("1", "2024 Mar 05 10:11:12", "Rule: 1 (level 15) -> 'x'");
        const QString own = writeTestFile(dir, "own.log", content);
        const QString shared = writeTestFile(dir, "shared.log", content);
        const QString other = writeTestFile(dir, "other.log", content);
        QCOMPARE(mkfifo(qPrintable(dir.filePath("fifo")), 0600), 0);
        QVERIFY(QFile::link(own, dir.filePath("link")));
        QCOMPARE(chmod(qPrintable(shared), 0664), 0);
        std::vector<std::pair<QString, QByteArray>> cases = {
            { dir.filePath("missing"), "No such file or directory" },
            { dir.path(), "it is not a regular file" }, { dir.filePath("fifo"), "it is not a regular file" },
            { dir.filePath("link"), "it is a symbolic link" }, { shared, "others may write it (mode 0664)" }
        };
        if (geteuid() == 0 && chown(qPrintable(other), 65534, 65534) == 0)
            cases.push_back(
                { other, "it belongs to user 65534, neither root nor the user running this program" });
        else
            qWarning("Not root: a file of another user is not tried (run the tests as root for that).");
        for (const auto &[path, reason] : cases) {
            std::vector<loginfo> list(1);
            QByteArray written;
            const int result = loadWithin(path, ALERT_SNAPSHOT_MAX_BYTES, list, written);
            QVERIFY2(result == ALERT_SNAPSHOT_UNREADABLE, qPrintable(path + QString(" gave %1").arg(result)));
            QCOMPARE(written,
                "Unable to open alerts file to generate report.Alert snapshot " + path.toUtf8()
                    + " not read: " + reason + "\n");
            QCOMPARE(list.size(), size_t(1));
        }

        // What the daemon writes (the user's own, 0600 or 0644) is read, up to the cap.
        std::vector<loginfo> list;
        QByteArray written;
        for (mode_t mode : { 0600, 0644 }) {
            QCOMPARE(chmod(qPrintable(own), mode), 0);
            QCOMPARE(loadWithin(own, content.size(), list, written), 0);
        }
        QCOMPARE(loadWithin(writeTestFile(dir, "empty", QByteArray()), content.size(), list, written), 0);
        QCOMPARE(list.size(), size_t(2));
        QCOMPARE(loadWithin(own, content.size() - 1, list, written), ALERT_SNAPSHOT_UNREADABLE);
        QVERIFY(written.endsWith(
            "not read: it is larger than " + QByteArray::number(content.size() - 1) + " bytes\n"));

        // Past the cap while reading (still growing) or a read failing part way: failed, not a shorter list.
        const int growing = open(qPrintable(own), O_RDONLY);
        const int directory = open(qPrintable(dir.path()), O_RDONLY);
        written = captureStream(2, [&] {
            QCOMPARE(scanAlertLog(growing, "grown", list, content.size() - 1), ALERT_SNAPSHOT_UNREADABLE);
            QCOMPARE(
                scanAlertLog(directory, "dir", list, ALERT_SNAPSHOT_MAX_BYTES), ALERT_SNAPSHOT_UNREADABLE);
        });
        close(growing), close(directory);
        QCOMPARE(written,
            QByteArray("Alert snapshot grown not read: File too large\nAlert snapshot dir not read: Is a "
                       "directory\n"));
        QCOMPARE(list.size(), size_t(2));
    }

    // Records the reader has to pass over are counted, the rest delivered; a snapshot that lost its end (cut
    // while read, or NUL padding after its last block) fails instead of passing for a complete one.
    void damagedSnapshots_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("cutTo"); // bytes left once the file is open, -1 for all
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("delivered");
        QTest::addColumn<int>("skipped");
        const QByteArray date = "2024 Mar 05 10:11:12";
        const QByteArray good = block("1", date, "Rule: 1 (level 15) -> 'ok'");
        const QByteArray nulRule = block("2", date, QByteArray("Rule: 2 (level 15) -> 'a\0b'", 27));
        const QByteArray longRule
            = block("3", date, "Rule: 3 (level 15) -> '" + QByteArray(70000, 'x') + "'");
        QTest::newRow("NUL in a Rule line") << good + nulRule + good << -1 << 0 << 2 << 1;
        QTest::newRow("Rule line over 64 KiB") << longRule + good + longRule + good << -1 << 0 << 2 << 2;
        QTest::newRow("every record skipped") << nulRule + longRule << -1 << 0 << 0 << 2;
        QTest::newRow("cut to a third while read")
            << good.repeated(9) << good.size() * 3 << ALERT_SNAPSHOT_CUT_SHORT << 0 << 0;
        const QByteArray partial = good + good.left(good.size() - 12);
        QTest::newRow("NUL padding after the last block")
            << partial + QByteArray(512, '\0') << -1 << ALERT_SNAPSHOT_CUT_SHORT << 0 << 0;
        QTest::newRow("a last block still being written") << partial << -1 << 0 << 1 << 0;
    }

    void damagedSnapshots()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, cutTo);
        QFETCH(int, result);
        QFETCH(int, delivered);
        QFETCH(int, skipped);
        QTemporaryDir dir;
        const QString path = writeTestFile(dir, "alerts.log", content);
        std::vector<loginfo> list(1);
        int counted = -1;
        const QByteArray errors = captureStream(2, [&] {
            if (cutTo < 0) {
                QCOMPARE(loadAlertLog(path.toStdString(), list, ALERT_SNAPSHOT_MAX_BYTES, counted), result);
            } else {
                // What the loader saw at open, then the daemon rewrites the file.
                const int fd = open(qPrintable(path), O_RDONLY);
                QCOMPARE(truncate(qPrintable(path), cutTo), 0);
                QCOMPARE(
                    scanAlertLog(fd, "cut", list, ALERT_SNAPSHOT_MAX_BYTES, content.size(), counted), result);
                close(fd);
            }
        });
        QCOMPARE(int(list.size()) - 1, delivered);
        QCOMPARE(counted, skipped);
        QCOMPARE(errors.count("Skipped a malformed alert block"), skipped);
        if (cutTo >= 0)
            QCOMPARE(errors,
                "Alert snapshot cut not read: it was cut to " + QByteArray::number(cutTo) + " of "
                    + QByteArray::number(content.size()) + " bytes while being read\n");
    }

    void filtersByRange()
    {
        // a, b and c at midnight, 23:59:59 and 00:00:00 the day before.
        std::vector<loginfo> all(3);
        const char *times[] = { "2024-03-06 00:00:00", "2024-03-05 23:59:59", "2024-03-05 00:00:00" };
        for (int i = 0; i < 3; ++i) {
            all[i].alertId = std::string(1, char('a' + i));
            all[i].timeNs = referenceTimeNs(times[i], 1);
        }
        // A long list newest first with runs of equal times and dateless alerts (0) at the end.
        std::mt19937 random(7);
        std::vector<loginfo> many(400);
        for (loginfo &alert : many)
            alert.timeNs
                = random() % 8 == 0 ? 0 : all[2].timeNs + int64_t(random() % 40) * 21600 * 1000000000;
        sortAlertsNewestFirst(many);

        const char *const day = "2024-03-05 00:00:00";
        const std::tuple<const char *, const char *, const char *> ranges[]
            = { { "init", "init", "abc" }, { day, "2024-03-05 23:59:59", "bc" },
                  { day, "2024-03-05 23:59:60", "abc" }, // the log page's end of day reaches midnight
                  { "init", "2024-03-05 12:00:00", "c" }, { day, "init", "" },
                  { "2024-03-09 00:00:00", day, "" }, { "garbage", "2030-01-01 00:00:00", "abc" } };
        for (const auto &[start, end, ids] : ranges) {
            for (bool moved : { false, true }) {
                std::vector<loginfo> out, copy = all;
                moved ? filterAlertsByRange(std::move(copy), out, start, end)
                      : filterAlertsByRange(all, out, start, end);
                std::string found;
                for (const loginfo &alert : out)
                    found += alert.alertId;
                QCOMPARE(found, std::string(ids));
            }
            // The span a page takes is the run the copy holds.
            std::vector<loginfo> copied;
            filterAlertsByRange(many, copied, start, end);
            const AlertSpan span = alertsInRange(many, start, end);
            QCOMPARE(span.size(), copied.size());
            for (size_t i = 0; i < span.size(); ++i)
                QCOMPARE(span[i].timeNs, copied[i].timeNs);
            QVERIFY(span.empty() || (span.begin() >= many.data() && span.end() <= many.data() + many.size()));
        }
        std::vector<loginfo> none;
        filterAlertsByRange({}, none, "init", "init");
        QVERIFY(none.empty() && alertsInRange({}, "init", "init").empty());
    }

    void timesMatchTheStreamReader()
    {
        std::vector<std::string> dates = { "2024 Feb 31 10:11:12", "2024 Feb 29 23:59:59",
            "2023 Feb 29 00:00:00", "2024 mar 05 10:11:12", "2024 March 05 10:11:12", "2024 Mar 5 10:11:12",
            "2024 Mar 05 10:11:60", "2024 Mar 05 10:11:61", "2024 Mar 05 24:00:00",
            "2024 Mar 05 10:11:12 trailing", "2024 Mar 05 10:11:123", "  2024 Mar 05 10:11:12",
            "2024  Mar 05 10:11:12", "2024 Mar 00 10:11:12", "2024 Foo 05 10:11:12", "1900 Jan 01 00:00:00",
            "garbage", "2024 Mar 05", "2024 Mar 05 1:2:3", "" };
        for (const char *month :
            { "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec" })
            dates.push_back(std::string("2025 ") + month + " 15 12:34:56");
        for (const std::string &date : dates) {
            QCOMPARE(alertTimeToNs(date, 0), referenceTimeNs(date));
            QCOMPARE(alertDateToDay(date), referenceDay(date));
        }
        QCOMPARE(alertDateToDay("garbage"), std::string("1900-01-00"));
        QCOMPARE(alertTimeToNs("2024-03-05 10:11:12", 2), int64_t(0));
        QCOMPARE(alertTimeToNs("2024-03-05 10:11:12", 1), referenceTimeNs("2024-03-05 10:11:12", 1));
        // Years whose nanoseconds would not fit saturate.
        QCOMPARE(alertTimeToNs("9999 Dec 31 23:59:59", 0), INT64_MAX);
        QCOMPARE(alertTimeToNs("0999 Mar 05 10:11:12", 0), INT64_MIN);
        QCOMPARE(alertDateToDay("0999 Mar 05 10:11:12"), referenceDay("0999 Mar 05 10:11:12"));

        // Through the scanner's clock, which remembers what it converted: summer time, and zones whose
        // standard time itself moved (by an hour, by half an hour, by a whole skipped day).
        const QByteArray saved = qgetenv("TZ");
        const std::vector<std::pair<const char *, std::vector<const char *>>> zones
            = { { "CET-1CEST,M3.5.0,M10.5.0/3", { "2024 Mar 31", "2024 Oct 27" } },
                  { "<+1030>-10:30<+11>-11,M10.1.0,M4.1.0", { "2024 Oct 06", "2024 Apr 07" } },
                  { "Europe/Moscow", { "2014 Oct 26", "2011 Mar 27" } },
                  { "Asia/Pyongyang", { "2015 Aug 15", "2018 May 04" } },
                  { "Pacific/Apia", { "2011 Dec 29", "2011 Dec 30", "2011 Dec 31" } } };
        for (const auto &zone : zones) {
            qputenv("TZ", zone.first);
            tzset();
            QList<TestAlert> alerts;
            for (const char *day : zone.second)
                for (int hour = 0; hour < 24; ++hour)
                    for (int minute : { 0, 1, 29, 30, 31, 59 })
                        for (int second : { 0, 59 }) {
                            alerts << TestAlert();
                            alerts.last().dateLine = QByteArray(day)
                                + QString::asprintf(" %02d:%02d:%02d", hour, minute, second).toLatin1()
                                + " host->file";
                        }
            QTemporaryDir dir;
            std::vector<loginfo> list;
            loadAlertLog(writeTestFile(dir, "log", alertLog(alerts)).toStdString(), list);
            QCOMPARE(list.size(), size_t(alerts.size()));
            for (const loginfo &alert : list) {
                QCOMPARE(alert.timeNs, referenceTimeNs(alert.date));
                QCOMPARE(alertTimeToNs(alert.date, 0), alert.timeNs);
            }
        }
        saved.isNull() ? qunsetenv("TZ") : qputenv("TZ", saved);
        tzset();
    }

    void displayDatesAndInstallTime()
    {
        QCOMPARE(alertDateToDisplay("2024 Mar 05 10:11:12"), std::string("2024/03/05 10:11:12"));
        QCOMPARE(alertDateToDisplay("2024 Dec 5 1:02:03"), std::string("2024/12/5 1:02:03"));
        QTemporaryDir dir;
        struct tm installed = {};
        int minutes = 12345;
        captureStream(2, [&] {
            QCOMPARE(alertDateToDisplay("2024 Foo 05 10:11:12") + alertDateToDisplay("2024 Mar 05"),
                std::string());
            QVERIFY(!readInstallTime(dir.filePath("missing").toStdString(), installed));
            QVERIFY(
                !readInstallTime(writeTestFile(dir, "b", "InstallTime=yesterday").toStdString(), installed));
            const QString noPrefix = writeTestFile(dir, "a", "Installed=2024-01-01 00:00:00\n");
            QCOMPARE(minutesSinceInstall(minutes, noPrefix.toStdString()), -1);
            // Refused without waiting: a FIFO (no writer ever comes), a folder, an oversized file.
            QCOMPARE(mkfifo(qPrintable(dir.filePath("fifo")), 0600), 0);
            const QString large = writeTestFile(
                dir, "large", "InstallTime=2024-03-05 10:11:12\n" + QByteArray(INSTALL_TIME_MAX_BYTES, '#'));
            for (const QString &path : { dir.filePath("fifo"), dir.path(), large }) {
                bool read = true;
                QVERIFY2(endsInTime(path, [&] { read = readInstallTime(path.toStdString(), installed); }),
                    qPrintable(path));
                QVERIFY(!read);
            }
        });
        QCOMPARE(minutes, 12345);
        const QString good = writeTestFile(dir, "c", "# by the installer\nInstallTime=2024-03-05 10:11:12\n");
        const QByteArray written
            = captureStream(1, [&] { QCOMPARE(getInstallTime(installed, good.toStdString()), 0); });
        QCOMPARE(written, QByteArray("parse time: Tue Mar  5 10:11:12 2024\n"));
        // An hour ago, and two hours ahead.
        for (int offset : { -3630, 7200 }) {
            const QString stamp
                = QDateTime::currentDateTime().addSecs(offset).toString("yyyy-MM-dd HH:mm:ss");
            const QString path = writeTestFile(dir, "d", "InstallTime=" + stamp.toLatin1());
            captureStream(1, [&] { QCOMPARE(minutesSinceInstall(minutes, path.toStdString()), 0); });
            QVERIFY2(qAbs(minutes + offset / 60) <= 1, qPrintable(QString::number(minutes)));
        }
    }
};

QTEST_GUILESS_MAIN(TestAlertLoader)
#include "tst_alertloader.moc"
