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
void referenceHits(const std::vector<loginfo> &alerts, std::map<std::string, HitStat> &stats,
                   std::string loginfo::*key)
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

int referenceDayCount(std::map<std::string, std::vector<loginfo>> days, const std::string &day, int levelClass)
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
    void levelClasses();
    void countsAddToTheContainers();
    void hitsKeepTheNewestDate();
    void groupsByDay();
    void dayCounts();
    void fastCountsMatchReferenceOnGeneratedData();
};

void TestReportStats::levelClasses()
{
    std::vector<loginfo> alerts;
    for (int level : { 11, 12, 14, 15, 16 })
        alerts.push_back(alert(level, "2024 Mar 05 10:11:12"));
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
}

void TestReportStats::countsAddToTheContainers()
{
    const std::vector<loginfo> alerts = { alert(12, "2024 Mar 05 10:11:12", "", "", "brute force"),
                                          alert(12, "2024 Mar 05 10:11:13", "", "", "brute force"),
                                          alert(15, "2024 Mar 05 10:11:14", "", "", "") };
    std::unordered_map<int, int> levels;
    countByLevel(alerts, levels);
    countByLevel(alerts, levels);
    QCOMPARE(levels.size(), size_t(2));
    QCOMPARE(levels[12], 4);
    QCOMPARE(levels[15], 2);

    std::unordered_map<std::string, int> comments;
    countByComment(alerts, comments);
    QCOMPARE(comments.size(), size_t(1)); // no entry for the empty comment
    QCOMPARE(comments["brute force"], 2);
}

void TestReportStats::hitsKeepTheNewestDate()
{
    // Newest first, as loaded; the second alert has no date and keeps the
    // time of the one before it, so with equal times the later one wins.
    const std::vector<loginfo> alerts = { alert(12, "2024 Mar 06 10:00:00", "10.0.0.1", "root"),
                                          alert(12, "", "10.0.0.2", "root"),
                                          alert(12, "2024 Mar 05 10:00:00", "10.0.0.1", ""),
                                          alert(12, "2024 Mar 04 10:00:00", "", "guest") };
    std::map<std::string, HitStat> sources;
    countBySourceIp(alerts, sources);
    QCOMPARE(sources.size(), size_t(2));
    QCOMPARE(sources["10.0.0.1"].count, 2);
    QCOMPARE(sources["10.0.0.1"].latestDate, std::string("2024 Mar 06 10:00:00"));
    QCOMPARE(sources["10.0.0.2"].count, 1);
    QCOMPARE(sources["10.0.0.2"].latestDate, std::string());

    std::map<std::string, HitStat> users;
    countByUser(alerts, users);
    QCOMPARE(users.size(), size_t(2));
    QCOMPARE(users["root"].count, 2);
    QCOMPARE(users["root"].latestDate, std::string()); // the dateless alert came later
    QCOMPARE(users["guest"].latestDate, std::string("2024 Mar 04 10:00:00"));
}

void TestReportStats::groupsByDay()
{
    const std::vector<loginfo> alerts = { alert(12, "2024 Mar 06 10:00:00"), alert(13, "2024 Mar 05 23:00:00"),
                                          alert(14, "2024 Mar 06 09:00:00"), alert(15, "not a date") };
    std::map<std::string, std::vector<loginfo>> days;
    groupByDay(alerts, days);
    QCOMPARE(days.size(), size_t(3));
    auto it = days.begin();
    QCOMPARE(it->first, std::string("1900-01-00"));
    QCOMPARE((++it)->first, std::string("2024-03-05"));
    QCOMPARE((++it)->first, std::string("2024-03-06"));
    QCOMPARE(it->second.size(), size_t(2));
    QCOMPARE(it->second[0].level, 12); // list order kept
    QCOMPARE(it->second[1].level, 14);
}

void TestReportStats::dayCounts()
{
    std::map<std::string, std::vector<loginfo>> days;
    int out = -1;
    countDayByLevelClass(days, "2024-03-05", 0, &out);
    QCOMPARE(out, 0);
    const std::vector<loginfo> alerts = { alert(15, "2024 Mar 05 10:00:00"),
        alert(16, "2024 Mar 05 11:00:00"), alert(12, "2024 Mar 05 12:00:00") };
    groupByDay(alerts, days);
    countDayByLevelClass(days, "2024-03-05", 0, &out);
    QCOMPARE(out, 2);
    countDayByLevelClass(days, "2024-03-05", 1, &out);
    QCOMPARE(out, 1);
    countDayByLevelClass(days, "2024-03-05", 3, &out);
    QCOMPARE(out, 0);
    countDayByLevelClass(days, "2024-03-04", 0, &out);
    QCOMPARE(out, 0);

    // The chart's counts list a day of low alerts only, as the grouping does.
    std::map<std::string, DayRiskCounts> risks;
    countRiskByDay(alerts, risks);
    countRiskByDay(std::vector<loginfo> { alert(11, "2024 Mar 04 10:00:00") }, risks);
    QCOMPARE(risks.size(), size_t(2));
    QCOMPARE(risks["2024-03-04"].highRisk + risks["2024-03-04"].normalRisk, 0);
    QCOMPARE(risks["2024-03-05"].highRisk, 2);
    QCOMPARE(risks["2024-03-05"].normalRisk, 1);
}

void TestReportStats::fastCountsMatchReferenceOnGeneratedData()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("generated.log");
    QCOMPARE(QProcess::execute(TARVIX_BINARY_DIR "/tools/alertgen/alertgen",
                               { "--count", "4000", "--days", "90", "--seed", "3", "--min-level", "12", "--out",
                                 path }),
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
