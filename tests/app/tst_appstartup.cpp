// The application binary started as a user or a notification would start it,
// on the private buses, with the stand-in daemon serving alerts a0..a4. Each
// test has its own runtime directory, so the single-instance lock and socket
// are that test's alone.

#include "apprun.h"
#include "apptest.h"
#include "support/bustestmain.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTextCodec>

#include <csignal>
#include <sys/stat.h>

namespace {

const char *const STARTED = "main execute time: ";
const char *const HANDED_OVER = "send msg to notify log";
// The offscreen platform says so on every raise, which makes activation visible.
const char *const RAISED = "This plugin does not support raise()";

QString highlightLine(const QString &text)
{
    return QString("get mainpage msg is:  \"%1\"").arg(text);
}

} // namespace

class TestAppStartup : public QObject
{
    Q_OBJECT

    DaemonSimFixture m_sim;
    QTemporaryDir m_install;
    std::unique_ptr<QTemporaryDir> m_runtime; // per test

    // A run of the installed copy (beside the stand-in data-collection
    // library) or of program; it records usage into record when given.
    std::unique_ptr<AppRun> startApp(
        const QStringList &arguments, const QString &record = QString(), const QString &program = QString())
    {
        QProcessEnvironment environment = programEnvironment();
        environment.insert("XDG_RUNTIME_DIR", m_runtime->path());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        if (!record.isEmpty())
            environment.insert("TARVIX_USAGE_RECORD", record);
        auto run = std::make_unique<AppRun>();
        run->setProcessEnvironment(environment);
        run->start(program.isEmpty() ? m_install.filePath("tarvix-desktop") : program, arguments,
            QIODevice::ReadOnly);
        run->waitForStarted(15000); // if not, the first wait fails
        return run;
    }

    // A first instance, once its window is up; null if it did not come up.
    std::unique_ptr<AppRun> startWindow(const QString &record = QString())
    {
        auto run = startApp({}, record);
        if (run->waitForOutput(STARTED))
            return run;
        qWarning("no window: %s", qPrintable(run->log()));
        return nullptr;
    }

    // A second instance, which must end at once, cleanly and without a window.
    bool handOver(const QStringList &arguments, const QString &record = QString())
    {
        auto run = startApp(arguments, record);
        return run->waitForExit() && run->exitStatus() == QProcess::NormalExit && run->exitCode() == 0
            && !run->output().contains(STARTED);
    }

    QString recordPath(const QString &name) const { return m_runtime->filePath(name + ".usage"); }
    // The instance's "lock" or "socket", in its private directory; null if none.
    QString instanceFile(const QString &name) const
    {
        const QStringList found = QDir(m_runtime->path()).entryList({ "qtsingleapp-*" }, QDir::Dirs);
        const QString path = found.size() == 1 ? m_runtime->filePath(found.first() + "/" + name) : QString();
        return QFileInfo::exists(path) ? path : QString();
    }

private slots:
    void initTestCase()
    {
        // The binary beside a qt.conf whose library directory holds the stand-in
        // data-collection library: the program looks for it there.
        QVERIFY(QFile::copy(TARVIX_APP_PATH, m_install.filePath("tarvix-desktop")));
        QFile conf(m_install.filePath("qt.conf"));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write(QString("[Paths]\nPrefix=/usr\nLibraries=%1\nPlugins=%2\n")
                       .arg(DATACOLLECT_STUB_DIR, QLibraryInfo::location(QLibraryInfo::PluginsPath))
                       .toUtf8());
        conf.close();
        const QString error = startSimWithAlerts(m_sim, m_install, 5);
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }

    void init()
    {
        m_runtime = std::make_unique<QTemporaryDir>();
        QVERIFY(m_runtime->isValid());
    }
    void cleanup() { m_runtime.reset(); }

    void firstStart_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("text"); // handed to the log page; empty: nothing
        QTest::addColumn<int>("index"); // where the log page finds it, aN at 5 - N; 0: not found
        QTest::addColumn<QString>("startType"); // the start event after tabName=notifyLog; empty: none

        const QString latin = QString::fromUtf8("\xc3\xa9t\xc3\xa9");
        QTest::newRow("plain") << QStringList() << "" << 0 << "desktop";
        QTest::newRow("short") << QStringList { "-s", "a3" } << "a3" << 2 << "notify";
        QTest::newRow("long") << QStringList { "--send-notify-detail", "a3" } << "a3" << 2 << "notify";
        QTest::newRow("long joined") << QStringList { "--send-notify-detail=a0" } << "a0" << 5 << "notify";
        QTest::newRow("last wins") << QStringList { "-s", "a1", "--send-notify-detail", "a4" } << "a4" << 1
                                   << "notify";
        QTest::newRow("unknown id") << QStringList { "-s", "nope" } << "nope" << 0 << "notify";
        // Passed as ISO 8859-1 bytes: each byte of the option is one character.
        QTest::newRow("latin-1") << QStringList { "-s", latin } << latin << 0 << "notify";
        // Argument count 2 and no text: a window and no start event.
        QTest::newRow("unknown option") << QStringList { "-x" } << "" << 0 << "";
        QTest::newRow("empty text") << QStringList { "-s", "" } << "" << 0 << "";
        QTest::newRow("missing text") << QStringList { "-s" } << "" << 0 << "";
        QTest::newRow("non-option") << QStringList { "a3" } << "" << 0 << "";
    }

    void firstStart()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, text);
        QFETCH(int, index);
        QFETCH(QString, startType);

        if (QByteArray(QTest::currentDataTag()) == "latin-1")
            QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
        auto app = startApp(arguments, recordPath("first"));
        QTextCodec::setCodecForLocale(nullptr);
        QVERIFY2(app->waitForOutput(" seconds\n"), qPrintable(app->log()));
        const QString found = index ? QString("The string is at index:  %1\n").arg(index)
                                    : QString("The string was not found in the vector.");
        if (!text.isEmpty()) // the highlight follows the load, which runs on its own
            QVERIFY2(app->waitForLog(found), qPrintable(app->log()));
        app->stop();

        QVERIFY2(QRegularExpression("^main execute time: \\d+(\\.\\d+)?(e-\\d+)? seconds$",
                     QRegularExpression::MultilineOption)
                     .match(app->output())
                     .hasMatch(),
            qPrintable(app->output()));
        const QString log = app->log();
        QVERIFY(!log.contains(STARTED)); // on standard output only
        QCOMPARE(log.count(HANDED_OVER), text.isEmpty() ? 0 : 1);
        QCOMPARE(log.count("get mainpage msg is: "), text.isEmpty() ? 0 : 1);
        if (!text.isEmpty())
            QVERIFY2(log.contains(highlightLine(text)), qPrintable(log));
        QStringList events { "tabName=notifyLog" };
        if (!startType.isEmpty())
            events << "startType=" + startType;
        QCOMPARE(recordedProperties(recordPath("first")), events);
    }

    // A second start hands its text over and ends; one without a text (from
    // the application menu) only raises the window. Only this user may reach
    // the instance.
    void secondStartHandsOver()
    {
        auto first = startWindow(recordPath("first"));
        QVERIFY(first);
        const QString socket = instanceFile("socket");
        QVERIFY2(!socket.isEmpty(), qPrintable(QDir(m_runtime->path()).entryList().join(' ')));
        QVERIFY(!instanceFile("lock").isEmpty());
        struct stat directory;
        QCOMPARE(lstat(QFile::encodeName(QFileInfo(socket).path()).constData(), &directory), 0);
        QCOMPARE(directory.st_mode & 0777, mode_t(0700));
        QCOMPARE(QFileInfo(socket).permissions()
                & ~(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser
                    | QFile::WriteUser | QFile::ExeUser),
            QFile::Permissions());

        int raised = 0;
        for (const QStringList &arguments : QList<QStringList> { {}, { "-x" }, { "-s", "" } }) {
            QVERIFY(handOver(arguments, recordPath("silent")));
            QCOMPARE(recordedProperties(recordPath("silent")), QStringList());
            QTRY_VERIFY2(first->log().count(RAISED) > raised, qPrintable(first->log()));
            raised = first->log().count(RAISED);
        }
        // Messages arrive in order: once this one is in, anything the silent
        // starts had handed over would be in too.
        QVERIFY(handOver({ "-s", "a3" }, recordPath("second")));
        QCOMPARE(recordedProperties(recordPath("second")), QStringList { "startType=notify" });
        QVERIFY2(first->waitForLog("The string is at index:  2\n"), qPrintable(first->log()));
        QVERIFY(first->log().contains(highlightLine("a3")));
        QCOMPARE(first->log().count(HANDED_OVER), 1);
        QCOMPARE(first->log().count("get mainpage msg is: "), 1);
        QTRY_VERIFY(first->log().count(RAISED) > raised);
        first->stop();
        QCOMPARE(recordedProperties(recordPath("first")),
            (QStringList { "tabName=notifyLog", "startType=desktop" }));
    }

    // The daemon hangs; the window is closed meanwhile: the process ends at
    // once and cleanly, though a load thread still waits.
    void closingDuringALoadEndsTheProcess()
    {
        TARVIX_START_DAEMON(
            m_sim, { "--alerts", m_install.filePath("alerts.log"), "--delay", "generateLogFile=10000" });
        auto run = startApp({}, QString(), CLOSE_DURING_LOAD_PATH);
        QVERIFY2(run->waitForOutput("closing\n"), qPrintable(run->output() + run->log()));
        QElapsedTimer closing;
        closing.start();
        QVERIFY(run->waitForFinished(5000));
        QVERIFY2(closing.elapsed() < 1000, qPrintable(QString::number(closing.elapsed())));
        QCOMPARE(run->exitStatus(), QProcess::NormalExit);
        QCOMPARE(run->exitCode(), 0);
        QVERIFY2(!run->log().contains("QThread"), qPrintable(run->log()));

        const QString error = startSimWithAlerts(m_sim, m_install, 5);
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }

    void failedHandOverIsReported()
    {
        auto first = startWindow();
        QVERIFY(first);
        ::kill(pid_t(first->processId()), SIGSTOP); // it cannot answer
        auto second = startApp({ "-s", "a3" });
        QVERIFY(second->waitForExit());
        ::kill(pid_t(first->processId()), SIGCONT);
        QCOMPARE(second->exitCode(), 1);
        QVERIFY2(second->log().contains("Could not hand the alert over to the running instance.\n"),
            qPrintable(second->log()));
        QVERIFY(!second->output().contains(STARTED));
    }
};

TARVIX_BUS_TEST_GUILESS_MAIN(TestAppStartup)
#include "tst_appstartup.moc"
