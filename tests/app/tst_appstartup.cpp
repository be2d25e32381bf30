// The application started as a user or a notification would start it, with the stand-in
// serving alerts a0..a4; and the single-instance hand-over alone, between probes and raw sockets.

#include "apprun.h"
#include "apptest.h"
#include "support/bustestmain.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>

#include <csignal>
#include <functional>
#include <grp.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const char *const STARTED = "main execute time: ";
const char *const HANDED_OVER = "send msg to notify log";
const char *const RAISED = "This plugin does not support raise()"; // said offscreen on every raise
const QString HIGHLIGHT = "get mainpage msg is:  \"%1\"";
const char *const ALONE = "; running without single-instance hand-over";
const uid_t OTHER_USER = 65534;

// A message as the instances frame it: its length in four bytes, big-endian.
QByteArray message(const QByteArray &text)
{
    const quint32 length = qToBigEndian(quint32(text.size()));
    return QByteArray(reinterpret_cast<const char *>(&length), 4) + text;
}

// body in a child process as uid/gid 65534, which dies with the test, after bindTo (when
// given) was bound as root. After a fork of a threaded process: system calls only, no allocation.
pid_t otherUser(const std::function<int(int socket)> &body, const QByteArray &bindTo = {})
{
    const pid_t pid = fork();
    if (pid != 0)
        return pid;
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    memcpy(address.sun_path, bindTo.constData(), size_t(bindTo.size()));
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    if (!bindTo.isEmpty()
        && (unlink(bindTo.constData()), bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)))
            != 0)
        _exit(9);
    if (setgroups(0, nullptr) != 0 || setgid(OTHER_USER) != 0 || setuid(OTHER_USER) != 0)
        _exit(9);
    _exit(body(fd));
}

// The child's exit status within ms; -1 when it had to be killed.
int exitStatus(pid_t pid, int ms)
{
    const QDeadlineTimer deadline(ms);
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (deadline.hasExpired())
            kill(pid, SIGKILL), waitpid(pid, &status, 0);
        QThread::msleep(10);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The other user listening at path, where only root could create it. It exits
// with 1 when the one peer it accepts sends anything, 0 when it sends nothing.
pid_t otherUsersListener(const QString &path)
{
    int ready[2];
    if (pipe(ready) != 0)
        return -1;
    const pid_t pid = otherUser(
        [&ready](int fd) {
            if (listen(fd, 1) != 0 || write(ready[1], "L", 1) != 1)
                return 9;
            char byte;
            return read(accept(fd, nullptr, nullptr), &byte, 1) > 0 ? 1 : 0;
        },
        QFile::encodeName(path));
    char byte = 0;
    close(ready[1]);
    const bool listening = read(ready[0], &byte, 1) == 1;
    close(ready[0]);
    return listening ? pid : -1;
}

// How often the log says text was handed over, passed on, and highlighted.
QVector<int> handedOver(const QString &log, const QString &text)
{
    return { log.count(HANDED_OVER), log.count("get mainpage msg is: "), log.count(HIGHLIGHT.arg(text)) };
}

int openDescriptors(qint64 pid)
{
    return QDir(QString("/proc/%1/fd").arg(pid))
        .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
        .size();
}

} // namespace

class TestAppStartup : public QObject
{
    Q_OBJECT

    DaemonSimFixture m_sim;
    QTemporaryDir m_install;
    std::unique_ptr<QTemporaryDir> m_runtime; // per test
    std::unique_ptr<QTemporaryDir> m_tmp; // the probes' TMPDIR, which gets no file

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

    // A second instance, which must end at once, cleanly and without a window.
    bool handOver(const QStringList &arguments, const QString &record = QString())
    {
        auto run = startApp(arguments, record);
        return run->waitForExit() && run->exitStatus() == QProcess::NormalExit && run->exitCode() == 0
            && !run->output().contains(STARTED);
    }

    QString recordPath(const QString &name) const { return m_runtime->filePath(name + ".usage"); }

    // The probe with "Zorva Intrusion Detector" and arguments; a null runtime unsets XDG_RUNTIME_DIR.
    std::unique_ptr<AppRun> probe(const QStringList &arguments = {}, const QString &runtime = "default")
    {
        QProcessEnvironment environment = programEnvironment();
        environment.insert("TMPDIR", m_tmp->path());
        environment.remove("XDG_RUNTIME_DIR");
        if (!runtime.isNull())
            environment.insert("XDG_RUNTIME_DIR", runtime == "default" ? m_runtime->path() : runtime);
        auto run = std::make_unique<AppRun>();
        run->setProcessEnvironment(environment);
        run->start(SINGLE_INSTANCE_PROBE, QStringList { "Zorva Intrusion Detector" } + arguments,
            QIODevice::ReadOnly);
        return run;
    }
    std::unique_ptr<AppRun> first()
    {
        auto run = probe();
        return run->waitForOutput("first\n") && !run->log().contains(ALONE) ? std::move(run) : nullptr;
    }
    // What a second instance handing text over said: "sent", "not sent", ...
    QString send(const QString &text)
    {
        auto run = probe({ text });
        return run->waitForExit() ? run->output().remove("running\n").trimmed() : "hangs";
    }
    // The directory of lock and socket that a first instance made; with
    // leaveBehind, that instance is killed and leaves both there.
    QString privateDirectory(bool leaveBehind = false)
    {
        if (leaveBehind) {
            auto killed = first();
            if (!killed)
                return QString();
            killed->kill(), killed->waitForExit();
        }
        const QStringList found
            = QDir(m_runtime->path()).entryList({ "qtsingleapp-*" }, QDir::AllEntries | QDir::System);
        return found.size() == 1 ? m_runtime->filePath(found.first()) : QString();
    }

private slots:
    void initTestCase()
    {
        // The program beside a qt.conf whose library folder holds the stand-in data-collection library.
        QVERIFY(QFile::copy(TARVIX_APP_PATH, m_install.filePath("tarvix-desktop")));
        writeTestFile(m_install, "qt.conf",
            QString("[Paths]\nPrefix=/usr\nLibraries=%1\nPlugins=%2\n")
                .arg(DATACOLLECT_STUB_DIR, QLibraryInfo::location(QLibraryInfo::PluginsPath))
                .toUtf8());
        QVERIFY2(startSimWithAlerts(m_sim, m_install, 5), qPrintable(m_sim.errorString()));
    }

    void init()
    {
        m_runtime = std::make_unique<QTemporaryDir>();
        m_tmp = std::make_unique<QTemporaryDir>();
    }
    void cleanup()
    {
        // Qt may make itself an empty directory there; a lock or socket never goes there.
        QDirIterator shared(
            m_tmp->path(), QDir::Files | QDir::System | QDir::Hidden, QDirIterator::Subdirectories);
        QVERIFY2(!shared.hasNext(), qPrintable(shared.next()));
        m_runtime.reset();
    }

    void firstStart_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("text"); // handed to the log page; empty: nothing
        QTest::addColumn<int>("index"); // where the log page finds it, aN at 5 - N; 0: not found
        QTest::addColumn<QString>("startType"); // the start event after tabName=notifyLog; empty: none

        const QString latin = QString::fromUtf8("\xc3\xa9t\xc3\xa9");
        QTest::newRow("plain") << QStringList() << "" << 0 << "desktop";
        QTest::newRow("short") << QStringList { "-s", "a3" } << "a3" << 2 << "notify";
        QTest::newRow("long joined") << QStringList { "--send-notify-detail=a0" } << "a0" << 5 << "notify";
        QTest::newRow("last wins") << QStringList { "-s", "a1", "--send-notify-detail", "a4" } << "a4" << 1
                                   << "notify";
        // Passed as ISO 8859-1 bytes: each byte of the option is one character.
        QTest::newRow("latin-1") << QStringList { "-s", latin } << latin << 0 << "notify";
        // Qt takes its own options first: -style must not read as -s "tyle".
        QTest::newRow("qt options") << QStringList { "-style", "fusion", "-platform", "offscreen", "-s",
            "a3" } << "a3" << 2 << "notify";
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

        const QRegularExpression started(
            "^main execute time: \\d+(\\.\\d+)?(e-\\d+)? seconds$", QRegularExpression::MultilineOption);
        QVERIFY2(started.match(app->output()).hasMatch(), qPrintable(app->output()));
        QVERIFY(!app->log().contains(STARTED)); // on standard output only
        QCOMPARE(handedOver(app->log(), text), QVector<int>(3, text.isEmpty() ? 0 : 1));
        QCOMPARE(recordedProperties(recordPath("first")),
            QStringList { "tabName=notifyLog" }
                + (startType.isEmpty() ? QStringList() : QStringList { "startType=" + startType }));
    }

    // A second start hands its text over and ends; one without a text (from
    // the application menu) only raises the window; one the instance cannot
    // answer says so and exits with 1. Only this user may reach the instance.
    void secondStartHandsOver()
    {
        auto first = startApp({}, recordPath("first"));
        QVERIFY2(first->waitForOutput(STARTED), qPrintable(first->log()));
        const QByteArray dir = QFile::encodeName(privateDirectory());
        QVERIFY2(QFile::exists(dir + "/lock"), dir.constData());
        struct stat directory, socket;
        QVERIFY(lstat(dir, &directory) == 0 && lstat(dir + "/socket", &socket) == 0);
        QCOMPARE(directory.st_mode & 0777, mode_t(0700));
        QCOMPARE(socket.st_mode & 077, mode_t(0));

        int raised = 0;
        for (const QStringList &arguments : QList<QStringList> { {}, { "-s", "" } }) {
            QVERIFY(handOver(arguments, recordPath("silent")));
            QCOMPARE(recordedProperties(recordPath("silent")), QStringList());
            QTRY_VERIFY2(first->log().count(RAISED) > raised, qPrintable(first->log()));
            raised = first->log().count(RAISED);
        }
        // In order: once this one is in, whatever the silent starts handed over would be in too.
        QVERIFY(handOver({ "-s", "a3" }, recordPath("second")));
        QCOMPARE(recordedProperties(recordPath("second")), QStringList { "startType=notify" });
        QVERIFY2(first->waitForLog("The string is at index:  2\n"), qPrintable(first->log()));
        QCOMPARE(handedOver(first->log(), "a3"), QVector<int>(3, 1));
        QTRY_VERIFY(first->log().count(RAISED) > raised);

        ::kill(pid_t(first->processId()), SIGSTOP);
        auto unanswered = startApp({ "-s", "a4" });
        QVERIFY(unanswered->waitForExit());
        ::kill(pid_t(first->processId()), SIGCONT);
        QCOMPARE(unanswered->exitCode(), 1);
        QVERIFY2(unanswered->log().contains("Could not hand the alert over to the running instance.\n"),
            qPrintable(unanswered->log()));
        QVERIFY(!unanswered->output().contains(STARTED));
        first->stop();
        QCOMPARE(recordedProperties(recordPath("first")),
            (QStringList { "tabName=notifyLog", "startType=desktop" }));
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments"); // "@/" is a private folder
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says"); // in the first line on standard output (0) or error
        QTest::addColumn<int>("rows"); // alerts in the file written; -1: no file

        const QString today = QDate::currentDate().toString("yyyy-MM-dd");
        const QString yesterday = QDate::currentDate().addDays(-1).toString("yyyy-MM-dd");
        const QStringList empty = { "--from", "2000-01-01", "--to", "2000-01-02" };
        QTest::newRow("version") << QStringList { "--version" } << 0 << "tarvix-desktop " TARVIX_VERSION
                                 << -1;
        QTest::newRow("help") << QStringList { "-platform", "offscreen", "--help" } << 0
                              << "Usage: tarvix-desktop" << -1;
        QTest::newRow("pdf") << QStringList { "--export-report", "@/report.pdf" } << 0 << "" << 5;
        QTest::newRow("csv") << QStringList { "--export-report", "@/alerts.CSV" } << 0 << "" << 5;
        QTest::newRow("jsonl ranged") << QStringList { "--export-report=@/alerts.jsonl", "--from", yesterday,
            "--to", today } << 0 << "" << 5;
        QTest::newRow("format over suffix")
            << QStringList { "--format", "csv", "--export-report", "@/a.pdf" } << 0 << "" << 5;
        QTest::newRow("csv empty range")
            << QStringList { "--export-report", "@/none.csv" } + empty << 0 << "" << 0;
        // Failures and refusals: one line after the program's name; a refusal adds the usage.
        const auto fails
            = [](const char *tag, int status, const QStringList &arguments, const QString &says) {
                  QTest::newRow(tag) << arguments << status << says << -1;
              };
        fails("pdf empty range", 1, QStringList { "--export-report", "@/none.pdf" } + empty,
            "There are no alarms");
        fails("unwritable", 1, { "--export-report", "/proc/never.jsonl" }, "cannot be written to");
        fails("daemon gone", 1, { "--export-report", "@/gone.csv" },
            "The detection service could not be reached");
        fails("unknown option", 2, { "-x" }, "unknown option -x");
        fails("unknown long", 2, { "--verbose", "-s", "a1" }, "unknown option --verbose");
        fails("stray argument", 2, { "a1" }, "unexpected argument \"a1\"");
        fails("-s no value", 2, { "-s" }, "-s needs a value");
        fails("export no value", 2, { "--export-report" }, "--export-report needs a value");
        fails("from no value", 2, { "--export-report", "@/x.csv", "--from" }, "--from needs a value");
        fails("from alone", 2, { "--from", today }, "--from and --to are used only with --export-report");
        fails("no suffix", 2, { "--export-report", "@/report" }, "the format of \"");
        fails("other suffix", 2, { "--export-report", "@/report.txt" }, "the format of \"");
        fails("bad format", 2, { "--export-report", "@/r.csv", "--format", "xlsx" },
            "--format wants pdf, csv or jsonl, not \"xlsx\"");
        fails("bad date", 2, { "--export-report", "@/r.csv", "--from", "2024-13-01" },
            "--from wants a date as YYYY-MM-DD, not \"2024-13-01\"");
        fails("from after to", 2,
            { "--export-report", "@/r.csv", "--from", "2024-03-05", "--to", "2024-03-01" },
            "--from is later than --to");
    }

    // Every run of the program without a window: its exit status, what it
    // says, and the file it leaves, read as a consuming program reads it.
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, says);
        QFETCH(int, rows);

        const QString target = arguments.filter("@/").value(0).section("@/", 1);
        arguments.replaceInStrings("@/", m_runtime->path() + "/");
        const bool daemonGone = QByteArray(QTest::currentDataTag()) == "daemon gone";
        if (daemonGone)
            QVERIFY(m_sim.stop());
        auto run = startApp(arguments);
        const bool finished = run->waitForExit();
        if (daemonGone)
            QVERIFY2(startSimWithAlerts(m_sim, m_install, 5), qPrintable(m_sim.errorString()));
        QVERIFY(finished);
        QCOMPARE(run->exitStatus() == QProcess::NormalExit ? run->exitCode() : -1, status);
        const QString said = status == 0 ? run->output() : run->log();
        QVERIFY2(says.isEmpty() ? said.isEmpty() : said.section('\n', 0, 0).contains(says), qPrintable(said));
        QVERIFY2(status == 0 || said.startsWith("tarvix-desktop: "), qPrintable(said));
        if (status == 1) // one line, whatever the libraries would have said
            QCOMPARE(said.count('\n'), 1);
        if (status == 2) {
            QVERIFY2(said.section('\n', 1).startsWith("Usage: tarvix-desktop"), qPrintable(said));
            QVERIFY(run->output().isEmpty() && !run->log().contains(STARTED));
        }
        if (QByteArray(QTest::currentDataTag()) == "help") { // the manual page documents every option
            const QString page = QString::fromUtf8(readTestFile(MANUAL_PAGE))
                                     .remove(QRegularExpression("\\\\f[BIRP]"))
                                     .replace("\\-", "-");
            QStringList listed;
            for (auto found = QRegularExpression("(?<![\\w-])--?[a-z][a-z-]*").globalMatch(said);
                 found.hasNext();)
                listed << found.next().captured();
            QVERIFY2(listed.contains("--export-report") && listed.contains("-platform"),
                qPrintable(listed.join(' ')));
            for (const QString &name : listed)
                QVERIFY2(page.contains(QRegularExpression(
                             "(?<![\\w-])" + QRegularExpression::escape(name) + "(?![\\w-])")),
                    qPrintable(name));
        }
        const QStringList left = QDir(m_runtime->path()).entryList(QDir::Files | QDir::Hidden);
        if (rows < 0) {
            QCOMPARE(left, QStringList());
            return;
        }
        QCOMPARE(left, QStringList { target });
        const QByteArray content = readTestFile(m_runtime->filePath(target));
        const int named = arguments.indexOf("--format");
        const QString format = named >= 0 ? arguments.at(named + 1) : QFileInfo(target).suffix().toLower();
        if (format == "pdf") {
            QVERIFY(content.startsWith("%PDF-") && content.trimmed().endsWith("%%EOF"));
        } else if (format == "csv") {
            QVERIFY(content.startsWith("\xEF\xBB\xBFid,time,level,rule,"));
            const QList<QByteArray> records = content.split('\n'); // one raw line per alert here
            QCOMPARE(records.size(), rows + 2);
            QVERIFY(rows == 0 || records[1].startsWith("a4,"));
        } else {
            const QList<QByteArray> lines = content.split('\n');
            QCOMPARE(lines.size(), rows + 1);
            const QJsonObject first = QJsonDocument::fromJson(lines.first()).object();
            QVERIFY2(first.value("id") == "a4" && first.value("raw").isArray(), lines.first().constData());
        }
    }

    // The daemon hangs; the window is closed meanwhile: the process ends at
    // once and cleanly, though a load thread and a settings read still wait.
    void closingDuringALoadEndsTheProcess()
    {
        TARVIX_START_DAEMON(m_sim,
            { "--alerts", m_install.filePath("alerts.log"), "--delay", "generateLogFile=10000", "--delay",
                "getNotifyConfig=10000" });
        auto run = startApp({}, QString(), CLOSE_DURING_LOAD_PATH);
        QVERIFY2(run->waitForOutput("closing\n"), qPrintable(run->output() + run->log()));
        QElapsedTimer closing;
        closing.start();
        QVERIFY(run->waitForFinished(5000));
        QVERIFY2(closing.elapsed() < 1000, qPrintable(QString::number(closing.elapsed())));
        QVERIFY(run->exitStatus() == QProcess::NormalExit && run->exitCode() == 0);
        QVERIFY2(!run->log().contains("QThread"), qPrintable(run->log()));

        QVERIFY2(startSimWithAlerts(m_sim, m_install, 5), qPrintable(m_sim.errorString()));
    }

    void unsafeLocationRunsAlone_data()
    {
        QTest::addColumn<QString>("reason");
        QTest::newRow("runtime unset") << "XDG_RUNTIME_DIR is not set";
        QTest::newRow("runtime 0755") << "is open to other users (mode 0755)";
        QTest::newRow("runtime link") << "is a symbolic link";
        QTest::newRow("private link") << "is a symbolic link";
        QTest::newRow("private file") << "is not a directory";
    }
    void unsafeLocationRunsAlone()
    {
        const QString setup = QTest::currentDataTag();
        QFETCH(QString, reason);
        QTemporaryDir elsewhere;
        QString runtime = m_runtime->path();
        if (setup == "runtime unset") {
            runtime = QString();
        } else if (setup == "runtime 0755") {
            QCOMPARE(chmod(QFile::encodeName(runtime).constData(), 0755), 0);
        } else if (setup == "runtime link") {
            runtime = elsewhere.filePath("link");
            QVERIFY(QFile::link(m_runtime->path(), runtime));
        } else {
            const QString dir = privateDirectory(true);
            QVERIFY(!dir.isEmpty() && QDir(dir).removeRecursively());
            QVERIFY(setup == "private link" ? QFile::link(elsewhere.path(), dir)
                                            : QFile(dir).open(QIODevice::WriteOnly));
        }
        // Both start as first instances, each with one line saying why.
        auto one = probe({}, runtime), two = probe({ "a1" }, runtime);
        for (AppRun *run : { one.get(), two.get() }) {
            QVERIFY2(run->waitForOutput("first\n") && run->waitForLog(ALONE), qPrintable(run->log()));
            QCOMPARE(run->log().count(reason + ALONE), 1);
        }
        QCOMPARE(QDir(elsewhere.path()).entryList(QDir::Files | QDir::System), QStringList());
    }

    // An instance that took over the lock and socket a killed one left
    // serves eight peers at a time, and messages of at most 4 KiB.
    void staleLockFloodAndSizeCap()
    {
        QVERIFY(!privateDirectory(true).isEmpty());
        auto instance = first();
        QVERIFY(instance);
        const int idle = openDescriptors(instance->processId());
        std::vector<std::unique_ptr<QLocalSocket>> flood(40);
        for (auto &peer : flood)
            (peer = std::make_unique<QLocalSocket>())->connectToServer(privateDirectory() + "/socket");
        // Eight are served; the rest wait in the queue and cost the instance nothing.
        QTRY_COMPARE_WITH_TIMEOUT(openDescriptors(instance->processId()), idle + 8, 4000);
        QTest::qWait(300);
        QCOMPARE(openDescriptors(instance->processId()), idle + 8);
        flood.clear();
        QCOMPARE(send("a3"), QString("sent"));
        QVERIFY(instance->waitForOutput("received 2 a3\n"));

        auto tooLong = probe({ QString(4097, 'x') });
        QVERIFY(tooLong->waitForExit());
        QVERIFY(tooLong->output() == "running\nnot sent\n" && tooLong->exitCode() == 1);
        QVERIFY(tooLong->log().contains("not sending a message of 4097 bytes (at most 4096)"));

        // A peer that announces more than it sends holds only its own connection.
        QLocalSocket stalled, megabyte, longest;
        for (QLocalSocket *peer : { &stalled, &megabyte, &longest }) {
            peer->connectToServer(privateDirectory() + "/socket");
            QVERIFY(peer->waitForConnected(5000));
        }
        stalled.write(message(QByteArray(100, 'x')).left(6));
        megabyte.write(message(QByteArray(1 << 20, 'y')));
        QTRY_COMPARE_WITH_TIMEOUT(megabyte.state(), QLocalSocket::UnconnectedState, 4000);
        longest.write(message(QByteArray(4096, 'z')));
        QVERIFY(instance->waitForOutput("received 4096 zzz", 4000));
        QCOMPARE(stalled.state(), QLocalSocket::ConnectedState); // dropped after 5 s
        QCOMPARE(instance->output().count("received"), 2);
        QCOMPARE(instance->log(),
            QString("QtSingleApplication: dropped a message of 1048576 bytes (at most 4096)\n"));
    }

    void acceptFailureKeepsListening()
    {
        auto instance = first();
        QVERIFY(instance);
        const pid_t pid = pid_t(instance->processId());
        rlimit original, tight;
        QCOMPARE(prlimit(pid, RLIMIT_NOFILE, nullptr, &original), 0);
        tight = { rlim_t(openDescriptors(pid) + 1), original.rlim_max }; // about one descriptor left
        QCOMPARE(prlimit(pid, RLIMIT_NOFILE, &tight, nullptr), 0);
        std::vector<std::unique_ptr<QLocalSocket>> peers;
        while (peers.size() < 7 && !instance->waitForLog("cannot accept", 300))
            (peers.emplace_back(new QLocalSocket))->connectToServer(privateDirectory() + "/socket");
        QTest::qWait(600); // retried meanwhile, without a line each time
        QCOMPARE(instance->log(),
            QString("QtSingleApplication: cannot accept a connection: Too many open files; trying again\n"));

        QCOMPARE(prlimit(pid, RLIMIT_NOFILE, &original, nullptr), 0);
        peers.clear();
        QCOMPARE(send("a4"), QString("sent"));
        QVERIFY(instance->waitForOutput("received 2 a4\n"));
    }

    // The other user, where only a mistake or root could have let them in: a private directory of theirs with
    // a live lock, a socket they listen on, a connection of theirs.
    void otherUserGetsNothing()
    {
        if (geteuid() != 0)
            QSKIP("needs root to play another user (uid 65534)");
        const QString dir = privateDirectory(true);
        QVERIFY(!dir.isEmpty());
        QLockFile lock(dir + "/lock");
        lock.setStaleLockTime(0);
        QVERIFY(lock.tryLock(0));

        pid_t listener = otherUsersListener(dir + "/socket");
        QVERIFY(listener > 0);
        QCOMPARE(send("a1"), QString("not sent"));
        QCOMPARE(exitStatus(listener, 3000), 0);

        listener = otherUsersListener(dir + "/socket");
        QVERIFY(listener > 0);
        QCOMPARE(chown(QFile::encodeName(dir).constData(), OTHER_USER, OTHER_USER), 0);
        auto started = probe({ "a1" });
        QVERIFY(started->waitForOutput("first\n"));
        QVERIFY(started->waitForLog(QString("belongs to uid 65534") + ALONE));
        QCOMPARE(exitStatus(listener, 300), -1);
    }

    void otherUsersConnectionIsRefused()
    {
        if (geteuid() != 0)
            QSKIP("needs root to play another user (uid 65534)");
        auto instance = first();
        QVERIFY(instance);
        const QByteArray runtime = QFile::encodeName(m_runtime->path()),
                         dir = QFile::encodeName(privateDirectory());
        // Loosened after the instance started, so the other user can connect.
        QCOMPARE(chmod(runtime, 0711) | chmod(dir, 0711) | chmod(dir + "/socket", 0666), 0);
        // Made before the fork: a child of a threaded process must not allocate.
        const QByteArray socketPath = dir + "/socket";
        const QByteArray bytes = message("a9");
        const pid_t peer = otherUser([&socketPath, &bytes](int fd) {
            sockaddr_un address {};
            address.sun_family = AF_UNIX;
            strcpy(address.sun_path, socketPath.constData());
            char answer;
            if (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) != 0)
                return 9;
            // Refused before the message is written or after: either way no acknowledgement.
            if (write(fd, bytes, bytes.size()) != bytes.size())
                return 0;
            return read(fd, &answer, 1) == 1 ? 1 : 0; // 1: acknowledged
        });
        QCOMPARE(exitStatus(peer, 5000), 0);
        QVERIFY(instance->waitForLog("refused a connection from uid 65534\n"));
        QCOMPARE(chmod(runtime, 0700) | chmod(dir, 0700), 0);
        QCOMPARE(send("a1"), QString("sent"));
        QVERIFY(instance->waitForOutput("received 2 a1\n"));
        QCOMPARE(instance->output().count("received"), 1);
    }
};

TARVIX_BUS_TEST_GUILESS_MAIN(TestAppStartup)
#include "tst_appstartup.moc"
