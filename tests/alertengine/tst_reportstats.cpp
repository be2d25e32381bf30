#include "alertengine/reportstats.h"

#include "alerttestutil.h"

#include <QtTest>

#include <climits>

namespace {

// The plain readings of the counting rules, to hold the fast ones against: a dateless alert keeps the time of
// the one before it; with equal times the later alert's date wins.
void referenceHits(
    const std::vector<loginfo> &alerts, std::map<std::string, HitStat> &stats, std::string loginfo::*key)
{
    int64_t t = 0;
    for (const loginfo &a : alerts) {
        t = a.date.empty() ? t : alertTimeToNs(a.date, 0);
        if ((a.*key).empty())
            continue;
        HitStat &stat = stats[a.*key];
        stat.count += 1;
        if (alertTimeToNs(stat.latestDate, 0) <= t)
            stat.latestDate = a.date;
    }
}

int referenceDayCount(
    const std::map<std::string, std::vector<loginfo>> &days, const std::string &day, int levelClass)
{
    const auto it = days.find(day);
    if (it == days.end() || levelClass < 0 || levelClass > 2)
        return 0;
    const int low[] = { 15, 12, 1 }, high[] = { INT_MAX, 14, 11 };
    return int(std::count_if(it->second.begin(), it->second.end(),
        [&](const loginfo &a) { return a.level >= low[levelClass] && a.level <= high[levelClass]; }));
}

} // namespace

class TestReportStats : public QObject
{
    Q_OBJECT

private slots:
    void levelsAndComments()
    {
        std::vector<loginfo> alerts(5);
        const int levels[] = { 11, 12, 14, 15, 16 };
        for (int i = 0; i < 5; ++i) {
            alerts[i].level = levels[i];
            alerts[i].comment = levels[i] == 16 ? "" : "brute force";
        }
        QList<QList<int>> classes;
        for (unsigned levelClass = 0; levelClass < 4; ++levelClass) {
            std::vector<loginfo> out;
            filterByLevelClass(alerts, out, levelClass);
            classes << QList<int>();
            for (const loginfo &a : out)
                classes.last() << a.level;
        }
        QCOMPARE(classes, QList<QList<int>>({ { 15, 16 }, { 12, 14 }, { 11 }, {} }));

        // Counts add to what the containers hold; an empty comment has no entry.
        std::unordered_map<int, int> byLevel;
        countByLevel(alerts, byLevel);
        countByLevel(alerts, byLevel);
        QCOMPARE(QList<int>({ int(byLevel.size()), byLevel[12], byLevel[16] }), QList<int>({ 5, 2, 2 }));
        std::unordered_map<std::string, int> comments;
        countByComment(alerts, comments);
        QCOMPARE(QList<int>({ int(comments.size()), comments["brute force"] }), QList<int>({ 1, 4 }));
    }

    void fastCountsMatchReferenceOnGeneratedData()
    {
        std::vector<loginfo> alerts
            = generatedAlerts({ "--count", "4000", "--days", "90", "--seed", "3", "--min-level", "12" });
        QCOMPARE(alerts.size(), size_t(4000));
        // Duplicate times and dateless alerts exercise the tie and carry-over
        // rules; dates in other forms within a day and low levels the per-day keys.
        const char *const otherForms[]
            = { "2024 Mar 5 10:00:00", "garbage", "0999 Mar 05 10:11:12", "2024 mar 05 10:11:12" };
        for (size_t i = 1; i < alerts.size(); ++i) {
            alerts[i].date = i % 37 == 1 ? alerts[i - 1].date : i % 101 == 5 ? "" : alerts[i].date;
            alerts[i].date = i % 89 == 9 ? otherForms[i % 4] : alerts[i].date;
            alerts[i].level = i % 53 == 3 ? int(i % 12) : alerts[i].level;
        }

        // Two spans counted into the same containers, already holding an entry dated after every alert.
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
            QCOMPARE(describedRanking(fast), describedRanking(reference));
        }

        std::map<std::string, std::vector<loginfo>> days;
        groupByDay(alerts, days);
        std::map<std::string, DayRiskCounts> risks;
        countRiskByDay(first, risks);
        countRiskByDay(rest, risks);
        QCOMPARE(risks.size(), days.size());
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
            QCOMPARE(risks[day.first].highRisk, referenceDayCount(days, day.first, HighRiskClass));
            QCOMPARE(risks[day.first].normalRisk, referenceDayCount(days, day.first, NormalRiskClass));
        }
        QCOMPARE(grouped, alerts.size());
        int out = -1;
        countDayByLevelClass(days, "1999-01-01", 0, &out);
        QCOMPARE(out, 0);
    }
};

QTEST_GUILESS_MAIN(TestReportStats)
#include "tst_reportstats.moc"
