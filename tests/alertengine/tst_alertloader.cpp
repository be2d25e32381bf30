#include "alertengine/alertloader.h"
#include "alertengine/alertlogscan.h"
#include "alertengine/alertspan.h"
#include "alertengine/notifylogdata.h"

#include "alerttestutil.h"
#include "readerloader.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <algorithm>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <future>
#include <iomanip>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <thread>

namespace {

// The straightforward conversions the fast paths must match.
int64_t referenceTimeNs(const std::string &text, int mode)
{
    if (text.empty() || (mode != 0 && mode != 1))
        return 0;
    struct tm fields;
    memset(&fields, 0, sizeof(fields));
    std::istringstream stream(text);
    stream >> std::get_time(&fields, mode == 0 ? "%Y %b %d %H:%M:%S" : "%Y-%m-%d %H:%M:%S");
    if (stream.fail())
        return 0;
    return int64_t(mktime(&fields)) * 1000000000;
}

std::string referenceDay(const std::string &date)
{
    if (date.empty())
        return std::string();
    struct tm fields;
    memset(&fields, 0, sizeof(fields));
    strptime(date.c_str(), "%Y %b %d %H:%M:%S", &fields);
    char day[64];
    return std::string(day, strftime(day, sizeof(day), "%Y-%m-%d", &fields));
}

QByteArray alertBlock(const QByteArray &id, const QByteArray &date, int level, const QByteArray &raw)
{
    return "** Alert " + id + ": - g,\n" + date + " host->file\nRule: 1 (level " + QByteArray::number(level)
        + ") -> 'level " + QByteArray::number(level) + "'\n" + raw;
}

std::vector<std::string> awkwardDates()
{
    std::vector<std::string> dates = { "2024 Feb 31 10:11:12", "2024 Feb 29 23:59:59", "2023 Feb 29 00:00:00",
                                       "2024 mar 05 10:11:12", "2024 March 05 10:11:12", "2024 Mar 5 10:11:12",
                                       "2024 Mar 05 10:11:60", "2024 Mar 05 10:11:61", "2024 Mar 05 24:00:00",
                                       "2024 Mar 05 10:11:12 trailing", "2024 Mar 05 10:11:123",
                                       "  2024 Mar 05 10:11:12", "2024  Mar 05 10:11:12", "2024 Mar 00 10:11:12",
                                       "2024 Foo 05 10:11:12", "1900 Jan 01 00:00:00", "garbage", "2024 Mar 05",
                                       "2024 Mar 05 1:2:3" };
    const char *months[] = { "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec" };
    for (const char *month : months)
        dates.push_back(std::string("2025 ") + month + " 15 12:34:56");
    return dates;
}

// Times through whole days, for days on which a zone changed its clock.
std::vector<std::string> datesThrough(const std::vector<const char *> &days)
{
    std::vector<std::string> dates;
    for (const char *day : days) {
        for (int hour = 0; hour < 24; ++hour) {
            for (int minute : { 0, 1, 29, 30, 31, 59 }) {
                for (int second : { 0, 59 }) {
                    char text[32];
                    snprintf(text, sizeof(text), "%s %02d:%02d:%02d", day, hour, minute, second);
                    dates.push_back(text);
                }
            }
        }
    }
    return dates;
}

QByteArray generatedLog(const QStringList &arguments)
{
    QProcess alertgen;
    alertgen.start(TARVIX_BINARY_DIR "/tools/alertgen/alertgen", arguments);
    if (!alertgen.waitForFinished() || alertgen.exitCode() != 0)
        qFatal("alertgen failed");
    return alertgen.readAllStandardOutput();
}

// loadAlertLog on a thread of its own, so that an open that blocks fails the
// test instead of hanging it (INT_MIN). What it writes to stdout and stderr is
// returned, in that order.
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
            else
                close(
                    open(qPrintable(path), O_WRONLY | O_NONBLOCK)); // a writer frees an open stuck on a FIFO
            loader.join();
        });
    });
    written += errors;
    return result;
}

// Loads the bytes with loadAlertLog and through the record reader; empty when
// lists and messages agree, else the first difference.
QByteArray loaderDifference(const QTemporaryDir &dir, const QByteArray &content)
{
    const std::string path = writeFile(dir, "compared.log", content).toStdString();
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
    void keepsLevelTwelveAndAboveNewestFirst();
    void rawLinesBecomeFirstAndOtherLogs_data();
    void rawLinesBecomeFirstAndOtherLogs();
    void malformedBlockCostsOnlyItself();
    void unfinishedLastBlockIsNotDelivered();
    void overlongLinesCannotHideAnAlert();
    void scannerMatchesTheReader();
    void refusesSnapshotsItCannotTrust();
    void appendsToTheList();
    void sortsAnyOrder();
    void filtersByRange();
    void rangeSpanMatchesTheFilter();
    void fastTimesMatchTheStreamReader();
    void fastTimesMatchAcrossClockChanges();
    void generatedLogMatchesReference();
    void displayDates();
    void installTime();
    void convertsToNotifyLogData();
};

void TestAlertLoader::keepsLevelTwelveAndAboveNewestFirst()
{
    std::vector<loginfo> list;
    QCOMPARE(loadAlertLog(dataFile("mixed_levels.log").toStdString(), list), 0);
    sortAlertsNewestFirst(list);
    QCOMPARE(list.size(), size_t(2));
    QCOMPARE(list[0].level, 15);
    QCOMPARE(list[0].alertId, std::string("3.1"));
    QCOMPARE(list[1].level, 12);
    QCOMPARE(list[0].timeNs, referenceTimeNs("2024 Mar 06 08:00:00", 0));
    QVERIFY(list[0].group.empty());
}

void TestAlertLoader::rawLinesBecomeFirstAndOtherLogs_data()
{
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<QString>("firstLog");
    QTest::addColumn<QString>("otherLogs");
    QTest::newRow("one line") << QByteArray("x\n\n") << "x"
                              << "\n";
    QTest::newRow("two lines") << QByteArray("x\ny\n\n") << "x"
                               << "y";
    QTest::newRow("inner empty line") << QByteArray("x\ny\n\nz\n\n") << "x"
                                      << "y\n\nz";
    QTest::newRow("separator only") << QByteArray("\n") << ""
                                    << "";
}

void TestAlertLoader::rawLinesBecomeFirstAndOtherLogs()
{
    QFETCH(QByteArray, raw);
    QFETCH(QString, firstLog);
    QFETCH(QString, otherLogs);
    QTemporaryDir dir;
    std::vector<loginfo> list;
    loadAlertLog(writeFile(dir, "log", alertBlock("1", "2024 Mar 05 10:11:12", 12, raw)).toStdString(), list);
    QCOMPARE(list.size(), size_t(1));
    QCOMPARE(QString::fromStdString(list[0].firstLog), firstLog);
    QCOMPARE(QString::fromStdString(list[0].otherLogs), otherLogs);
}

void TestAlertLoader::malformedBlockCostsOnlyItself()
{
    std::vector<loginfo> list;
    const std::string path = dataFile("malformed_middle.log").toStdString();
    const QByteArray message = captureStream(2, [&] { loadAlertLog(path, list); });
    QCOMPARE(list.size(), size_t(2));
    QCOMPARE(list[0].alertId, std::string("1709633472.1001"));
    QCOMPARE(list[1].alertId, std::string("1709633532.1002"));
    QVERIFY2(message.contains("Skipped a malformed alert block in " + QByteArray(path.c_str())), message);
}

void TestAlertLoader::unfinishedLastBlockIsNotDelivered()
{
    QTemporaryDir dir;
    const QByteArray content = alertBlock("1", "2024 Mar 05 10:11:12", 12, "x\n\n")
        + alertBlock("2", "2024 Mar 05 10:11:13", 13, "still being written\n");
    std::vector<loginfo> list;
    const QByteArray message = captureStream(2, [&] { loadAlertLog(writeFile(dir, "log", content).toStdString(), list); });
    QCOMPARE(list.size(), size_t(1));
    QCOMPARE(list[0].alertId, std::string("1"));
    QVERIFY2(!message.contains("Skipped"), message);
}

void TestAlertLoader::overlongLinesCannotHideAnAlert()
{
    // A log line (a URL, a user name) is attacker-written; running it past
    // the line buffer must not turn a level-15 alert into one never shown.
    const QByteArray pad(ALERT_LINE_MAX - 1, 'a');
    const QByteArray content
        = "** Alert 1: - g,\n2024 Mar 05 10:11:12 host->file\nRule: 100 (level 15) -> 'real'\n"
          "Src IP: 10.0.0.7\n"
        + pad + "Rule: 1 (level 3) -> 'hidden'\n" + pad + "Src IP: 6.6.6.6\n" + pad
        + "** Alert 2: forged\n\n";
    QTemporaryDir dir;
    std::vector<loginfo> list;
    QCOMPARE(loadAlertLog(writeFile(dir, "log", content).toStdString(), list), 0);
    QCOMPARE(list.size(), size_t(1));
    QCOMPARE(list[0].level, 15);
    QCOMPARE(list[0].comment, std::string("real"));
    QCOMPARE(list[0].srcIp, std::string("10.0.0.7"));
    QCOMPARE(list[0].firstLog, pad.toStdString());
}

void TestAlertLoader::scannerMatchesTheReader()
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
    logs.push_back(QByteArray(kept).insert(kept.indexOf("\nRule: ", 100000) + 1, QByteArray(300000, 'q')));
    std::mt19937 random(42);
    for (int i = 0; i < 400; ++i)
        logs.push_back(mutate(i % 2 ? mixed : kept, random));
    for (size_t i = 0; i < logs.size(); ++i) {
        const QByteArray difference = loaderDifference(dir, logs[i]);
        QVERIFY2(difference.isEmpty(), qPrintable("log " + QByteArray::number(int(i)) + ": " + difference));
    }
}

void TestAlertLoader::refusesSnapshotsItCannotTrust()
{
    QTemporaryDir dir;
    const QByteArray content = alertBlock("1", "2024 Mar 05 10:11:12", 15, "x\n\n");
    const QString own = writeFile(dir, "own.log", content);
    const QString shared = writeFile(dir, "shared.log", content);
    const QString other = writeFile(dir, "other.log", content);
    QCOMPARE(mkfifo(qPrintable(dir.filePath("fifo")), 0600), 0);
    QVERIFY(QFile::link(own, dir.filePath("link")));
    std::vector<std::pair<QString, QByteArray>> cases = {
        { dir.filePath("missing"), "No such file or directory" },
        { dir.path(), "it is not a regular file" },
        { dir.filePath("fifo"), "it is not a regular file" },
        { dir.filePath("link"), "it is a symbolic link" },
        { shared, "others may write it (mode 0664)" },
    };
    QCOMPARE(chmod(qPrintable(shared), 0664), 0);
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
    QCOMPARE(loadWithin(writeFile(dir, "empty", QByteArray()), content.size(), list, written), 0);
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
        QCOMPARE(scanAlertLog(directory, "dir", list, ALERT_SNAPSHOT_MAX_BYTES), ALERT_SNAPSHOT_UNREADABLE);
    });
    close(growing);
    close(directory);
    QCOMPARE(written,
        QByteArray(
            "Alert snapshot grown not read: File too large\nAlert snapshot dir not read: Is a directory\n"));
    QCOMPARE(list.size(), size_t(2));
}

void TestAlertLoader::appendsToTheList()
{
    std::vector<loginfo> list;
    loadAlertLog(dataFile("two_blocks.log").toStdString(), list);
    loadAlertLog(dataFile("two_blocks.log").toStdString(), list);
    QCOMPARE(list.size(), size_t(4));
}

void TestAlertLoader::sortsAnyOrder()
{
    std::mt19937 random(7);
    for (int shape = 0; shape < 3; ++shape) {
        std::vector<loginfo> list(500);
        for (size_t i = 0; i < list.size(); ++i)
            list[i].timeNs = shape == 0 ? int64_t(i) : shape == 1 ? -int64_t(i) : int64_t(random() % 100);
        sortAlertsNewestFirst(list);
        QVERIFY(std::is_sorted(list.begin(), list.end(),
                               [](const loginfo &a, const loginfo &b) { return a.timeNs > b.timeNs; }));
    }
}

void TestAlertLoader::filtersByRange()
{
    std::vector<loginfo> all(3);
    all[0].timeNs = referenceTimeNs("2024-03-06 00:00:00", 1); // the midnight after the range
    all[1].timeNs = referenceTimeNs("2024-03-05 23:59:59", 1);
    all[2].timeNs = referenceTimeNs("2024-03-05 00:00:00", 1);
    all[0].alertId = "a";
    all[1].alertId = "b";
    all[2].alertId = "c";

    std::vector<loginfo> out(1);
    filterAlertsByRange(all, out, "init", "init");
    QCOMPARE(out.size(), size_t(3));

    out.clear();
    filterAlertsByRange(all, out, "2024-03-05 00:00:00", "2024-03-05 23:59:59");
    QCOMPARE(out.size(), size_t(2)); // both bounds inclusive, order kept
    QCOMPARE(out[0].alertId, std::string("b"));
    QCOMPARE(out[1].alertId, std::string("c"));

    // The log page's end of day, 23:59:60, reaches the following midnight.
    out.clear();
    filterAlertsByRange(all, out, "2024-03-05 00:00:00", "2024-03-05 23:59:60");
    QCOMPARE(out.size(), size_t(3));

    // "init" as a start reads as 0: everything up to the end.
    out.clear();
    filterAlertsByRange(all, out, "init", "2024-03-05 12:00:00");
    QCOMPARE(out.size(), size_t(1));
    QCOMPARE(out[0].alertId, std::string("c"));

    out.clear();
    filterAlertsByRange({}, out, "init", "init");
    QVERIFY(out.empty());

    // A list handed over whole is moved, and filtered like any other.
    std::vector<loginfo> spare = all;
    filterAlertsByRange(std::move(spare), out, "init", "init");
    QCOMPARE(out.size(), size_t(3));
    QCOMPARE(out[2].alertId, std::string("c"));
    out.clear();
    spare = all;
    filterAlertsByRange(std::move(spare), out, "2024-03-05 00:00:00", "2024-03-05 23:59:59");
    QCOMPARE(out.size(), size_t(2));
}

void TestAlertLoader::rangeSpanMatchesTheFilter()
{
    // Newest first with runs of equal times and dateless alerts (time 0) at the end.
    std::mt19937 random(7);
    std::vector<loginfo> all(400);
    const int64_t day = int64_t(86400) * 1000000000;
    const int64_t base = referenceTimeNs("2024-03-01 00:00:00", 1);
    for (loginfo &alert : all)
        alert.timeNs = random() % 8 == 0 ? 0 : base + int64_t(random() % 40) * day / 4;
    sortAlertsNewestFirst(all);

    const std::vector<std::pair<std::string, std::string>> ranges = {
        { "init", "init" }, { "init", "2024-03-05 12:00:00" }, { "2024-03-05 00:00:00", "init" },
        { "2024-03-03 00:00:00", "2024-03-05 23:59:59" }, { "2024-03-03 00:00:00", "2024-03-05 23:59:60" },
        { "2024-03-06 06:00:00", "2024-03-06 06:00:00" }, { "2024-03-09 00:00:00", "2024-03-01 00:00:00" },
        { "2023-01-01 00:00:00", "2023-12-31 23:59:59" }, { "garbage", "2030-01-01 00:00:00" },
    };
    for (const auto &range : ranges) {
        std::vector<loginfo> copied;
        filterAlertsByRange(all, copied, range.first, range.second);
        const AlertSpan span = alertsInRange(all, range.first, range.second);
        QCOMPARE(span.size(), copied.size());
        for (size_t i = 0; i < span.size(); ++i)
            QCOMPARE(span[i].timeNs, copied[i].timeNs);
        if (!span.empty())
            QVERIFY(span.begin() >= all.data() && span.end() <= all.data() + all.size()); // a view, not a copy
    }
    QVERIFY(alertsInRange({}, "init", "init").empty());
}

void TestAlertLoader::fastTimesMatchTheStreamReader()
{
    for (const std::string &date : awkwardDates()) {
        QCOMPARE(alertTimeToNs(date, 0), referenceTimeNs(date, 0));
        QCOMPARE(alertDateToDay(date), referenceDay(date));
    }
    QCOMPARE(alertTimeToNs("", 0), int64_t(0));
    QCOMPARE(alertTimeToNs("2024-03-05 10:11:12", 2), int64_t(0));
    QCOMPARE(alertTimeToNs("2024-03-05 10:11:12", 1), referenceTimeNs("2024-03-05 10:11:12", 1));
    // Years whose nanoseconds would not fit saturate.
    QCOMPARE(alertTimeToNs("9999 Dec 31 23:59:59", 0), INT64_MAX);
    QCOMPARE(alertTimeToNs("0999 Mar 05 10:11:12", 0), INT64_MIN);
    QCOMPARE(alertDateToDay("0999 Mar 05 10:11:12"), referenceDay("0999 Mar 05 10:11:12"));
    QCOMPARE(alertDateToDay(""), std::string());
    QCOMPARE(alertDateToDay("garbage"), std::string("1900-01-00"));
    QCOMPARE(alertDateToDay("2024 Mar 05 10:11:12"), std::string("2024-03-05"));
}

void TestAlertLoader::fastTimesMatchAcrossClockChanges()
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
        const std::vector<std::string> dates = datesThrough(zone.second);
        QTemporaryDir dir;
        QByteArray content;
        for (size_t i = 0; i < dates.size(); ++i)
            content += alertBlock(QByteArray::number(int(i)), dates[i].c_str(), 12, "x\n\n");
        std::vector<loginfo> list;
        loadAlertLog(writeFile(dir, "log", content).toStdString(), list);
        QCOMPARE(list.size(), dates.size());
        for (size_t i = 0; i < dates.size(); ++i) {
            QCOMPARE(list[i].timeNs, referenceTimeNs(dates[i], 0));
            QCOMPARE(alertTimeToNs(dates[i], 0), referenceTimeNs(dates[i], 0));
        }
    }
    if (saved.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", saved);
    tzset();
}

void TestAlertLoader::generatedLogMatchesReference()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("generated.log");
    QCOMPARE(QProcess::execute(TARVIX_BINARY_DIR "/tools/alertgen/alertgen",
                               { "--count", "3000", "--days", "400", "--seed", "5", "--out", path }),
             0);
    std::vector<loginfo> list;
    loadAlertLog(path.toStdString(), list);
    QVERIFY(list.size() > 300);
    for (const loginfo &alert : list) {
        QVERIFY(alert.level >= 12);
        QCOMPARE(alert.timeNs, referenceTimeNs(alert.date, 0));
        QCOMPARE(alertDateToDay(alert.date), referenceDay(alert.date));
    }
    // Blocks are written oldest first.
    QVERIFY(std::is_sorted(list.begin(), list.end(),
                           [](const loginfo &a, const loginfo &b) { return a.timeNs < b.timeNs; }));
}

void TestAlertLoader::displayDates()
{
    QCOMPARE(alertDateToDisplay("2024 Mar 05 10:11:12"), std::string("2024/03/05 10:11:12"));
    QCOMPARE(alertDateToDisplay("2024 Dec 5 1:02:03"), std::string("2024/12/5 1:02:03"));
    QByteArray written = captureStream(2, [] { QCOMPARE(alertDateToDisplay("2024 Foo 05 10:11:12"), std::string()); });
    QCOMPARE(written, QByteArray("Invalid month name\n"));
    written = captureStream(2, [] { QCOMPARE(alertDateToDisplay("2024 Mar 05"), std::string()); });
    QCOMPARE(written, QByteArray("Invalid date format\n"));
}

void TestAlertLoader::installTime()
{
    QTemporaryDir dir;
    struct tm installed = {};
    const std::string missing = dir.filePath("missing").toStdString();
    QByteArray written = captureStream(2, [&] { QVERIFY(!readInstallTime(missing, installed)); });
    QCOMPARE(written, QByteArray("Could not open file: ") + missing.c_str() + "\n");

    const std::string noPrefix = writeFile(dir, "a", "Installed=2024-01-01 00:00:00\n").toStdString();
    int minutes = 12345;
    written = captureStream(2, [&] { QCOMPARE(minutesSinceInstall(minutes, noPrefix), -1); });
    QCOMPARE(written, QByteArray("not fount the install time prefix InstallTime=\nget install time error\n"));
    QCOMPARE(minutes, 12345);

    const std::string badStamp = writeFile(dir, "b", "InstallTime=yesterday").toStdString();
    written = captureStream(2, [&] { QVERIFY(!readInstallTime(badStamp, installed)); });
    QCOMPARE(written, QByteArray("parse time error: yesterday\n"));

    const std::string good = writeFile(dir, "c", "# written by the installer\nInstallTime=2024-03-05 10:11:12\n")
                                 .toStdString();
    written = captureStream(1, [&] { QCOMPARE(getInstallTime(installed, good), 0); });
    QCOMPARE(written, QByteArray("parse time: Tue Mar  5 10:11:12 2024\n"));
    QCOMPARE(installed.tm_year, 124);

    // An hour ago, and a time in the future.
    char stamp[32];
    time_t past = time(nullptr) - 3600 - 30;
    strftime(stamp, sizeof(stamp), "%Y-%m-%d %H:%M:%S", localtime(&past));
    const std::string recent = writeFile(dir, "d", QByteArray("InstallTime=") + QByteArray(stamp)).toStdString();
    captureStream(1, [&] { QCOMPARE(minutesSinceInstall(minutes, recent), 0); });
    QVERIFY2(minutes == 60 || minutes == 61, qPrintable(QString::number(minutes)));
    time_t future = time(nullptr) + 7200;
    strftime(stamp, sizeof(stamp), "%Y-%m-%d %H:%M:%S", localtime(&future));
    const std::string ahead = writeFile(dir, "e", QByteArray("InstallTime=") + QByteArray(stamp)).toStdString();
    captureStream(1, [&] { QCOMPARE(minutesSinceInstall(minutes, ahead), 0); });
    QVERIFY2(minutes <= -119 && minutes >= -120, qPrintable(QString::number(minutes)));
}

void TestAlertLoader::convertsToNotifyLogData()
{
    notifyLogData::registerMetaType();
    QVERIFY(QMetaType::type("notifyLogData") != QMetaType::UnknownType);
    loginfo alert;
    alert.rule = 40111;
    alert.level = 12;
    alert.comment = "检测到SSH暴力破解攻击";
    alert.srcPort = 22;
    alert.otherLogs = "a\nb";
    alert.timeNs = 5;
    const notifyLogData data = notifyLogData::fromLoginfo(alert);
    QCOMPARE(data.rule, 40111);
    QCOMPARE(data.comment, QString::fromUtf8("检测到SSH暴力破解攻击"));
    QCOMPARE(data.srcPort, 22);
    QCOMPARE(data.otherLogs, QString("a\nb"));
    QVERIFY(data.user.isEmpty());
}

QTEST_GUILESS_MAIN(TestAlertLoader)
#include "tst_alertloader.moc"
