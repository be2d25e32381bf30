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

QJsonObject installed(int status, int logscan = 1)
{
    QJsonObject state = serviceState({ { "tarvix_net_ai", status }, { "tarvix-logscan", logscan } });
    state["aiPackageInstalled"] = true;
    return state;
}

QStringList aiSwitch(int status)
{
    return { QString("setServiceStatus(\"tarvix_net_ai\", %1, 0)").arg(status),
        QString("setServiceStatus(\"tarvix_net_ai\", %1, 1)").arg(status) };
}

} // namespace

class TestAiNetSettingWidget : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_sim = std::make_unique<DaemonSimFixture>(); }
    void cleanup() { m_sim.reset(); }

    // A failed or refused installation says so; Retry shows the progress and
    // success, and "Got it" tells the report and closes.
    void installationFailsAndIsRetried()
    {
        const std::pair<const char *, QString> outcomes[]
            = { { "fail", "Installation of tarvix-net-ai failed: unmet dependencies" },
                  { "busy", "The service installation failed, please try again" } };
        for (const auto &[outcome, failure] : outcomes) {
            QVERIFY(startSim(*m_sim, {}, { "--install-outcome", outcome, "--install-step-ms", "20" }));
            Page page(nullptr);
            QCOMPARE(page.views()->currentIndex(), 0);
            LogCapture log;
            page.installPageButton(Page::InstallPrompt)->click();
            QTRY_COMPARE(page.installPages()->currentIndex(), int(Page::InstallFailed));
            QCOMPARE(page.failureLabel()->text(), failure);
            if (QByteArray(outcome) == "busy")
                QCOMPARE(log.count("系统繁忙,有其他安装任务正在执行，请稍后重试"), 1);

            TARVIX_START_DAEMON(*m_sim, { "--install-step-ms", "20" });
            page.installPageButton(Page::InstallFailed)->click();
            QCOMPARE(page.installPages()->currentIndex(), int(Page::Installing));
            QCOMPARE(page.progressBar()->value(), 0);
            QList<int> progress;
            connect(page.progressBar(), &QProgressBar::valueChanged, [&](int value) { progress << value; });
            QTRY_COMPARE(page.installPages()->currentIndex(), int(Page::Installed));
            QCOMPARE(progress, (QList<int> { 35, 60, 85, 100 }));
            QCOMPARE(writesTo(*m_sim), QStringList { "installPackages([\"tarvix-net-ai\"])" });

            QSignalSpy reportUpdate(Middleware::instance(), &Middleware::installUpdate);
            QSignalSpy closed(&page, &Page::signal_close);
            page.installPageButton(Page::Installed)->click();
            QVERIFY(reportUpdate.count() == 1 && closed.count() == 1);
        }
    }

    void switching_data()
    {
        QTest::addColumn<int>("atLoad");
        QTest::addColumn<QString>("answer"); // to the confirmation; empty: none is asked
        QTest::addColumn<int>("checked");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("on, confirmed") << 0 << "confirm" << 0 << aiSwitch(1);
        QTest::newRow("on, cancelled") << 0 << "cancel" << 1 << QStringList();
        QTest::newRow("on, closed unanswered") << 0 << "close_btn" << 1 << QStringList();
        QTest::newRow("off") << 1 << "" << 1 << aiSwitch(0);
    }

    // Switching on asks first; an unconfirmed switch restores the state at load.
    void switching()
    {
        QFETCH(int, atLoad);
        QFETCH(QString, answer);
        QFETCH(int, checked);
        QFETCH(QStringList, sent);
        QVERIFY(startSim(*m_sim, installed(atLoad)));
        Page page(nullptr);
        QSignalSpy closed(&page, &Page::signal_close);
        QCOMPARE(page.views()->currentIndex(), 1);
        QCOMPARE(page.serviceGroup()->checkedId(), 1 - atLoad);
        page.serviceGroup()->button(atLoad)->click();
        TarvixMessageDialog *dialog = page.confirmationDialog();
        QCOMPARE(dialog->isVisible(), !answer.isEmpty());
        if (!answer.isEmpty())
            (answer == "confirm"         ? dialog->confirmButton()
                    : answer == "cancel" ? dialog->cancelButton()
                                         : dialog->findChild<QPushButton *>(answer))
                ->click();
        QCOMPARE(page.serviceGroup()->checkedId(), checked);
        QVERIFY(confirmAndWait(page));
        QCOMPARE(writesTo(*m_sim), sent);
        QCOMPARE(closed.count(), 1);
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

    void stoppedDetectionStopsTheService()
    {
        QVERIFY(startSim(*m_sim, installed(1, 0)));
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
        const std::pair<const char *, QString> inputs[] = {
            { "59", "The number of requests is unreasonable, and the value range is: 60~100" },
            { "1001", "The number of requests is unreasonable, and the value range is: 300~1000" },
            { "", "The input cannot be empty" },
            { "many", "Please enter a number" },
            { "300", "" },
        };
        for (int row = 0; row < 5; ++row) {
            const auto &[text, error] = inputs[row];
            editor->edit(row)->setText(text);
            QCOMPARE(editor->errorLabel(row)->isVisibleTo(editor), !error.isEmpty());
            if (!error.isEmpty())
                QCOMPARE(editor->errorLabel(row)->text(), error);
        }
        QCOMPARE(taken.count(), 1);
        QCOMPARE(taken.first(), (QList<QVariant> { "80", "500", "500", "500", "300" }));
    }

private:
    std::unique_ptr<DaemonSimFixture> m_sim;
};

TARVIX_BUS_TEST_MAIN(TestAiNetSettingWidget)
#include "tst_ainetsettingwidget.moc"
