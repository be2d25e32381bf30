#include "alertengine/alertloader.h"
#include "alertengine/alertlogscan.h"
#include "alertengine/alertspan.h"

#include "alerttestutil.h"
#include "readerloader.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <climits>
#include <cstring>
#include <fcntl.h>
#include <future>
#include <iomanip>
#include <random>
#include <sys/stat.h>
#include <thread>

namespace {

// The straightforward conversions the fast paths must match.
int64_t referenceTimeNs(const std::string &text, int mode)
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

QByteArray blockOf(
    const QByteArray &id, const QByteArray &date, int level = 12, const QByteArrayList &raw = { "x" })
{
    TestAlert alert;
    alert.id = id;
    alert.dateLine = date + " host->file";
    alert.level = level;
    alert.raw = raw;
    return alertBlock(alert);
}

QByteArray generatedLog(const QStringList &arguments)
{
    QProcess alertgen;
    alertgen.start(TARVIX_BINARY_DIR "/tools/alertgen/alertgen", arguments);
    if (!alertgen.waitForFinished() || alertgen.exitCode() != 0)
        qFatal("alertgen failed");
    return alertgen.readAllStandardOutput();
}

std::vector<loginfo> load(const QByteArray &content)
{
    QTemporaryDir dir;
    std::vector<loginfo> list;
    loadAlertLog(writeTestFile(dir, "log", content).toStdString(), list);
    return list;
}

// loadAlertLog on a thread of its own, so that an open that blocks fails the
// test instead of hanging it (INT_MIN). Returns what it wrote, stdout first.
int loadWithin(const QString &path, int64_t maxBytes, std::vector<loginfo> &list, QByteArray &written)
{
    int result = INT_MIN;
    QByteArray errors;
    written = captureStream(1, [&] {
        errors = captureStream(2, [&] {
            std::promise<int> done;
            std::future<int> finished = done.get_future();
            std::thread loader([&] { done.set_value(loadAlertLog(path.toStdString(), list, maxBytes)); });
            if (finished.wait_for(std::chrono::seconds(10)) == std::future_status::ready)
                result = finished.get();
            else // a writer frees an open stuck on a FIFO
                close(open(qPrintable(path), O_WRONLY | O_NONBLOCK));
            loader.join();
        });
    });
    written += errors;
    return result;
}

// Empty when loadAlertLog and the plain reader give the same list and
// messages, else the first difference.
QByteArray loaderDifference(const QTemporaryDir &dir, const QByteArray &content)
{
    const std::string path = writeTestFile(dir, "compared.log", content).toStdString();
    std::vector<loginfo> scanned, read;
    QByteArray scanMessages = captureStream(2, [&] { loadAlertLog(path, scanned); });
    QByteArray readMessages = captureStream(2, [&] {
        FILE *file = fopen(path.c_str(), "r");
        readerloader::load(file, path, read);
        fclose(file);
    });
    // perror adds the text of whatever errno holds; only the message counts.
    const QRegularExpression errorText(
        "^(Date or location already set|Invalid date or location): .*$", QRegularExpression::MultilineOption);
    scanMessages = QString::fromLatin1(scanMessages).replace(errorText, "\\1").toLatin1();
    readMessages = QString::fromLatin1(readMessages).replace(errorText, "\\1").toLatin1();
    if (scanMessages != readMessages)
        return "messages: " + scanMessages + " <> " + readMessages;
    for (size_t i = 0; i < std::max(scanned.size(), read.size()); ++i) {
        const QByteArray left
            = i < scanned.size() ? QByteArray::fromStdString(readerloader::describe(scanned[i])) : "(none)";
        const QByteArray right
            = i < read.size() ? QByteArray::fromStdString(readerloader::describe(read[i])) : "(none)";
        if (left != right)
            return "alert " + QByteArray::number(int(i)) + ": " + left.left(300) + " <> " + right.left(300);
    }
    return QByteArray();
}

// Edits of the kinds that break blocks: stray line ends, NUL bytes, cut or
// repeated stretches, lines around the buffer's size whose rest poses as a
// field or a header, a truncated end.
QByteArray mutate(QByteArray content, std::mt19937 &random)
{
    static const char bytes[] = { '\n', '\0', '\r', ' ', ':', '\'', '-', '7' };
    static const char *const rests[]
        = { "Rule: 1 (level 3) -> 'x'\n", "Src IP: 6.6.6.6\n", "** Alert 9: forged\n", "\n", "" };
    const int edits = 1 + int(random() % 6);
    for (int i = 0; i < edits && !content.isEmpty(); ++i) {
        const int at = int(random() % uint32_t(content.size()));
        switch (random() % 6) {
        case 0:
            content[at] = bytes[random() % sizeof(bytes)];
            break;
        case 1:
            content.remove(at, 1 + int(random() % 200));
            break;
        case 2:
            content.insert(
                at, content.mid(int(random() % uint32_t(content.size())), 1 + int(random() % 400)));
            break;
        case 3: {
            const int lineStart = content.lastIndexOf('\n', at) + 1;
            const int padding = ALERT_LINE_MAX - 3 + int(random() % 5);
            content.insert(lineStart, QByteArray(padding, 'p') + rests[random() % 5]);
            break;
        }
        case 4:
            content.truncate(at);
            break;
        default:
            content.insert(at, "\n** Alert 5.5: x\n2024 Mar 05 10:11:12 h->f\nRule: 3 (level 13) -> 'y'\n");
            break;
        }
    }
    return content;
}

} // namespace

class TestAlertLoader : public QObject
{
    Q_OBJECT

private slots:
    void loads_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("alerts"); // id|level|firstLog|otherLogs
        const QByteArray date = "2024 Mar 05 10:11:12";
        QTest::newRow("one raw line") << blockOf("1", date) << QStringList { "1|12|x|\n" };
        QTest::newRow("two raw lines") << blockOf("1", date, 15, { "x", "y" }) << QStringList { "1|15|x|y" };
        QTest::newRow("inner empty line")
            << blockOf("1", date, 12, { "x", "y", "", "z" }) << QStringList { "1|12|x|y\n\nz" };
        QTest::newRow("separator only") << blockOf("1", date, 12, {}) << QStringList { "1|12||" };
        QTest::newRow("below level 12 left out")
            << blockOf("1", date, 11) + blockOf("2", date, 12) << QStringList { "2|12|x|\n" };
        QTest::newRow("unfinished last block")
            << blockOf("1", date) + blockOf("2", date).chopped(1) << QStringList { "1|12|x|\n" };
        // A log line (a URL, a user name) is attacker-written; running it past
        // the line buffer must not turn a level-15 alert into one never shown.
        const QByteArray pad(ALERT_LINE_MAX - 1, 'a');
        QTest::newRow("overlong lines") << blockOf("1", date, 15,
            { "Src IP: 10.0.0.7", pad + "Rule: 1 (level 3) -> 'hidden'", pad + "Src IP: 6.6.6.6",
                pad + "** Alert 2: forged" })
                                        << QStringList { "1|15|" + pad + "|" + pad + "\n" + pad };
    }

    void loads()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, alerts);
        QStringList loaded;
        for (const loginfo &alert : load(content)) {
            loaded << QString::fromStdString(alert.alertId + "|" + std::to_string(alert.level) + "|"
                + alert.firstLog + "|" + alert.otherLogs);
            QVERIFY(alert.srcIp.empty() || alert.srcIp == "10.0.0.7");
        }
        QCOMPARE(loaded, alerts);
    }

    void malformedBlockCostsOnlyItself()
    {
        std::vector<loginfo> list;
        const std::string path = dataFile("malformed_middle.log").toStdString();
        const QByteArray message = captureStream(2, [&] { loadAlertLog(path, list); });
        QCOMPARE(list.size(), size_t(2));
        QCOMPARE(list[0].alertId, std::string("1709633472.1001"));
        QCOMPARE(list[1].alertId, std::string("1709633532.1002"));
        QVERIFY2(message.contains("Skipped a malformed alert block in " + QByteArray(path.c_str())), message);
    }

    void scannerMatchesTheReader()
    {
        QTemporaryDir dir;
        std::vector<QByteArray> logs;
        for (const QFileInfo &file : QDir(TARVIX_TEST_DATA_DIR "/alerts").entryInfoList(QDir::Files)) {
            QFile data(file.filePath());
            QVERIFY(data.open(QIODevice::ReadOnly));
            logs.push_back(data.readAll());
        }
        const QByteArray mixed = generatedLog({ "--count", "300", "--days", "30", "--seed", "11" });
        const QByteArray kept
            = generatedLog({ "--count", "300", "--days", "30", "--seed", "12", "--min-level", "12" });
        logs.push_back(mixed);
        logs.push_back(kept);
        // Over a dozen of the scanner's reads, each cutting a line somewhere, and
        // a line whose rest runs on over several reads into a Rule line.
        logs.push_back(generatedLog({ "--count", "3000", "--days", "30", "--seed", "13" }));
        logs.push_back(
            QByteArray(kept).insert(kept.indexOf("\nRule: ", 100000) + 1, QByteArray(300000, 'q')));
        std::mt19937 random(42);
        for (int i = 0; i < 400; ++i)
            logs.push_back(mutate(i % 2 ? mixed : kept, random));
        for (size_t i = 0; i < logs.size(); ++i) {
            const QByteArray difference = loaderDifference(dir, logs[i]);
            QVERIFY2(
                difference.isEmpty(), qPrintable("log " + QByteArray::number(int(i)) + ": " + difference));
        }
    }

    void refusesSnapshotsItCannotTrust()
    {
        QTemporaryDir dir;
        const QByteArray content = blockOf("1", "2024 Mar 05 10:11:12", 15);
        const QString own = writeTestFile(dir, "own.log", content);
        const QString shared = writeTestFile(dir, "shared.log", content);
        const QString other = writeTestFile(dir, "other.log", content);
        QCOMPARE(mkfifo(qPrintable(dir.filePath("fifo")), 0600), 0);
        QVERIFY(QFile::link(own, dir.filePath("link")));
        QCOMPARE(chmod(qPrintable(shared), 0664), 0);
        std::vector<std::pair<QString, QByteArray>> cases = {
            { dir.filePath("missing"), "No such file or directory" },
            { dir.path(), "it is not a regular file" },
            { dir.filePath("fifo"), "it is not a regular file" },
            { dir.filePath("link"), "it is a symbolic link" },
            { shared, "others may write it (mode 0664)" },
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
            QVERIFY2(result != INT_MIN, qPrintable("opening blocked: " + path));
            QCOMPARE(result, ALERT_SNAPSHOT_UNREADABLE);
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
        QVERIFY2(written.endsWith(
                     "not read: it is larger than " + QByteArray::number(content.size() - 1) + " bytes\n"),
            written);

        // Past the cap while reading (a file still growing), or a read that
        // fails part way: a failed load, not a shorter list.
        const int growing = open(qPrintable(own), O_RDONLY);
        const int directory = open(qPrintable(dir.path()), O_RDONLY);
        written = captureStream(2, [&] {
            QCOMPARE(scanAlertLog(growing, "grown", list, content.size() - 1), ALERT_SNAPSHOT_UNREADABLE);
            QCOMPARE(
                scanAlertLog(directory, "dir", list, ALERT_SNAPSHOT_MAX_BYTES), ALERT_SNAPSHOT_UNREADABLE);
        });
        close(growing);
        close(directory);
        QCOMPARE(written,
            QByteArray("Alert snapshot grown not read: File too large\nAlert snapshot dir not read: Is a "
                       "directory\n"));
        QCOMPARE(list.size(), size_t(2));
    }

    void filtersByRange_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("ids"); // of a, b, c at midnight, 23:59:59 and 00:00:00 the day before
        QTest::newRow("all") << "init"
                             << "init"
                             << "abc";
        QTest::newRow("bounds inclusive") << "2024-03-05 00:00:00"
                                          << "2024-03-05 23:59:59"
                                          << "bc";
        // The log page's end of day, 23:59:60, reaches the following midnight.
        QTest::newRow("end of day") << "2024-03-05 00:00:00"
                                    << "2024-03-05 23:59:60"
                                    << "abc";
        QTest::newRow("from the start") << "init"
                                        << "2024-03-05 12:00:00"
                                        << "c";
        QTest::newRow("init as the end") << "2024-03-05 12:00:00"
                                         << "init"
                                         << "";
        QTest::newRow("reversed") << "2024-03-09 00:00:00"
                                  << "2024-03-01 00:00:00"
                                  << "";
        QTest::newRow("unreadable start") << "garbage"
                                          << "2030-01-01 00:00:00"
                                          << "abc";
    }

    void filtersByRange()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, ids);
        std::vector<loginfo> all(3);
        const char *times[] = { "2024-03-06 00:00:00", "2024-03-05 23:59:59", "2024-03-05 00:00:00" };
        for (int i = 0; i < 3; ++i) {
            all[i].alertId = std::string(1, char('a' + i));
            all[i].timeNs = referenceTimeNs(times[i], 1);
        }
        for (bool moved : { false, true }) {
            std::vector<loginfo> out, copy = all;
            if (moved)
                filterAlertsByRange(std::move(copy), out, start.toStdString(), end.toStdString());
            else
                filterAlertsByRange(all, out, start.toStdString(), end.toStdString());
            QString got;
            for (const loginfo &alert : out)
                got += QString::fromStdString(alert.alertId);
            QCOMPARE(got, ids);
        }

        // The span a page takes is the same run as the copy, over a long list
        // with runs of equal times and dateless alerts (0) at the end.
        std::mt19937 random(7);
        const int64_t quarterDay = int64_t(21600) * 1000000000;
        const int64_t base = referenceTimeNs("2024-03-01 00:00:00", 1);
        all.resize(400);
        for (loginfo &alert : all)
            alert.timeNs = random() % 8 == 0 ? 0 : base + int64_t(random() % 40) * quarterDay;
        sortAlertsNewestFirst(all);
        std::vector<loginfo> copied;
        filterAlertsByRange(all, copied, start.toStdString(), end.toStdString());
        const AlertSpan span = alertsInRange(all, start.toStdString(), end.toStdString());
        QCOMPARE(span.size(), copied.size());
        for (size_t i = 0; i < span.size(); ++i)
            QCOMPARE(span[i].timeNs, copied[i].timeNs);
        QVERIFY(span.empty() || (span.begin() >= all.data() && span.end() <= all.data() + all.size()));
    }

    void timesMatchTheStreamReader()
    {
        std::vector<std::string> dates = { "2024 Feb 31 10:11:12", "2024 Feb 29 23:59:59",
            "2023 Feb 29 00:00:00", "2024 mar 05 10:11:12", "2024 March 05 10:11:12", "2024 Mar 5 10:11:12",
            "2024 Mar 05 10:11:60", "2024 Mar 05 10:11:61", "2024 Mar 05 24:00:00",
            "2024 Mar 05 10:11:12 trailing", "2024 Mar 05 10:11:123", "  2024 Mar 05 10:11:12",
            "2024  Mar 05 10:11:12", "2024 Mar 00 10:11:12", "2024 Foo 05 10:11:12", "1900 Jan 01 00:00:00",
            "garbage", "2024 Mar 05", "2024 Mar 05 1:2:3", "0999 Mar 05 10:11:12", "" };
        for (const char *month :
            { "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec" })
            dates.push_back(std::string("2025 ") + month + " 15 12:34:56");
        for (const std::string &date : dates) {
            if (date != "0999 Mar 05 10:11:12")
                QCOMPARE(alertTimeToNs(date, 0), referenceTimeNs(date, 0));
            QCOMPARE(alertDateToDay(date), referenceDay(date));
        }
        QCOMPARE(alertDateToDay("garbage"), std::string("1900-01-00"));
        QCOMPARE(alertTimeToNs("2024-03-05 10:11:12", 2), int64_t(0));
        QCOMPARE(alertTimeToNs("2024-03-05 10:11:12", 1), referenceTimeNs("2024-03-05 10:11:12", 1));
        // Years whose nanoseconds would not fit saturate.
        QCOMPARE(alertTimeToNs("9999 Dec 31 23:59:59", 0), INT64_MAX);
        QCOMPARE(alertTimeToNs("0999 Mar 05 10:11:12", 0), INT64_MIN);

        // A generated log: every level kept is 12 or more, in file order, oldest first.
        std::vector<loginfo> list = load(generatedLog({ "--count", "3000", "--days", "400", "--seed", "5" }));
        QVERIFY(list.size() > 300);
        for (const loginfo &alert : list) {
            QVERIFY(alert.level >= 12);
            QCOMPARE(alert.timeNs, referenceTimeNs(alert.date, 0));
            QCOMPARE(alertDateToDay(alert.date), referenceDay(alert.date));
        }
        QVERIFY(std::is_sorted(list.begin(), list.end(),
            [](const loginfo &a, const loginfo &b) { return a.timeNs < b.timeNs; }));
    }

    void timesMatchAcrossClockChanges()
    {
        // Summer time, and zones whose standard time itself moved (by an hour, by
        // half an hour, by a whole skipped day).
        const QByteArray saved = qgetenv("TZ");
        const std::vector<std::pair<const char *, std::vector<const char *>>> zones = {
            { "CET-1CEST,M3.5.0,M10.5.0/3", { "2024 Mar 31", "2024 Oct 27" } },
            { "<+1030>-10:30<+11>-11,M10.1.0,M4.1.0", { "2024 Oct 06", "2024 Apr 07" } },
            { "Europe/Moscow", { "2014 Oct 26", "2011 Mar 27" } },
            { "Asia/Pyongyang", { "2015 Aug 15", "2018 May 04" } },
            { "Pacific/Apia", { "2011 Dec 29", "2011 Dec 30", "2011 Dec 31" } },
        };
        for (const auto &zone : zones) {
            qputenv("TZ", zone.first);
            tzset();
            std::vector<std::string> dates;
            QByteArray content;
            for (const char *day : zone.second)
                for (int hour = 0; hour < 24; ++hour)
                    for (int minute : { 0, 1, 29, 30, 31, 59 })
                        for (int second : { 0, 59 }) {
                            char text[32];
                            snprintf(text, sizeof(text), "%s %02d:%02d:%02d", day, hour, minute, second);
                            dates.push_back(text);
                            content += blockOf(QByteArray::number(int(dates.size())), text);
                        }
            const std::vector<loginfo> list = load(content);
            QCOMPARE(list.size(), dates.size());
            for (size_t i = 0; i < dates.size(); ++i) {
                QCOMPARE(list[i].timeNs, referenceTimeNs(dates[i], 0));
                QCOMPARE(alertTimeToNs(dates[i], 0), referenceTimeNs(dates[i], 0));
            }
        }
        saved.isNull() ? qunsetenv("TZ") : qputenv("TZ", saved);
        tzset();
    }

    void displayDatesAndInstallTime()
    {
        QCOMPARE(alertDateToDisplay("2024 Mar 05 10:11:12"), std::string("2024/03/05 10:11:12"));
        QCOMPARE(alertDateToDisplay("2024 Dec 5 1:02:03"), std::string("2024/12/5 1:02:03"));
        captureStream(2, [] {
            QCOMPARE(alertDateToDisplay("2024 Foo 05 10:11:12"), std::string());
            QCOMPARE(alertDateToDisplay("2024 Mar 05"), std::string());
        });

        QTemporaryDir dir;
        struct tm installed = {};
        int minutes = 12345;
        captureStream(2, [&] {
            QVERIFY(!readInstallTime(dir.filePath("missing").toStdString(), installed));
            QVERIFY(
                !readInstallTime(writeTestFile(dir, "b", "InstallTime=yesterday").toStdString(), installed));
            const QString noPrefix = writeTestFile(dir, "a", "Installed=2024-01-01 00:00:00\n");
            QCOMPARE(minutesSinceInstall(minutes, noPrefix.toStdString()), -1);
        });
        QCOMPARE(minutes, 12345);
        const QString good
            = writeTestFile(dir, "c", "# written by the installer\nInstallTime=2024-03-05 10:11:12\n");
        const QByteArray written
            = captureStream(1, [&] { QCOMPARE(getInstallTime(installed, good.toStdString()), 0); });
        QCOMPARE(written, QByteArray("parse time: Tue Mar  5 10:11:12 2024\n"));

        // An hour ago, and two hours ahead.
        for (int offset : { -3630, 7200 }) {
            char stamp[32];
            const time_t when = time(nullptr) + offset;
            strftime(stamp, sizeof(stamp), "%Y-%m-%d %H:%M:%S", localtime(&when));
            const QString path = writeTestFile(dir, "d", "InstallTime=" + QByteArray(stamp));
            captureStream(1, [&] { QCOMPARE(minutesSinceInstall(minutes, path.toStdString()), 0); });
            QVERIFY2(qAbs(minutes + offset / 60) <= 1, qPrintable(QString::number(minutes)));
        }
    }
};

QTEST_GUILESS_MAIN(TestAlertLoader)
#include "tst_alertloader.moc"
