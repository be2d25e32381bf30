// The settings window and its three pages against the stand-in daemon: navigation, what the pages show, what
// Confirm sends, how a refused or unanswered write is told, and the window's life under the main window.

#include "app/tarvixmainpage.h"
#include "daemon/middleware.h"
#include "kit/knavigationbar.h"
#include "kit/themecontroller.h"
#include "settings/ainetsettingwidget.h"
#include "settings/basicsettingwidget.h"
#include "settings/guardsettingwidget.h"
#include "settings/settingtabwidget.h"
#include "settings/tarvixsettingmainpage.h"
#include "support/alertlog.h"
#include "support/bustestmain.h"
#include "support/daemonsimfixture.h"
#include "support/logcapture.h"
#include "support/stallmeter.h"
#include "system/systemprobes.h"
#include "widgets/busyindicator.h"
#include "widgets/custombutton.h"
#include "widgets/tarvixmessagedialog.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QButtonGroup>
#include <QClipboard>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStandardItemModel>

namespace {

// Type-0 and type-1 status of the named services, as the stand-in's state keeps them.
QJsonObject serviceState(std::initializer_list<std::pair<const char *, int>> statuses)
{
    QJsonObject services;
    for (const auto &status : statuses)
        services.insert(status.first, QJsonObject { { "type0", status.second }, { "type1", status.second } });
    return QJsonObject { { "services", services } };
}

// Starts the stand-in with state laid over its defaults.
bool startSim(DaemonSimFixture &sim, const QJsonObject &state, const QStringList &options = {})
{
    QFile file(sim.statePath());
    return file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(state).toJson()) > 0 && file.flush()
        && sim.start(options);
}

// The changing calls the stand-in received, in order, e.g. setServiceStatus("tarvix-intervention", 0, 0).
QStringList writesTo(const DaemonSimFixture &sim)
{
    return sim.output()
        .split('\n')
        .filter(QRegularExpression("^call (set|restart|install)"))
        .replaceInStrings(QRegularExpression("^call "), "");
}

// Waits until the page has read the daemon's state (or failed to).
template<typename Page> bool loaded(Page &page)
{
    return QTest::qWaitFor([&page] { return !page.isLoading(); }, 10000);
}

const QStringList CLOSED { "closed" };

// Presses the page's Confirm and, once its loading animation is over (the page has acted on the outcome by
// then), returns the writes the stand-in received, then "closed" if the page closed.
template<typename Page> QStringList confirmed(Page &page, const DaemonSimFixture &sim)
{
    QSignalSpy closed(&page, &Page::signal_close);
    QSignalSpy done(page.confirmButton(), &CustomButton::loadingAnimationFinished);
    page.confirmButton()->click();
    if (!done.wait(10000))
        return { "no outcome" };
    return writesTo(sim) + (closed.isEmpty() ? QStringList() : CLOSED);
}

using AiPage = aiNetSettingWidget;

// Both types of the services switched on (1) or off (0).
QStringList switched(const QString &services, int status)
{
    const QString call = QString("setServiceStatus(\"%1\", %2, %3)").arg(services).arg(status);
    return { call.arg(0), call.arg(1) };
}

const char *const DETECTION = "tarvix-research tarvix-logscan tarvix-rootcheck tarvix-ebpf";
const QStringList ALL_ON = switched(DETECTION, 1), ALL_OFF = switched(DETECTION, 0);
const QStringList FOLD_SENT
    = { "setNotifyConfig(\"no\", \"10\", \"yes\")", "restartService(\"tarvix-research\")" };

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
const char *const PLAIN = "Please enter the number without blanks or a plus sign";
const char *const UNREAD = "The current settings could not be read, please try again later";

// The AI service installed and on or off, beside the detection services it needs.
QJsonObject installed(int status, int detection = 1)
{
    QJsonObject state = serviceState(
        { { "tarvix_net_ai", status }, { "tarvix-logscan", detection }, { "tarvix-rootcheck", detection } });
    state["aiPackageInstalled"] = true;
    return state;
}

void clickEntry(tarvixSettingMainpage &window, int row)
{
    QListView *list = window.navigationBar()->listview();
    const QRect entry = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        isAdministrator = true;
        m_sim = std::make_unique<DaemonSimFixture>();
    }
    void cleanup() { m_sim.reset(); }

    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    // What is checked at load, and what Confirm sends; without rights only Confirm is open.
    void basicServiceChoice()
    {
        const QJsonObject allOff
            = serviceState({ { "tarvix-research", 0 }, { "tarvix-logscan", 0 }, { "tarvix-rootcheck", 0 } });
        const QJsonObject mixed
            = serviceState({ { "tarvix-research", 1 }, { "tarvix-logscan", 0 }, { "tarvix-rootcheck", 1 } });
        // State, administrator, checked at load, choice (-1: none), sent.
        const std::tuple<QJsonObject, bool, int, int, QStringList> rows[] = { { {}, true, 0, -1, {} },
            { serviceState({ { "tarvix-ebpf", 0 } }), true, 0, -1, {} }, // ebpf does not count
            { allOff, true, 1, -1, {} }, { mixed, true, -1, -1, ALL_ON }, // no choice turns them on
            { mixed, true, -1, 1, ALL_OFF }, { mixed, false, -1, -1, ALL_ON } };
        for (const auto &[state, admin, checked, choice, sent] : rows) {
            isAdministrator = admin;
            QVERIFY(startSim(*m_sim, state));
            basicSettingWidget page(nullptr);
            QVERIFY(loaded(page));
            QCOMPARE(page.serviceGroup()->checkedId(), checked);
            QCOMPARE(page.timeoutEdit()->isEnabled(), admin);
            for (QRadioButton *radio : page.findChildren<QRadioButton *>())
                QCOMPARE(radio->isEnabled(), admin);
            if (choice >= 0)
                page.serviceGroup()->button(choice)->click();
            QCOMPARE(confirmed(page, *m_sim), sent + CLOSED);
        }
    }

    void basicTimeoutValidationAndWhatIsSent()
    {
        const QString range = "The notification duration is unreasonable, and the value range is 1~60";
        const QString integer = "Please enter an integer greater than 0";
        // Sent as typed, so what toInt() would overlook is refused.
        const std::pair<const char *, QString> inputs[] = { { "-1", "" }, { "60", "" }, { "05", "" },
            { "0", range }, { "61", range }, { "-2", range }, { "99999999999", range }, { "abc", integer },
            { "", integer }, { " 5", PLAIN }, { "5 ", PLAIN }, { "+5", PLAIN }, { "+", integer } };
        QVERIFY(startSim(*m_sim, {}));
        basicSettingWidget page(nullptr);
        QVERIFY(loaded(page));
        for (const auto &[text, error] : inputs) {
            page.timeoutEdit()->setText(text);
            QCOMPARE(page.errorLabel()->isVisibleTo(&page) ? page.errorLabel()->text() : "", error);
            QCOMPARE(page.confirmButton()->isEnabled(), error.isEmpty());
        }
        // A change sends all three settings, as typed, and restarts research.
        page.foldGroup()->button(0)->click();
        page.timeoutEdit()->setText("05");
        QCOMPARE(confirmed(page, *m_sim),
            QStringList({ "setNotifyConfig(\"no\", \"05\", \"yes\")", "restartService(\"tarvix-research\")",
                "closed" }));
    }

    // A refused or unanswered write keeps the page open and says which setting
    // failed; Confirm may be pressed again and the retry sends what failed.
    void failedWriteKeepsThePageOpen()
    {
        const QStringList ip = blockingSent("10.0.0.1", "600s"), ai = switched("tarvix_net_ai", 1);
        // Page type, stand-in faults, what the first Confirm sends (no restart after a refused write), the
        // error, what the retry sends.
        const std::tuple<int, QStringList, QStringList, QString, QStringList> rows[] = {
            { 0, { "--error", "setNotifyConfig" }, FOLD_SENT.mid(0, 1) + ALL_OFF,
                "The desktop notification settings could not be applied, please try again", FOLD_SENT },
            { 0, { "--error", "setServiceStatus" }, FOLD_SENT + ALL_OFF,
                "The detection services could not be switched, please try again", ALL_OFF },
            { 0, { "--no-reply", "restartService", "--error", "setServiceStatus" }, FOLD_SENT + ALL_OFF,
                "The notification settings and the service switch could not be applied, please try again",
                FOLD_SENT + ALL_OFF },
            { 1, { "--error", "setInterventionConfig" }, ip.mid(0, 2),
                "The IP blocking settings could not be applied, please try again", ip },
            { 2, { "--error", "setServiceStatus" }, ai,
                "The AI network threat detection service could not be switched, please try again", ai },
        };
        for (const auto &[type, options, sent, error, retried] : rows) {
            QVERIFY(startSim(*m_sim, installed(0), options));
            SettingTabWidget container(type, nullptr);
            const auto failAndRetry = [&](auto *page, const std::function<void()> &change) {
                QVERIFY(loaded(*page));
                change();
                QCOMPARE(confirmed(*page, *m_sim), sent);
                QVERIFY(page->errorLabel()->isVisibleTo(page));
                QCOMPARE(page->errorLabel()->text(), error);
                QVERIFY(page->confirmButton()->isEnabled() && !page->confirmButton()->isLoading());
                TARVIX_START_DAEMON(*m_sim, {});
                QCOMPARE(confirmed(*page, *m_sim), retried + CLOSED);
            };
            if (auto *basic = qobject_cast<basicSettingWidget *>(container.page()))
                failAndRetry(basic, [basic] {
                    basic->foldGroup()->button(0)->click();
                    basic->serviceGroup()->button(1)->click();
                });
            else if (auto *guard = qobject_cast<guardSettingWidget *>(container.page()))
                failAndRetry(guard, [guard] { guard->whitelistEdit()->setText("10.0.0.1"); });
            else if (auto *aiPage = qobject_cast<AiPage *>(container.page()))
                failAndRetry(aiPage, [aiPage] {
                    aiPage->serviceGroup()->button(0)->click();
                    aiPage->confirmationDialog()->confirmButton()->click();
                });
        }
    }

    // What is shown at load, unchanged sent nothing; without rights only Confirm is open.
    void guardShowsAndSendsOnlyWhatChanged()
    {
        QJsonObject off = blocking("", "");
        off["services"] = serviceState({ { "tarvix-intervention", 0 } })["services"];
        const QString shownList = "127.0.0.1,192.168.1.1", sentList = "127.0.0.1 192.168.1.1";
        // State, whitelist, time and service shown, administrator.
        const std::tuple<QJsonObject, QString, QString, int, bool> shown[] = {
            { {}, shownList, "600", 0, true },
            { blocking("10.0.0.1 \t 10.0.0.2", "-1"), "10.0.0.1,10.0.0.2", "-1", 0,
                false }, // blank runs, endless
            { off, "", "-1", 1, true }, // no time, service off
        };
        for (const auto &[state, whitelist, time, checked, admin] : shown) {
            isAdministrator = admin;
            QVERIFY(startSim(*m_sim, state));
            guardSettingWidget page(nullptr);
            QVERIFY(loaded(page));
            QCOMPARE(page.whitelistEdit()->text(), whitelist);
            QCOMPARE(page.timeEdit()->text(), time);
            QCOMPARE(page.serviceGroup()->checkedId(), checked);
            for (QWidget *control : std::initializer_list<QWidget *> { page.serviceGroup()->button(0),
                     page.serviceGroup()->button(1), page.whitelistEdit(), page.timeEdit() })
                QCOMPARE(control->isEnabled(), admin);
            QCOMPARE(confirmed(page, *m_sim), CLOSED);
        }
        isAdministrator = true;
        // Whitelist, time (empty: 600 typed again), service choice (-1: none), sent.
        const std::tuple<QString, QString, int, QStringList> changes[]
            = { { "10.0.0.1,10.0.0.2", "600", -1, blockingSent("10.0.0.1 10.0.0.2", "600s") },
                  { shownList, "", -1, blockingSent(sentList, "600s") },
                  { shownList, "-1", -1, blockingSent(sentList, "-1") },
                  { shownList, "600", 1, switched("tarvix-intervention", 0) } };
        for (const auto &[whitelist, time, service, sent] : changes) {
            QVERIFY(startSim(*m_sim, {}));
            guardSettingWidget page(nullptr);
            QVERIFY(loaded(page));
            page.whitelistEdit()->setText(whitelist);
            page.timeEdit()->setText(time); // typed again: a change, since the daemon holds "600s"
            page.timeEdit()->setText(time.isEmpty() ? "600" : time);
            if (service >= 0)
                page.serviceGroup()->button(service)->click();
            QCOMPARE(confirmed(page, *m_sim), sent + CLOSED);
        }
    }

    // Every key and every pasted character stays in the field; the error line
    // says what is wrong and only a valid list or time is ever sent.
    void guardInputsAndWhatIsSent()
    {
        QStringList many;
        for (int i = 0; i < 3000; ++i)
            many << QString("10.%1.%2.%3").arg(i / 250).arg(i % 250).arg(100 + i % 100);
        const QString longList = many.join(", "); // over the 32,767 characters a line edit takes by default
        const QString tooLong = QString("10.0.0.1,").repeated(116509) + "10.0.0.1";
        const QString range = "The blocking time is unreasonable, and the value range is 1~3600";
        // Whitelist (typed, or pasted when it starts with "paste:"), time, shown in the list, error, sent.
        const std::tuple<QString, QString, QString, QString, QStringList> rows[] = {
            { "256.1.1.1", "600", "256.1.1.1", "256.1.1.1: each part of an address must be 0 to 255", {} },
            { "1.2.3.4/24", "600", "1.2.3.4/24", WHITELIST_ERROR, {} },
            { "10.0.0.", "600", "10.0.0.", WHITELIST_ERROR, {} },
            { "1.2.3.4,,1.2.3.5", "600", "1.2.3.4,,1.2.3.5", WHITELIST_ERROR, {} },
            { "010.0.0.1", "600", "010.0.0.1", "010.0.0.1: a part of an address must not start with 0", {} },
            { "10.0.0.1 10.0.0.2", "600", "10.0.0.1 10.0.0.2", "",
                blockingSent("10.0.0.1 10.0.0.2", "600s") + CLOSED },
            { "paste: 10.0.0.1\n10.0.0.2, 10.0.0.3 \t10.0.0.4\n", "600",
                "10.0.0.1,10.0.0.2,10.0.0.3,10.0.0.4", "",
                blockingSent("10.0.0.1 10.0.0.2 10.0.0.3 10.0.0.4", "600s") + CLOSED },
            { "paste:" + longList, "600", many.join(','), "", blockingSent(many.join(' '), "600s") + CLOSED },
            { "paste:" + tooLong, "600", tooLong, "The whitelist is longer than 1048576 characters", {} },
            { "", "+60", "", PLAIN, {} },
            { "", "3601", "", range, {} },
            { "", "30", "", "", blockingSent("", "30s") + CLOSED },
            // Sent as typed; the stand-in refuses it, so there is no restart.
            { "", "05", "", "", blockingSent("", "05s").mid(0, 2) },
            { "10.0.0.", "3601", "10.0.0.", QString("%1\n%2").arg(WHITELIST_ERROR, range), {} },
        };
        for (const auto &[whitelist, time, shown, error, sent] : rows) {
            QVERIFY(startSim(*m_sim, {}));
            guardSettingWidget page(nullptr);
            QVERIFY(loaded(page));
            QLineEdit *edit = page.whitelistEdit();
            edit->clear();
            if (whitelist.startsWith("paste:")) {
                QApplication::clipboard()->setText(whitelist.mid(6));
                QTest::keySequence(edit, QKeySequence::Paste);
            } else {
                QTest::keyClicks(edit, whitelist);
            }
            QTest::keyClick(page.timeEdit(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(page.timeEdit(), time);
            QCOMPARE(QStringList({ edit->text(), page.timeEdit()->text() }), (QStringList { shown, time }));
            QCOMPARE(page.errorLabel()->isVisibleTo(&page) ? page.errorLabel()->text() : "", error);
            QCOMPARE(page.confirmButton()->isEnabled(), error.isEmpty());
            if (error.isEmpty())
                QCOMPARE(confirmed(page, *m_sim), sent);
        }
    }

    // Defense and AI detection need the detection services: stopped there, they are stopped too.
    void pagesStopWhatDetectionNeeds()
    {
        QVERIFY(startSim(*m_sim, installed(1, 0)));
        guardSettingWidget guard(nullptr);
        QVERIFY(loaded(guard));
        AiPage ai(nullptr);
        QVERIFY(loaded(ai));
        for (QButtonGroup *group : { guard.serviceGroup(), ai.serviceGroup() })
            QCOMPARE(group->checkedId(), 1);
        QVERIFY(!guard.serviceSection()->isEnabled() && !guard.titleRow()->isEnabled());
        QVERIFY(!ai.serviceSection()->isEnabled() && !ai.titleRow()->isEnabled());
        const QStringList stops { "setServiceStatus(\"tarvix-intervention\", 0, 0)",
            "setServiceStatus(\"tarvix_net_ai\", 0, 0)" };
        const auto sorted = [](QStringList writes) {
            writes.sort();
            return writes;
        };
        QTRY_COMPARE(sorted(writesTo(*m_sim)), stops);
        QCOMPARE(sorted(confirmed(guard, *m_sim)), CLOSED + stops); // nothing more sent
    }

    // Defaults shown for what could not be read (refused, unanswered, or a
    // reply that lacks its values) are never sent: the page says so and stays shut.
    void unreadSettings()
    {
        // Stand-in faults; whether the basic, defense and AI pages could not read.
        const std::tuple<QStringList, bool, bool, bool> rows[] = {
            { { "--short-reply", "getNotifyConfig" }, true, false, false },
            { { "--short-reply", "getInterventionConfig" }, false, true, false },
            { { "--short-reply", "getServiceStatus" }, true, true, true },
            { { "--wrong-type", "getNotifyConfig" }, true, false, false },
            { { "--error", "getNotifyConfig" }, true, false, false },
            { { "--no-reply", "getInterventionConfig" }, false, true, false },
            { { "--short-reply", "getAiConfig" }, false, false, false }, // only the hidden editor's values
        };
        for (const auto &[options, basicUnread, guardUnread, aiUnread] : rows) {
            QVERIFY(startSim(*m_sim, installed(1), options));
            basicSettingWidget basic(nullptr);
            guardSettingWidget guard(nullptr);
            AiPage ai(nullptr);
            QVERIFY(loaded(basic) && loaded(guard) && loaded(ai));
            const auto unread = [](auto &page, QWidget *edit) {
                return !page.confirmButton()->isEnabled() && (!edit || !edit->isEnabled())
                    && page.errorLabel()->isVisibleTo(&page) && page.errorLabel()->text() == UNREAD;
            };
            QCOMPARE(unread(basic, basic.timeoutEdit()), basicUnread);
            QCOMPARE(unread(guard, guard.whitelistEdit()), guardUnread);
            QCOMPARE(unread(ai, nullptr), aiUnread);
            basic.confirmButton()->click();
            guard.confirmButton()->click();
            QTest::qWait(50);
            QCOMPARE(writesTo(*m_sim), QStringList());
        }
    }

    void aiInstallationFailsAndIsRetried()
    {
        const std::pair<const char *, QString> outcomes[]
            = { { "fail", "Installation of tarvix-net-ai failed: unmet dependencies" },
                  { "busy", "The service installation failed, please try again" } };
        for (const auto &[outcome, failure] : outcomes) {
            QVERIFY(startSim(*m_sim, {}, { "--install-outcome", outcome, "--install-step-ms", "20" }));
            AiPage page(nullptr);
            QVERIFY(loaded(page));
            QCOMPARE(page.views()->currentIndex(), 0);
            LogCapture log;
            page.installPageButton(AiPage::InstallPrompt)->click();
            QTRY_COMPARE(page.installPages()->currentIndex(), int(AiPage::InstallFailed));
            QCOMPARE(page.failureLabel()->text(), failure);
            if (QByteArray(outcome) == "busy")
                QCOMPARE(log.count("系统繁忙,有其他安装任务正在执行，请稍后重试"), 1);

            TARVIX_START_DAEMON(*m_sim, { "--install-step-ms", "20" });
            page.installPageButton(AiPage::InstallFailed)->click();
            QCOMPARE(page.installPages()->currentIndex(), int(AiPage::Installing));
            QCOMPARE(page.progressBar()->value(), 0);
            QList<int> progress;
            connect(page.progressBar(), &QProgressBar::valueChanged, [&](int value) { progress << value; });
            QTRY_COMPARE(page.installPages()->currentIndex(), int(AiPage::Installed));
            QCOMPARE(progress, (QList<int> { 35, 60, 85, 100 }));
            QCOMPARE(writesTo(*m_sim), QStringList { "installPackages([\"tarvix-net-ai\"])" });

            QSignalSpy reportUpdate(Middleware::instance(), &Middleware::installUpdate);
            QSignalSpy closed(&page, &AiPage::signal_close);
            page.installPageButton(AiPage::Installed)->click();
            QVERIFY(reportUpdate.count() == 1 && closed.count() == 1);
        }
    }

    // Switching on asks first; an unconfirmed switch restores the state at load,
    // also after the service was switched off and on again before Confirm.
    void aiSwitching()
    {
        // Status at load, buttons pressed (0 on, 1 off), answer (empty: none asked), checked, sent.
        const std::tuple<int, QList<int>, QString, int, QStringList> rows[]
            = { { 0, { 0 }, "confirm", 0, switched("tarvix_net_ai", 1) }, { 0, { 0 }, "cancel", 1, {} },
                  { 0, { 0 }, "close_btn", 1, {} }, { 1, { 1 }, "", 1, switched("tarvix_net_ai", 0) },
                  { 1, { 1, 0 }, "cancel", 0, {} } };
        for (const auto &[status, presses, answer, checked, sent] : rows) {
            QVERIFY(startSim(*m_sim, installed(status)));
            AiPage page(nullptr);
            QVERIFY(loaded(page));
            QCOMPARE(page.views()->currentIndex(), 1);
            QCOMPARE(page.serviceGroup()->checkedId(), 1 - status);
            for (int button : presses)
                page.serviceGroup()->button(button)->click();
            TarvixMessageDialog *dialog = page.confirmationDialog();
            QCOMPARE(dialog->isVisible(), !answer.isEmpty());
            if (!answer.isEmpty())
                (answer == "confirm"         ? dialog->confirmButton()
                        : answer == "cancel" ? dialog->cancelButton()
                                             : dialog->findChild<QPushButton *>(answer))
                    ->click();
            QCOMPARE(page.serviceGroup()->checkedId(), checked);
            QCOMPARE(confirmed(page, *m_sim), sent + CLOSED);
        }
    }

    // Built with the daemon's values and kept out of sight; its checks still hold.
    void aiHiddenParameterEditor()
    {
        QVERIFY(startSim(*m_sim, installed(1)));
        AiPage page(nullptr);
        QVERIFY(loaded(page));
        QVERIFY(page.parameterSection()->isHidden());
        QCOMPARE(page.timeWindowEdit()->text(), QString("100"));
        aiNetAdvancedSettingWidget *editor = page.advancedEditor();
        QCOMPARE(editor->edit(0)->text(), QString("80"));
        QTest::mouseClick(page.arrowLabel(), Qt::LeftButton);
        QVERIFY(!editor->isHidden());

        QSignalSpy taken(editor, &aiNetAdvancedSettingWidget::valuesChanged);
        const std::pair<const char *, QString> inputs[]
            = { { "59", "The number of requests is unreasonable, and the value range is: 60~100" },
                  { "1001", "The number of requests is unreasonable, and the value range is: 300~1000" },
                  { "", "The input cannot be empty" }, { "many", "Please enter a number" }, { "300", "" } };
        for (int row = 0; row < 5; ++row) {
            const auto &[text, error] = inputs[row];
            editor->edit(row)->setText(text);
            QLabel *label = editor->errorLabel(row);
            QCOMPARE(label->isVisibleTo(editor) ? label->text() : "", error);
        }
        QCOMPARE(taken.count(), 1);
        QCOMPARE(taken.first(), (QList<QVariant> { "80", "500", "500", "500", "300" }));
    }

    // The server edition has no AI page. Pages are built when first wanted (the
    // defense page on any first click), once each, and only a click switches them.
    void navigationAndTheme()
    {
        TARVIX_START_DAEMON(*m_sim, {});
        const QStringList desktop { "Basic Setting", "Defense Setting", "AI Network Threat Detect" };
        for (const QString edition : { "Desktop", "Server" }) {
            QTemporaryDir dir;
            tarvixSettingMainpage window(
                nullptr, writeTestFile(dir, "os-release", ("NAME=\"Zorva " + edition + "\"\n").toUtf8()));
            QStringList shown;
            for (int row = 0; row < window.navigationBar()->model()->rowCount(); ++row)
                shown << window.navigationBar()->model()->item(row)->text();
            QCOMPARE(shown, edition == "Server" ? QStringList(desktop.mid(0, 2)) : desktop);
        }

        tarvixSettingMainpage window(nullptr);
        window.show();
        QCOMPARE(window.size(), QSize(910, 520));
        QCOMPARE(window.windowTitle(), QString("Zorva Intrusion Detector Setting"));
        QCOMPARE(window.basicContainer()->size(), QSize(710, 464));
        // Per page: "-" not built, "h" hidden, "V" shown.
        const auto pages = [&window] {
            QString state;
            for (int type = 0; type < 3; ++type)
                state += !window.container(type) ? '-' : window.container(type)->isVisible() ? 'V' : 'h';
            return state;
        };
        QTest::keyClick(window.navigationBar()->listview(), Qt::Key_Down);
        QCOMPARE(pages(), QString("V--"));
        const std::pair<int, const char *> clicks[]
            = { { 0, "Vh-" }, { 2, "hhV" }, { 1, "hVh" }, { 1, "hVh" }, { 2, "hhV" }, { 0, "Vhh" } };
        QPointer<SettingTabWidget> guard;
        for (const auto &[row, state] : clicks) {
            clickEntry(window, row);
            QCOMPARE(pages(), QString(state));
            QVERIFY(!guard || window.container(1) == guard);
            guard = window.container(1);
        }
        // In page order, whatever order they were chosen in.
        QLayout *layout = window.baseBar()->layout();
        QCOMPARE(layout->count(), 3);
        for (int type = 0; type < 3; ++type)
            QCOMPARE(layout->itemAt(type)->widget(), window.container(type));

        // Under the containers' style sheet the pages would otherwise keep the application's light palette.
        const auto textColours = [&window] {
            QSet<QRgb> colours;
            for (int type = 0; type < 3; ++type)
                for (QLabel *label : window.container(type)->page()->findChildren<QLabel *>())
                    if (!label->text().isEmpty() && label->window() == &window)
                        colours << label->palette().color(QPalette::WindowText).rgb();
            return colours;
        };
        // Loading pages are disabled, and so drawn in the disabled colours.
        QVERIFY(loaded(*static_cast<basicSettingWidget *>(window.basicContainer()->page())));
        QVERIFY(loaded(*static_cast<guardSettingWidget *>(window.container(1)->page())));
        QVERIFY(loaded(*static_cast<aiNetSettingWidget *>(window.container(2)->page())));
        // A screen reader has a name for every control, and a choice names its group.
        QStringList unnamed;
        for (QWidget *control : window.findChildren<QWidget *>()) {
            const bool isControl = qobject_cast<QAbstractButton *>(control)
                || qobject_cast<QLineEdit *>(control) || qobject_cast<QAbstractItemView *>(control);
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
            if (isControl && control->window() == &window && accessible->text(QAccessible::Name).isEmpty())
                unnamed << control->metaObject()->className() + QString(" ") + control->objectName();
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
        auto *notify = static_cast<basicSettingWidget *>(window.basicContainer()->page());
        QCOMPARE(QAccessible::queryAccessibleInterface(notify->findChildren<QRadioButton *>().at(0))
                     ->text(QAccessible::Name),
            QString("Zorva Intrusion Detector Service: Open"));
        QCOMPARE(QAccessible::queryAccessibleInterface(notify->timeoutEdit())->text(QAccessible::Name),
            QString("Notification Timeout ( s )"));
        for (auto choice : { ThemeController::ForceDark, ThemeController::ForceLight }) {
            ThemeController::setThemeChoice(choice);
            QCOMPARE(textColours(), QSet<QRgb> { window.palette().color(QPalette::WindowText).rgb() });
            // The confirmation box follows the theme too, its text with it.
            auto *aiPage = static_cast<aiNetSettingWidget *>(window.container(2)->page());
            for (QLabel *label : aiPage->confirmationDialog()->findChildren<QLabel *>())
                QCOMPARE(label->palette().color(QPalette::WindowText),
                    QApplication::palette().color(QPalette::WindowText));
        }
        ThemeController::setThemeChoice(ThemeController::FollowDesktop);
    }

    // While the daemon takes its time over the reads, the window is up and switches pages, the pages say that
    // they load, and the GUI thread never stays away from its event loop for long; a window closed during a
    // read goes quietly.
    void staysResponsiveWhileReadsHang()
    {
        TARVIX_START_DAEMON(
            *m_sim, { "--delay", "getNotifyConfig=1500", "--delay", "getInterventionConfig=1500" });
        QElapsedTimer clock;
        clock.start();
        auto window = std::make_unique<tarvixSettingMainpage>(nullptr);
        window->show();
        QVERIFY(clock.elapsed() < 1000);
        auto *basic = static_cast<basicSettingWidget *>(window->basicContainer()->page());
        QVERIFY(basic->isLoading() && basic->findChild<BusyIndicator *>()->isVisible());
        QVERIFY(!basic->timeoutEdit()->isEnabled() && !basic->confirmButton()->isEnabled());
        clickEntry(*window, 1); // the defense page reads too

        // Built by the first click, whatever it was.
        auto *guard = static_cast<guardSettingWidget *>(window->container(1)->page());
        QVERIFY(guard->isLoading());
        StallMeter stalls([&window](int tick) {
            if (tick % 10 == 0)
                window->repaint();
        });
        stalls.start();
        QTRY_VERIFY_WITH_TIMEOUT(!basic->isLoading() && !guard->isLoading(), 10000);
        stalls.stop();
        QVERIFY(clock.elapsed() > 1400); // the daemon really kept them waiting
        QVERIFY2(stalls.withinLimit(), qPrintable(stalls.verdict()));
        QCOMPARE(basic->timeoutEdit()->text(), QString("10"));
        QCOMPARE(guard->whitelistEdit()->text(), QString("127.0.0.1,192.168.1.1"));
        QVERIFY(basic->timeoutEdit()->isEnabled() && basic->confirmButton()->isEnabled());
        QVERIFY(!basic->findChild<BusyIndicator *>()->isVisible());

        window = std::make_unique<tarvixSettingMainpage>(nullptr);
        window.reset();
        QTRY_COMPARE_WITH_TIMEOUT(m_sim->output().count("reply getNotifyConfig"), 2, 5000);
        QTest::qWait(50); // the late answer finds no page, and nothing breaks
    }

    // One window at a time; Escape closes it and the main window deletes it.
    // A confirmed task keeps running and reports nowhere once its window is gone.
    void settingWindowLife()
    {
        TARVIX_START_DAEMON(*m_sim, { "--delay", "setNotifyConfig=800" });
        tarvixMainPage main;
        main.settingButton()->click();
        QPointer<tarvixSettingMainpage> window = main.settingWindow();
        QVERIFY(window && window->isVisible());
        main.settingButton()->click();
        QCOMPARE(main.settingWindow(), window.data());
        QCOMPARE(main.findChildren<tarvixSettingMainpage *>().size(), 1);
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(!main.settingWindow());
        QTRY_VERIFY(!window);

        main.settingButton()->click();
        window = main.settingWindow();
        auto *page = static_cast<basicSettingWidget *>(window->basicContainer()->page());
        QVERIFY(loaded(*page));
        page->foldGroup()->button(0)->click();
        page->confirmButton()->click();
        window->close();
        QTRY_VERIFY(!window);
        QTRY_VERIFY_WITH_TIMEOUT(m_sim->output().contains("reply restartService"), 5000);
        QCOMPARE(writesTo(*m_sim), FOLD_SENT);
    }

private:
    std::unique_ptr<DaemonSimFixture> m_sim;
};

TARVIX_BUS_TEST_MAIN(TestSettings)
#include "tst_settings.moc"
