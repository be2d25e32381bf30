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

int kept(const QString &text, const std::vector<loginfo> &alerts,
    AlertFilter::Severity severity = AlertFilter::AnySeverity, const Translation *titles = nullptr)
{
    return int(AlertFilter(text, severity, titles).apply(alerts).size());
}

} // namespace

class TestAlertFilter : public QObject
{
    Q_OBJECT

private slots:
    void textInEveryFieldAnyCase()
    {
        const std::vector<loginfo> one { alert(12) };
        for (const char *found : { "BRUTE", "0.0.7", "Root", "/VAR/log/auth", "failed PASSWORD", "THIRD line",
                 "line\nthird", "d line", "  root  " })
            QVERIFY2(kept(found, one) == 1, found);
        for (const char *missing : { "brute forced", "Mar  6" }) // the date is not searched
            QVERIFY2(kept(missing, one) == 0, missing);

        const std::vector<loginfo> unicode { alert(12, "Неверный Пароль"),
            alert(12, "检测到SSH暴力破解攻击") };
        QCOMPARE(kept("пароль", unicode), 1);
        QCOMPARE(kept("检测到ssh", unicode), 1);
        QCOMPARE(kept("暴力破解攻击X", unicode), 0);
    }

    // The fast scan against Qt's own case-insensitive search, on texts made to
    // put matches and near misses at every offset and length. Bit 0x20 also
    // joins '@' and '`', '[' and '{': near misses of their own.
    void scanAgreesWithQt()
    {
        QRandomGenerator random(7);
        const std::string letters = "aAbB.-0@`[{";
        const auto text = [&](int length) {
            std::string made;
            for (; length > 0; --length)
                made += letters[random.bounded(int(letters.size()))];
            return made;
        };
        for (int round = 0; round < 5000; ++round) {
            loginfo a = alert(12, "x");
            a.srcIp = a.user = a.firstLog = a.otherLogs = "";
            a.location = text(random.bounded(40));
            const QString needle = QString::fromStdString(text(1 + random.bounded(4)));
            const bool expected = QString::fromStdString(a.location).contains(needle, Qt::CaseInsensitive);
            QCOMPARE(kept(needle, { a }) == 1, expected);
        }
    }

    void translatedDescriptions()
    {
        QTemporaryDir root;
        QVERIFY(QDir().mkpath(root.filePath("zh_CN/LC_MESSAGES")));
        QFile catalogue(root.filePath("zh_CN/LC_MESSAGES/tarvix_zh_CN.ts"));
        QVERIFY(catalogue.open(QIODevice::WriteOnly));
        catalogue.write("<TS><context><name>c</name><message><source>sshd: brute force</source>"
                        "<translation>暴力破解</translation></message></context></TS>");
        catalogue.close();
        const Translation titles("zh_CN", root.path().toStdString());
        // The list shows the translation; both it and the description are searched.
        QCOMPARE(ruleTitle(&titles, "sshd: brute force"), std::string("暴力破解"));
        QCOMPARE(ruleTitle(&titles, "no such rule"), std::string("no such rule"));
        QCOMPARE(kept("暴力", { alert(12) }, AlertFilter::AnySeverity, &titles), 1);
        QCOMPARE(kept("brute", { alert(12) }, AlertFilter::AnySeverity, &titles), 1);
    }

    void severitiesAndNarrowing()
    {
        const std::vector<loginfo> alerts { alert(12), alert(14), alert(15), alert(16, "rooted") };
        QCOMPARE(kept("", alerts, AlertFilter::HighRisk), 2);
        QCOMPARE(kept("", alerts, AlertFilter::NormalRisk), 2);
        QCOMPARE(kept("rooted", alerts, AlertFilter::HighRisk), 1);
        QVERIFY(!AlertFilter(" ", AlertFilter::AnySeverity, nullptr).isActive());

        // Typing on searches only what the last keystroke kept, when that is all it can find.
        const auto narrows
            = [](const QString &earlier, int earlierLevel, const QString &later, int laterLevel) {
                  const AlertFilter first(earlier, AlertFilter::Severity(earlierLevel), nullptr);
                  const AlertFilter second(later, AlertFilter::Severity(laterLevel), nullptr);
                  return second.narrows(first);
              };
        QVERIFY(narrows("ro", 0, "roo", 0) && narrows("oo", 0, "roo", 0) && narrows("", 0, "r", 1));
        QVERIFY(narrows("r", 0, "r", 1));
        QVERIFY(!narrows("roo", 0, "ro", 0));
        QVERIFY(!narrows("RO", 0, "root", 0));
        QVERIFY(!narrows("r", 1, "r", 0) && !narrows("r", 1, "r", 2));
        QVERIFY(!narrows("s", 0, "sП", 0)); // Cyrillic compares case otherwise than ASCII
    }
};

QTEST_MAIN(TestAlertFilter)
#include "tst_alertfilter.moc"
