// The basic settings page against the stand-in daemon.

#include "settings/basicsettingwidget.h"
#include "settingtest.h"
#include "support/bustestmain.h"
#include "system/systemprobes.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

QString allServices(int status, int type)
{
    return QString(
        "setServiceStatus(\"tarvix-research tarvix-logscan tarvix-rootcheck tarvix-ebpf\", %1, %2)")
        .arg(status)
        .arg(type);
}

const QStringList ALL_ON = { allServices(1, 0), allServices(1, 1) };
const QStringList ALL_OFF = { allServices(0, 0), allServices(0, 1) };
const QStringList FOLD_SENT
    = { "setNotifyConfig(\"no\", \"10\", \"yes\")", "restartService(\"tarvix-research\")" };
const char *const NOTIFY_FAILED = "The desktop notification settings could not be applied, please try again";
const char *const SERVICES_FAILED = "The detection services could not be switched, please try again";

QJsonObject mixedState()
{
    return serviceState({ { "tarvix-research", 1 }, { "tarvix-logscan", 0 }, { "tarvix-rootcheck", 1 } });
}

} // namespace

class TestBasicSettingWidget : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        isAdministrator = true;
        m_sim = std::make_unique<DaemonSimFixture>();
    }
    void cleanup() { m_sim.reset(); }

    void serviceChoice_data()
    {
        QTest::addColumn<QJsonObject>("state");
        QTest::addColumn<bool>("admin");
        QTest::addColumn<int>("checked"); // at load
        QTest::addColumn<int>("choice"); // -1: none
        QTest::addColumn<QStringList>("sent");
        const QJsonObject allOff
            = serviceState({ { "tarvix-research", 0 }, { "tarvix-logscan", 0 }, { "tarvix-rootcheck", 0 } });
        QTest::newRow("all on") << QJsonObject() << true << 0 << -1 << QStringList();
        QTest::newRow("ebpf does not count")
            << serviceState({ { "tarvix-ebpf", 0 } }) << true << 0 << -1 << QStringList();
        QTest::newRow("all off") << allOff << true << 1 << -1 << QStringList();
        QTest::newRow("mixed, no choice turns them on") << mixedState() << true << -1 << -1 << ALL_ON;
        QTest::newRow("mixed, explicit off") << mixedState() << true << -1 << 1 << ALL_OFF;
        QTest::newRow("mixed, no rights") << mixedState() << false << -1 << -1 << ALL_ON;
    }

    // What is checked at load, and what Confirm sends; without rights only Confirm is open.
    void serviceChoice()
    {
        QFETCH(QJsonObject, state);
        QFETCH(bool, admin);
        QFETCH(int, choice);
        isAdministrator = admin;
        QVERIFY(startSim(*m_sim, state));
        basicSettingWidget page(nullptr);
        QSignalSpy closed(&page, &basicSettingWidget::signal_close);
        QTEST(page.serviceGroup()->checkedId(), "checked");
        QCOMPARE(page.timeoutEdit()->isEnabled(), admin);
        for (QRadioButton *radio : page.findChildren<QRadioButton *>())
            QCOMPARE(radio->isEnabled(), admin);
        if (choice >= 0)
            page.serviceGroup()->button(choice)->click();
        QVERIFY(confirmAndWait(page));
        QTEST(writesTo(*m_sim), "sent");
        QCOMPARE(closed.count(), 1);
    }

    void timeoutValidation()
    {
        const QString range = "The notification duration is unreasonable, and the value range is 1~60";
        const QString integer = "Please enter an integer greater than 0";
        const std::pair<const char *, QString> inputs[]
            = { { "-1", "" }, { "60", "" }, { "05", "" }, { "0", range }, { "61", range }, { "-2", range },
                  { "99999999999", range }, { "abc", integer }, { "", integer } };
        QVERIFY(startSim(*m_sim, {}));
        basicSettingWidget page(nullptr);
        for (const auto &[text, error] : inputs) {
            page.timeoutEdit()->setText(text);
            QCOMPARE(page.errorLabel()->isVisibleTo(&page), !error.isEmpty());
            QCOMPARE(page.confirmButton()->isEnabled(), error.isEmpty());
            if (!error.isEmpty())
                QCOMPARE(page.errorLabel()->text(), error);
        }
    }

    // Changing the fold alone sends all three settings, as typed, and restarts research.
    void sendsOnlyWhatChanged()
    {
        QVERIFY(startSim(*m_sim, {}));
        basicSettingWidget page(nullptr);
        page.foldGroup()->button(0)->click();
        page.timeoutEdit()->setText("05");
        QVERIFY(confirmAndWait(page));
        QCOMPARE(writesTo(*m_sim),
            (QStringList {
                "setNotifyConfig(\"no\", \"05\", \"yes\")", "restartService(\"tarvix-research\")" }));
    }

    void failedWriteKeepsThePageOpen_data()
    {
        QTest::addColumn<QStringList>("faults");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QStringList>("retried");
        QTest::newRow("notification refused")
            << QStringList { "--error", "setNotifyConfig" } << NOTIFY_FAILED << FOLD_SENT;
        QTest::newRow("service switch refused")
            << QStringList { "--error", "setServiceStatus" } << SERVICES_FAILED << ALL_OFF;
        QTest::newRow("no answer and refused")
            << QStringList { "--no-reply", "restartService", "--error", "setServiceStatus" }
            << "The notification settings and the service switch could not be applied, please try again"
            << FOLD_SENT + ALL_OFF;
    }

    // The user is told, may press Confirm again, and the retry sends what failed.
    void failedWriteKeepsThePageOpen()
    {
        QFETCH(QStringList, faults);
        QFETCH(QString, error);
        QFETCH(QStringList, retried);
        QVERIFY(startSim(*m_sim, {}, faults));
        basicSettingWidget page(nullptr);
        QSignalSpy closed(&page, &basicSettingWidget::signal_close);
        page.foldGroup()->button(0)->click();
        page.serviceGroup()->button(1)->click();
        QVERIFY(confirmAndWait(page));
        QCOMPARE(closed.count(), 0);
        QVERIFY(page.errorLabel()->isVisibleTo(&page));
        QCOMPARE(page.errorLabel()->text(), error);
        QVERIFY(page.confirmButton()->isEnabled() && !page.confirmButton()->isLoading());

        TARVIX_START_DAEMON(*m_sim, {});
        QVERIFY(confirmAndWait(page));
        QCOMPARE(writesTo(*m_sim), retried);
        QCOMPARE(closed.count(), 1);
    }

    // Defaults shown for what could not be read are never sent.
    void unreadableSettingsAreNotSent()
    {
        QVERIFY(startSim(*m_sim, {}, { "--error", "getNotifyConfig" }));
        basicSettingWidget page(nullptr);
        QCOMPARE(page.errorLabel()->text(),
            QString("The current settings could not be read, please try again later"));
        QVERIFY(page.errorLabel()->isVisibleTo(&page));
        QVERIFY(!page.confirmButton()->isEnabled() && !page.timeoutEdit()->isEnabled());
    }

private:
    std::unique_ptr<DaemonSimFixture> m_sim;
};

TARVIX_BUS_TEST_MAIN(TestBasicSettingWidget)
#include "tst_basicsettingwidget.moc"
