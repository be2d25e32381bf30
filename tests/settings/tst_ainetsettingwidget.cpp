// The AI network threat detection page against the stand-in daemon: its
// installation, and the switch with its confirmation.

#include "daemon/middleware.h"
#include "settings/ainetsettingwidget.h"
#include "settingtest.h"
#include "support/bustestmain.h"
#include "support/logcapture.h"
#include "widgets/tarvixmessagedialog.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>

namespace {

using Page = aiNetSettingWidget;

QJsonObject installed(int status, std::initializer_list<std::pair<const char *, int>> others = {})
{
    QJsonObject state = serviceState(others);
    QJsonObject services = state["services"].toObject();
    services["tarvix_net_ai"] = QJsonObject { { "type0", status }, { "type1", status } };
    return { { "services", services }, { "aiPackageInstalled", true } };
}

QStringList aiSwitch(int status)
{
    return { QString("setServiceStatus(\"tarvix_net_ai\", %1, 0)").arg(status),
        QString("setServiceStatus(\"tarvix_net_ai\", %1, 1)").arg(status) };
}

const QStringList INSTALL_CALL = { "installPackages([\"tarvix-net-ai\"])" };

} // namespace

class TestAiNetSettingWidget : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_sim = std::make_unique<DaemonSimFixture>(); }
    void cleanup() { m_sim.reset(); }

    // Prompt, progress on the bar, success; "Got it" tells the report and closes.
    void installsThroughTheDaemon()
    {
        QVERIFY(startSim(*m_sim, {}, { "--install-step-ms", "20" }));
        Page page(nullptr);
        QCOMPARE(page.views()->currentIndex(), 0);
        QCOMPARE(page.installPages()->currentIndex(), int(Page::InstallPrompt));
        QList<int> progress;
        connect(page.progressBar(), &QProgressBar::valueChanged, [&](int value) { progress << value; });

        page.installPageButton(Page::InstallPrompt)->click();
        QCOMPARE(page.installPages()->currentIndex(), int(Page::Installing));
        QTRY_COMPARE(page.installPages()->currentIndex(), int(Page::Installed));
        QCOMPARE(progress, (QList<int> { 35, 60, 85, 100 }));
        QCOMPARE(writesTo(*m_sim), INSTALL_CALL);

        QSignalSpy reportUpdate(Middleware::instance(), &Middleware::installUpdate);
        QSignalSpy closed(&page, &Page::signal_close);
        page.installPageButton(Page::Installed)->click();
        QCOMPARE(reportUpdate.count(), 1);
        QCOMPARE(closed.count(), 1);
    }

    // A failed or refused installation says so and can be retried.
    void failedInstallationCanBeRetried()
    {
        const std::pair<const char *, QString> outcomes[]
            = { { "fail", "Installation of tarvix-net-ai failed: unmet dependencies" },
                  { "busy", "The service installation failed, please try again" } };
        for (const auto &[outcome, failure] : outcomes) {
            QVERIFY(startSim(*m_sim, {}, { "--install-outcome", outcome, "--install-step-ms", "20" }));
            Page page(nullptr);
            LogCapture log;
            page.installPageButton(Page::InstallPrompt)->click();
            QTRY_COMPARE(page.installPages()->currentIndex(), int(Page::InstallFailed));
            QCOMPARE(page.failureLabel()->text(), failure);
            if (QByteArray(outcome) == "busy")
                QCOMPARE(log.count("系统繁忙,有其他安装任务正在执行，请稍后重试"), 1);

            TARVIX_START_DAEMON(*m_sim, { "--install-step-ms", "20" });
            page.installPageButton(Page::InstallFailed)->click();
            QCOMPARE(page.progressBar()->value(), 0);
            QTRY_COMPARE(page.installPages()->currentIndex(), int(Page::Installed));
        }
    }

    void switchingOnAsksFirst_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("checked");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("confirmed") << "confirm" << 0 << aiSwitch(1);
        QTest::newRow("cancelled") << "cancel" << 1 << QStringList();
        QTest::newRow("closed unanswered") << "close_btn" << 1 << QStringList();
    }

    void switchingOnAsksFirst()
    {
        QFETCH(QString, answer);
        QFETCH(int, checked);
        QFETCH(QStringList, sent);
        QVERIFY(startSim(*m_sim, installed(0)));
        Page page(nullptr);
        QCOMPARE(page.views()->currentIndex(), 1);
        QCOMPARE(page.serviceGroup()->checkedId(), 1);
        page.serviceGroup()->button(0)->click();
        TarvixMessageDialog *dialog = page.confirmationDialog();
        QVERIFY(dialog->isVisible());
        (answer == "confirm"         ? dialog->confirmButton()
                : answer == "cancel" ? dialog->cancelButton()
                                     : dialog->findChild<QPushButton *>(answer))
            ->click();
        QCOMPARE(page.serviceGroup()->checkedId(), checked);
        QVERIFY(confirmAndWait(page));
        QCOMPARE(writesTo(*m_sim), sent);
    }

    // Close, then Open refused: the page shows the service on, and leaves it on.
    void refusedConfirmationKeepsTheStateAtLoad()
    {
        QVERIFY(startSim(*m_sim, installed(1)));
        Page page(nullptr);
        page.serviceGroup()->button(1)->click();
        page.serviceGroup()->button(0)->click();
        page.confirmationDialog()->cancelButton()->click();
        QCOMPARE(page.serviceGroup()->checkedId(), 0);
        QVERIFY(confirmAndWait(page));
        QCOMPARE(writesTo(*m_sim), QStringList());
    }

    void switchingOff()
    {
        QVERIFY(startSim(*m_sim, installed(1)));
        Page page(nullptr);
        QSignalSpy closed(&page, &Page::signal_close);
        page.serviceGroup()->button(1)->click();
        QVERIFY(!page.confirmationDialog()->isVisible());
        QVERIFY(confirmAndWait(page));
        QCOMPARE(writesTo(*m_sim), aiSwitch(0));
        QCOMPARE(closed.count(), 1);
    }

    void stoppedDetectionStopsTheService()
    {
        QVERIFY(startSim(*m_sim, installed(1, { { "tarvix-logscan", 0 } })));
        Page page(nullptr);
        QCOMPARE(page.serviceGroup()->checkedId(), 1);
        QVERIFY(!page.serviceSection()->isEnabled() && !page.titleRow()->isEnabled());
        QTRY_COMPARE(writesTo(*m_sim), QStringList { "setServiceStatus(\"tarvix_net_ai\", 0, 0)" });
    }

    void failedSwitchKeepsThePageOpen()
    {
        QVERIFY(startSim(*m_sim, installed(0), { "--error", "setServiceStatus" }));
        Page page(nullptr);
        QSignalSpy closed(&page, &Page::signal_close);
        page.serviceGroup()->button(0)->click();
        page.confirmationDialog()->confirmButton()->click();
        QVERIFY(confirmAndWait(page));
        QCOMPARE(closed.count(), 0);
        QVERIFY(page.errorLabel()->isVisibleTo(&page));
        QCOMPARE(page.errorLabel()->text(),
            QString("The AI network threat detection service could not be switched, please try again"));
        QVERIFY(page.confirmButton()->isEnabled() && !page.confirmButton()->isLoading());
    }

    // Built with the daemon's values and kept out of sight; its checks still hold.
    void hiddenParameterEditor()
    {
        QVERIFY(startSim(*m_sim, installed(1)));
        Page page(nullptr);
        QVERIFY(page.parameterSection()->isHidden());
        QCOMPARE(page.timeWindowEdit()->text(), QString("100"));
        aiNetAdvancedSettingWidget *editor = page.advancedEditor();
        QCOMPARE(editor->edit(0)->text(), QString("80"));
        QTest::mouseClick(page.arrowLabel(), Qt::LeftButton);
        QVERIFY(!editor->isHidden());

        QSignalSpy taken(editor, &aiNetAdvancedSettingWidget::valuesChanged);
        const struct
        {
            int row;
            QString text;
            QString error;
        } inputs[] = {
            { 0, "59", "The number of requests is unreasonable, and the value range is: 60~100" },
            { 1, "1001", "The number of requests is unreasonable, and the value range is: 300~1000" },
            { 2, "", "The input cannot be empty" },
            { 3, "many", "Please enter a number" },
            { 4, "300", "" },
        };
        for (const auto &input : inputs) {
            editor->edit(input.row)->setText(input.text);
            QCOMPARE(editor->errorLabel(input.row)->isVisibleTo(editor), !input.error.isEmpty());
            if (!input.error.isEmpty())
                QCOMPARE(editor->errorLabel(input.row)->text(), input.error);
        }
        QCOMPARE(taken.count(), 1);
        QCOMPARE(taken.first(), (QList<QVariant> { "80", "500", "500", "500", "300" }));
    }

private:
    std::unique_ptr<DaemonSimFixture> m_sim;
};

TARVIX_BUS_TEST_MAIN(TestAiNetSettingWidget)
#include "tst_ainetsettingwidget.moc"
