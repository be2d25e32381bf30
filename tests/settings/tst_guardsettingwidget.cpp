// The defense settings page against the stand-in daemon.

#include "settings/guardsettingwidget.h"
#include "settingtest.h"
#include "support/bustestmain.h"
#include "system/systemprobes.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

QJsonObject blocking(const QString &whitelist, const QString &time)
{
    return QJsonObject { { "intervention",
        QJsonObject {
            { "block_ip", QJsonObject { { "whitelist", whitelist }, { "blockip_timeout", time } } } } } };
}

QStringList blockingSent(const QString &whitelist, const QString &time)
{
    return { QString("setInterventionConfig(\"block_ip\", \"whitelist\", \"%1\")").arg(whitelist),
        QString("setInterventionConfig(\"block_ip\", \"blockip_timeout\", \"%1\")").arg(time),
        "restartService(\"tarvix-intervention\")" };
}

const char *const WHITELIST_ERROR = "The whitelist must be complete IPv4 addresses separated by commas";

} // namespace

class TestGuardSettingWidget : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        isAdministrator = true;
        m_sim = std::make_unique<DaemonSimFixture>();
    }
    void cleanup() { m_sim.reset(); }

    void showsTheDaemonsValues()
    {
        QJsonObject off = blocking("", "");
        off["services"] = serviceState({ { "tarvix-intervention", 0 } })["services"];
        const std::tuple<QJsonObject, QString, QString, int> rows[] = {
            { {}, "127.0.0.1,192.168.1.1", "600", 0 },
            { blocking("10.0.0.1 \t 10.0.0.2", "-1"), "10.0.0.1,10.0.0.2", "-1", 0 }, // blank runs, endless
            { off, "", "-1", 1 }, // no time, service off
        };
        for (const auto &[state, whitelist, time, checked] : rows) {
            QVERIFY(startSim(*m_sim, state));
            guardSettingWidget page(nullptr);
            QCOMPARE(page.whitelistEdit()->text(), whitelist);
            QCOMPARE(page.timeEdit()->text(), time);
            QCOMPARE(page.serviceGroup()->checkedId(), checked);
            QVERIFY(page.confirmButton()->isEnabled());
        }
    }

    void sendsOnlyWhatChanged_data()
    {
        QTest::addColumn<QString>("whitelist");
        QTest::addColumn<QString>("time"); // empty: 600 typed again
        QTest::addColumn<int>("service");
        QTest::addColumn<QStringList>("sent");
        const QString loaded = "127.0.0.1,192.168.1.1";
        const QString sentList = "127.0.0.1 192.168.1.1";
        QTest::newRow("nothing") << loaded << "600" << -1 << QStringList();
        QTest::newRow("whitelist keeps 600s") << "10.0.0.1,10.0.0.2"
                                              << "600" << -1 << blockingSent("10.0.0.1 10.0.0.2", "600s");
        QTest::newRow("600 retyped") << loaded << "" << -1 << blockingSent(sentList, "600s");
        QTest::newRow("endless") << loaded << "-1" << -1 << blockingSent(sentList, "-1");
        QTest::newRow("longest") << loaded << "3600" << -1 << blockingSent(sentList, "3600s");
        QTest::newRow("empty whitelist") << ""
                                         << "600" << -1 << blockingSent("", "600s");
        QTest::newRow("service off") << loaded << "600" << 1
                                     << QStringList { "setServiceStatus(\"tarvix-intervention\", 0, 0)",
                                            "setServiceStatus(\"tarvix-intervention\", 0, 1)" };
    }

    void sendsOnlyWhatChanged()
    {
        QFETCH(QString, whitelist);
        QFETCH(QString, time);
        QFETCH(int, service);
        QVERIFY(startSim(*m_sim, {}));
        guardSettingWidget page(nullptr);
        QSignalSpy closed(&page, &guardSettingWidget::signal_close);
        page.whitelistEdit()->setText(whitelist);
        page.timeEdit()->setText(time); // typed again: a change, since the daemon holds "600s"
        page.timeEdit()->setText(time.isEmpty() ? "600" : time);
        if (service >= 0)
            page.serviceGroup()->button(service)->click();
        QVERIFY(confirmAndWait(page));
        QTEST(writesTo(*m_sim), "sent");
        QCOMPARE(closed.count(), 1);
    }

    // The validator lets unfinished input through while typing; Confirm does not.
    void incompleteWhitelistIsNeverSent()
    {
        QVERIFY(startSim(*m_sim, {}));
        guardSettingWidget page(nullptr);
        QLineEdit *edit = page.whitelistEdit();
        edit->clear();
        QTest::keyClicks(edit, "10.0.0.x");
        QCOMPARE(edit->text(), QString("10.0.0."));
        QCOMPARE(page.errorLabel()->text(), QString(WHITELIST_ERROR));
        QVERIFY(page.errorLabel()->isVisibleTo(&page) && !page.confirmButton()->isEnabled());
        QTest::keyClicks(edit, "1,");
        QVERIFY(!page.confirmButton()->isEnabled());

        // Both faults are named while both remain.
        page.timeEdit()->setText("3601");
        QCOMPARE(page.errorLabel()->text(),
            QString("%1\nThe blocking time is unreasonable, and the value range is 1~3600")
                .arg(WHITELIST_ERROR));
        page.timeEdit()->setText("30");
        QTest::keyClick(edit, Qt::Key_Backspace);
        QVERIFY(!page.errorLabel()->isVisibleTo(&page) && page.confirmButton()->isEnabled());
        QVERIFY(confirmAndWait(page));
        QCOMPARE(writesTo(*m_sim), blockingSent("10.0.0.1", "30s"));
    }

    void stoppedDetectionStopsDefense()
    {
        QVERIFY(startSim(*m_sim, serviceState({ { "tarvix-rootcheck", 0 } })));
        guardSettingWidget page(nullptr);
        QCOMPARE(page.serviceGroup()->checkedId(), 1);
        QVERIFY(!page.serviceSection()->isEnabled() && !page.titleRow()->isEnabled());
        QTRY_COMPARE(writesTo(*m_sim), QStringList { "setServiceStatus(\"tarvix-intervention\", 0, 0)" });
        QVERIFY(confirmAndWait(page));
        QCOMPARE(writesTo(*m_sim).size(), 1);
    }

    void withoutAdministratorRights()
    {
        isAdministrator = false;
        QVERIFY(startSim(*m_sim, {}));
        guardSettingWidget page(nullptr);
        for (QWidget *control : std::initializer_list<QWidget *> { page.serviceGroup()->button(0),
                 page.serviceGroup()->button(1), page.whitelistEdit(), page.timeEdit() })
            QVERIFY(!control->isEnabled());
        QVERIFY(page.confirmButton()->isEnabled());
    }

    // A refused write keeps the page open and says so; what could not be read is not sent back.
    void failedReadOrWrite()
    {
        QVERIFY(startSim(*m_sim, {}, { "--error", "setInterventionConfig" }));
        guardSettingWidget page(nullptr);
        QSignalSpy closed(&page, &guardSettingWidget::signal_close);
        page.whitelistEdit()->setText("10.0.0.1");
        QVERIFY(confirmAndWait(page));
        QCOMPARE(closed.count(), 0);
        QCOMPARE(page.errorLabel()->text(),
            QString("The IP blocking settings could not be applied, please try again"));
        QVERIFY(page.errorLabel()->isVisibleTo(&page) && page.confirmButton()->isEnabled());

        QVERIFY(startSim(*m_sim, {}, { "--no-reply", "getInterventionConfig" }));
        guardSettingWidget unread(nullptr);
        QCOMPARE(unread.errorLabel()->text(),
            QString("The current settings could not be read, please try again later"));
        QVERIFY(!unread.confirmButton()->isEnabled() && !unread.whitelistEdit()->isEnabled());
    }

private:
    std::unique_ptr<DaemonSimFixture> m_sim;
};

TARVIX_BUS_TEST_MAIN(TestGuardSettingWidget)
#include "tst_guardsettingwidget.moc"
