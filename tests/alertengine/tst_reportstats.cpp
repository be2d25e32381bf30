#include "alertengine/reportstats.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <random>

namespace {

loginfo alert(int level, const std::string &date, const std::string &srcIp = std::string(),
    const std::string &user = std::string(), const std::string &comment = std::string())
{
    loginfo a;
    a.level = level;
    a.date = date;
    a.srcIp = srcIp;
    a.user = user;
    a.comment = comment;
    a.timeNs = alertTimeToNs(date, 0);
    return a;
}

// The plain readings of the counting rules, to hold the fast ones against.
void referenceHits(
    const std::vector<loginfo> &alerts, std::map<std::string, HitStat> &stats, std::string loginfo::*key)
{
    int64_t t = 0;
    for (const loginfo &a : alerts) {
        if (!a.date.empty())
            t = alertTimeToNs(a.date, 0);
        if ((a.*key).empty())
            continue;
        HitStat &stat = stats[a.*key];
        int64_t told = alertTimeToNs(stat.latestDate, 0);
        stat.count += 1;
        if (told <= t)
            stat.latestDate = a.date;
    }
}

int referenceDayCount(
    std::map<std::string, std::vector<loginfo>> days, const std::string &day, int levelClass)
{
    int count = 0;
    for (auto entry : days) { // a copy of every day, as the slow way does
        if (entry.first != day)
            continue;
        for (const loginfo &a : entry.second) {
            if (levelClass == 0 && a.level > 14)
                ++count;
            else if (levelClass == 1 && a.level >= 12 && a.level <= 14)
                ++count;
            else if (levelClass == 2 && a.level >= 1 && a.level <= 11)
                ++count;
            else if (levelClass > 2 || levelClass < 0)
                return 0;
        }
    }
    return count;
}

bool sameHits(const std::map<std::string, HitStat> &a, const std::map<std::string, HitStat> &b)
{
    if (a.size() != b.size())
        return false;
    for (auto i = a.begin(), j = b.begin(); i != a.end(); ++i, ++j) {
        if (i->first != j->first || i->second.count != j->second.count
            || i->second.latestDate != j->second.latestDate)
            return false;
    }
    return true;
}

} // namespace

class TestReportStats : public QObject
{
    Q_OBJECT

private slots:
    void levelsAndComments();
    void fastCountsMatchReferenceOnGeneratedData();
};

void TestReportStats::levelsAndComments()
{
    std::vector<loginfo> alerts;
    for (int level : { 11, 12, 14, 15, 16 })
        alerts.push_back(alert(level, "2024 Mar 05 10:11:12", "", "", level == 16 ? "" : "brute force"));
    auto levelsOf = [&](unsigned levelClass) {
        std::vector<loginfo> out;
        filterByLevelClass(alerts, out, levelClass);
        QList<int> levels;
        for (const loginfo &a : out)
            levels << a.level;
        return levels;
    };
    QCOMPARE(levelsOf(0), QList<int>({ 15, 16 }));
    QCOMPARE(levelsOf(1), QList<int>({ 12, 14 }));
    QCOMPARE(levelsOf(2), QList<int>({ 11 }));
    QCOMPARE(levelsOf(3), QList<int>());

    // Counts add to what the containers hold; an empty comment has no entry.
    std::unordered_map<int, int> levels;
    countByLevel(alerts, levels);
    countByLevel(alerts, levels);
    QCOMPARE(levels.size(), size_t(5));
    QCOMPARE(levels[12], 2);
    std::unordered_map<std::string, int> comments;
    countByComment(alerts, comments);
    QCOMPARE(comments.size(), size_t(1));
    QCOMPARE(comments["brute force"], 4);
}

void TestReportStats::fastCountsMatchReferenceOnGeneratedData()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("generated.log");
    QCOMPARE(QProcess::execute(TARVIX_BINARY_DIR "/tools/alertgen/alertgen",
                 { "--count", "4000", "--days", "90", "--seed", "3", "--min-level", "12", "--out", path }),
        0);
    std::vector<loginfo> alerts;
    loadAlertLog(path.toStdString(), alerts);
    sortAlertsNewestFirst(alerts);
    QCOMPARE(alerts.size(), size_t(4000));
    // Duplicate times and dateless alerts exercise the tie and carry-over
    // rules; dates in other forms within a day and low levels the per-day keys.
    const char *const otherForms[]
        = { "2024 Mar 5 10:00:00", "garbage", "0999 Mar 05 10:11:12", "2024 mar 05 10:11:12" };
    for (size_t i = 1; i < alerts.size(); i += 37)
        alerts[i].date = alerts[i - 1].date;
    for (size_t i = 5; i < alerts.size(); i += 101)
        alerts[i].date.clear();
    for (size_t i = 9; i < alerts.size(); i += 89)
        alerts[i].date = otherForms[i % 4];
    for (size_t i = 3; i < alerts.size(); i += 53)
        alerts[i].level = int(i % 12);

    // Counted in two spans of the list into the same containers, which
    // already hold an entry dated after every alert.
    const AlertSpan first(alerts.data(), 1500);
    const AlertSpan rest(alerts.data() + 1500, alerts.size() - 1500);
    for (auto key : { &loginfo::srcIp, &loginfo::user }) {
        auto count = key == &loginfo::srcIp ? countBySourceIp : countByUser;
        std::map<std::string, HitStat> fast, reference;
        const std::string &held = alerts[2000].*key;
        fast[held] = reference[held] = HitStat { 1, "2099 Jan 01 00:00:00" };
        count(first, fast);
        count(rest, fast);
        referenceHits(first.toVector(), reference, key);
        referenceHits(rest.toVector(), reference, key);
        QVERIFY(sameHits(fast, reference));
    }

    std::map<std::string, std::vector<loginfo>> days;
    groupByDay(alerts, days);
    size_t grouped = 0;
    for (const auto &day : days) {
        grouped += day.second.size();
        for (const loginfo &a : day.second)
            QCOMPARE(alertDateToDay(a.date), day.first);
        for (int levelClass = -1; levelClass <= 3; ++levelClass) {
            int out = -1;
            countDayByLevelClass(days, day.first, levelClass, &out);
            QCOMPARE(out, referenceDayCount(days, day.first, levelClass));
        }
    }
    QCOMPARE(grouped, alerts.size());
    int out = -1;
    countDayByLevelClass(days, "1999-01-01", 0, &out);
    QCOMPARE(out, 0);

    std::map<std::string, DayRiskCounts> risks;
    countRiskByDay(first, risks);
    countRiskByDay(rest, risks);
    QCOMPARE(risks.size(), days.size());
    for (const auto &day : days) {
        const DayRiskCounts &counts = risks[day.first];
        QCOMPARE(counts.highRisk, referenceDayCount(days, day.first, HighRiskClass));
        QCOMPARE(counts.normalRisk, referenceDayCount(days, day.first, NormalRiskClass));
    }
}

QTEST_GUILESS_MAIN(TestReportStats)
#include "tst_reportstats.moc"
