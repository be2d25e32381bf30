// Which alerts the alarm log's search and severity choice keep.

#include "logpage/alertfilter.h"
#include "translation/translation.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

loginfo alert(int level, const std::string &comment = "sshd: brute force")
{
    loginfo a;
    a.level = level;
    a.comment = comment;
    a.location = "zorva-pc->/var/log/auth.log";
    a.srcIp = "10.0.0.7";
    a.user = "root";
    a.firstLog = "Mar  5 10:11:12 zorva-pc sshd[811]: Failed password";
    a.otherLogs = "second line\nthird line";
    return a;
}

int kept(const AlertFilter &filter, const std::vector<loginfo> &alerts)
{
    return int(filter.apply(alerts).size());
}

} // namespace

class TestAlertFilter : public QObject
{
    Q_OBJECT

private slots:
    void textInEveryField_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("kept");
        QTest::newRow("description") << "BRUTE" << true;
        QTest::newRow("address") << "0.0.7" << true;
        QTest::newRow("user") << "Root" << true;
        QTest::newRow("location") << "/VAR/log/auth" << true;
        QTest::newRow("first raw line") << "failed PASSWORD" << true;
        QTest::newRow("further raw lines") << "THIRD line" << true;
        QTest::newRow("across two lines") << "line\nthird" << true;
        QTest::newRow("last character") << "d line" << true;
        QTest::newRow("blanks around") << "  root  " << true;
        QTest::newRow("one character") << "z" << true;
        QTest::newRow("nowhere") << "brute forced" << false;
        QTest::newRow("date is not searched") << "Mar  6" << false;
    }

    void textInEveryField()
    {
        QFETCH(QString, text);
        QFETCH(bool, kept);
        QCOMPARE(::kept(AlertFilter(text, AlertFilter::AnySeverity, nullptr), { alert(12) }), kept ? 1 : 0);
    }

    void caseBeyondAscii()
    {
        loginfo cyrillic = alert(12, "Неверный Пароль");
        loginfo chinese = alert(12, "检测到SSH暴力破解攻击");
        const std::vector<loginfo> alerts { cyrillic, chinese };
        const auto count = [&](const QString &text) {
            return kept(AlertFilter(text, AlertFilter::AnySeverity, nullptr), alerts);
        };
        QCOMPARE(count("пароль"), 1);
        QCOMPARE(count("НЕВЕРНЫЙ"), 1);
        QCOMPARE(count("检测到ssh"), 1);
        QCOMPARE(count("ssh暴力"), 1);
        QCOMPARE(count("暴力破解攻击X"), 0);
    }

    // The fast scan against Qt's own case-insensitive search, on texts made to
    // put matches and near misses at every offset and length.
    void scanAgreesWithQt()
    {
        QRandomGenerator random(7);
        // Bit 0x20 also joins '@' and '`', '[' and '{': near misses of their own.
        const std::string letters = "aAbB.-0@`[{";
        const auto pick = [&] { return letters[random.bounded(int(letters.size()))]; };
        for (int round = 0; round < 5000; ++round) {
            std::string field, needle;
            for (int i = random.bounded(40); i > 0; --i)
                field += pick();
            for (int i = 1 + random.bounded(4); i > 0; --i)
                needle += pick();
            loginfo a = alert(12, "x");
            a.location = field;
            a.srcIp = a.user = a.firstLog = a.otherLogs = "";
            const QString text = QString::fromStdString(needle);
            const bool expected = QString::fromStdString(field).contains(text, Qt::CaseInsensitive);
            QCOMPARE(kept(AlertFilter(text, AlertFilter::AnySeverity, nullptr), { a }) == 1, expected);
        }
    }

    void translatedDescriptions()
    {
        // The list shows the translation; both it and the description are searched.
        QTemporaryDir root;
        QVERIFY(QDir().mkpath(root.filePath("zh_CN/LC_MESSAGES")));
        QFile catalogue(root.filePath("zh_CN/LC_MESSAGES/tarvix_zh_CN.ts"));
        QVERIFY(catalogue.open(QIODevice::WriteOnly));
        catalogue.write("<TS><context><name>c</name><message><source>sshd: brute force</source>"
                        "<translation>暴力破解</translation></message></context></TS>");
        catalogue.close();
        const Translation titles("zh_CN", root.path().toStdString());
        QCOMPARE(ruleTitle(&titles, "sshd: brute force"), std::string("暴力破解"));
        QCOMPARE(ruleTitle(&titles, "no such rule"), std::string("no such rule"));
        const std::vector<loginfo> alerts { alert(12) };
        QCOMPARE(kept(AlertFilter("暴力", AlertFilter::AnySeverity, &titles), alerts), 1);
        QCOMPARE(kept(AlertFilter("brute", AlertFilter::AnySeverity, &titles), alerts), 1);
        QCOMPARE(kept(AlertFilter("暴力", AlertFilter::AnySeverity, nullptr), alerts), 0);
    }

    void severities()
    {
        const std::vector<loginfo> alerts { alert(12), alert(14), alert(15), alert(16) };
        QCOMPARE(kept(AlertFilter(), alerts), 4);
        QCOMPARE(kept(AlertFilter("", AlertFilter::HighRisk, nullptr), alerts), 2);
        QCOMPARE(kept(AlertFilter("", AlertFilter::NormalRisk, nullptr), alerts), 2);
        QCOMPARE(kept(AlertFilter("root", AlertFilter::HighRisk, nullptr), alerts), 2);
        QVERIFY(!AlertFilter(" ", AlertFilter::AnySeverity, nullptr).isActive());
        QVERIFY(AlertFilter("", AlertFilter::NormalRisk, nullptr).isActive());
    }

    void narrowing_data()
    {
        QTest::addColumn<QString>("earlier");
        QTest::addColumn<int>("earlierSeverity");
        QTest::addColumn<QString>("later");
        QTest::addColumn<int>("laterSeverity");
        QTest::addColumn<bool>("narrows");
        QTest::newRow("typed on") << "ro" << 0 << "roo" << 0 << true;
        QTest::newRow("typed before") << "oo" << 0 << "roo" << 0 << true;
        QTest::newRow("deleted") << "roo" << 0 << "ro" << 0 << false;
        QTest::newRow("other case") << "RO" << 0 << "root" << 0 << false;
        QTest::newRow("from nothing") << "" << 0 << "r" << 1 << true;
        QTest::newRow("level chosen") << "r" << 0 << "r" << 1 << true;
        QTest::newRow("level dropped") << "r" << 1 << "r" << 0 << false;
        QTest::newRow("other level") << "r" << 1 << "r" << 2 << false;
        // Cyrillic compares case differently from ASCII: no shortcut between them.
        QTest::newRow("case rules change") << "s" << 0 << "sП" << 0 << false;
    }

    void narrowing()
    {
        QFETCH(QString, earlier);
        QFETCH(int, earlierSeverity);
        QFETCH(QString, later);
        QFETCH(int, laterSeverity);
        QFETCH(bool, narrows);
        const AlertFilter first(earlier, AlertFilter::Severity(earlierSeverity), nullptr);
        const AlertFilter second(later, AlertFilter::Severity(laterSeverity), nullptr);
        QCOMPARE(second.narrows(first), narrows);
        if (narrows) { // and then it finds the same alerts from the earlier ones
            const std::vector<loginfo> alerts { alert(12), alert(15), alert(12, "rooted"), alert(15, "x") };
            QCOMPARE(second.apply(first.apply(alerts)), second.apply(alerts));
        }
    }
};

QTEST_MAIN(TestAlertFilter)
#include "tst_alertfilter.moc"
