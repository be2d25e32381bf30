// The report's data of a range against the engine's counts of the same alerts.

#include "alertengine/alertclock.h"
#include "alertengine/alertloader.h"
#include "alertengine/alerttestutil.h"
#include "reportdata/reportdata.h"

#include <QtTest>

#include <algorithm>

class TestReportData : public QObject
{
    Q_OBJECT

    AlertList m_alerts;

private slots:
    void initTestCase()
    {
        m_alerts = std::make_shared<const std::vector<loginfo>>(generatedAlerts({ "--count", "3000", "--days",
            "60", "--seed", "7", "--min-level", "12", "--sources", "300", "--users", "40" }));
    }

    // The newest alert of a key where dates are missing or unreadable: one
    // without a date counts at the time of the alert before it in the list.
    void latestDatesAsTheEngineKeepsThem()
    {
        std::vector<loginfo> alerts;
        for (const auto &[date, source] :
            std::vector<std::pair<std::string, std::string>> { { "2001 Jan 03 00:00:00", "192.0.2.1" },
                { "", "192.0.2.1" }, { "2001 Jan 02 00:00:00", "192.0.2.2" }, { "", "192.0.2.2" },
                { "2001 Jan 01 12:00:00", "192.0.2.2" }, { "garbage", "192.0.2.3" },
                { "2001 Jan 01 00:00:00", "192.0.2.3" }, { "garbage", "192.0.2.4" } }) {
            loginfo alert;
            alert.date = date;
            alert.srcIp = source;
            alert.timeNs = AlertClock::toNsOnce(date, 0);
            alerts.push_back(alert);
        }
        const SharedReportData data
            = ReportData::compute(std::make_shared<const std::vector<loginfo>>(alerts), "init", "init");
        std::map<std::string, HitStat> reference;
        countBySourceIp(alerts, reference);
        QCOMPARE(describedRanking(*data->sources), describedRanking(reference));
    }

    void matchesTheEngine_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<bool>("empty");
        const auto day = [this](size_t index, const char *time) {
            return QDateTime::fromMSecsSinceEpoch((*m_alerts)[index].timeNs / 1000000)
                       .date()
                       .toString("yyyy-MM-dd")
                + " " + time;
        };
        QTest::newRow("everything") << QString("init") << QString("init") << false;
        QTest::newRow("some days") << day(2000, "00:00:00") << day(500, "23:59:59") << false;
        QTest::newRow("one day") << day(1500, "00:00:00") << day(1500, "23:59:59") << false;
        QTest::newRow("before the first")
            << QString("1999-01-01 00:00:00") << QString("1999-01-02 23:59:59") << true;
    }

    void matchesTheEngine()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(bool, empty);
        const SharedReportData data = ReportData::compute(m_alerts, start.toStdString(), end.toStdString());

        std::vector<loginfo> range;
        filterAlertsByRange(*m_alerts, range, start.toStdString(), end.toStdString());
        QCOMPARE(data->range.alerts.size(), range.size());
        QCOMPARE(range.empty(), empty);
        QCOMPARE(data->alertTotal, m_alerts->size());
        QVERIFY(data->range.snapshot == m_alerts); // held, not copied

        std::vector<loginfo> high, normal;
        filterByLevelClass(range, high, HighRiskClass);
        filterByLevelClass(range, normal, NormalRiskClass);
        QCOMPARE(QList<size_t>({ size_t(data->highCount), size_t(data->normalCount) }),
            QList<size_t>({ high.size(), normal.size() }));
        std::unordered_map<int, int> levels;
        countByLevel(range, levels);
        QCOMPARE(data->levelCounts, levels);
        std::map<std::string, DayRiskCounts> days;
        countRiskByDay(range, days);
        QCOMPARE(data->dayCounts.size(), days.size());
        for (const auto &[key, counts] : days) {
            const DayRiskCounts &got = data->dayCounts.at(key);
            QCOMPARE(QList<int>({ got.highRisk, got.normalRisk }),
                QList<int>({ counts.highRisk, counts.normalRisk }));
        }

        std::unordered_map<std::string, int> events;
        countByComment(range, events);
        QCOMPARE(data->eventCounts, events);
        std::vector<std::pair<int, std::string>> byCount;
        for (const auto &[title, count] : events)
            byCount.emplace_back(-count, title);
        std::sort(byCount.begin(), byCount.end());
        byCount.resize(std::min<size_t>(5, byCount.size()));
        QCOMPARE(data->topEvents.size(), byCount.size());
        for (size_t i = 0; i < byCount.size(); ++i)
            QCOMPARE(*data->topEvents[i].first + " " + std::to_string(data->topEvents[i].second),
                byCount[i].second + " " + std::to_string(-byCount[i].first));

        for (auto count : { countBySourceIp, countByUser }) {
            const bool sources = count == countBySourceIp;
            std::map<std::string, HitStat> reference;
            count(range, reference);
            const HitRanking &ranking = sources ? *data->sources : *data->users;
            QCOMPARE(describedRanking(ranking), describedRanking(reference));
            QVERIFY(std::is_sorted(ranking.begin(), ranking.end(),
                [](const auto &a, const auto &b) { return a.first < b.first; }));
            const auto &top = sources ? data->topSources : data->topUsers;
            QCOMPARE(top.size(), std::min<size_t>(3, reference.size()));
            for (size_t i = 1; i < top.size(); ++i)
                QVERIFY(top[i - 1]->second.count > top[i]->second.count
                    || (top[i - 1]->second.count == top[i]->second.count
                        && top[i - 1]->first < top[i]->first));
            for (const auto &entry : ranking)
                QVERIFY(top.empty() || entry.second.count <= top.front()->second.count);
        }

        const QDate oldest = empty
            ? QDate()
            : QLocale("en_US")
                  .toDateTime(QString::fromStdString(range.back().date), "yyyy MMM d H:mm:ss")
                  .date();
        QCOMPARE(data->oldestDate(), oldest);
    }

    void nothingLoaded()
    {
        const SharedReportData data = ReportData::compute(nullptr, "init", "init");
        QVERIFY(data->range.alerts.empty() && data->alertTotal == 0 && data->sources->empty());
        QVERIFY(!data->oldestDate().isValid());
    }

    // A count read as 64 bits; whatever is not a count is unknown, never 0.
    void readCount()
    {
        const std::pair<const char *, std::optional<qint64>> rows[]
            = { { "1024", 1024 }, { "42\n", 42 }, { "0", 0 }, { "99999999999", 99999999999LL }, { "-7", {} },
                  { "many", {} }, { "", {} }, { "99999999999999999999", {} } };
        for (const auto &[text, count] : rows)
            QVERIFY2(ReportFigures::readCount(text) == count, text);
    }
};

QTEST_GUILESS_MAIN(TestReportData)
#include "tst_reportcounts.moc"
