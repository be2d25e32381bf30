// The application binary started as a user or a notification would start it,
// on the private buses, with the stand-in daemon serving a small alerts log.
// Each test gets its own runtime directory, so the single-instance lock and
// socket belong to that test alone.

#include "apprun.h"
#include "support/bustestmain.h"
#include "support/daemonsimfixture.h"

#include <QDir>
#include <QLibraryInfo>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QTextCodec>
#include <QtEndian>

namespace {

const char *const STARTED = "main execute time: ";
const char *const HANDED_OVER = "send msg to notify log";
// The offscreen platform says so on every raise, which makes activation visible.
const char *const RAISED = "This plugin does not support raise()";

// Alerts a0 (oldest) to a4 (newest); the page lists them newest first, so aN is at index 5 - N.
QByteArray alertsLog()
{
    QByteArray log;
    const QDateTime newest = QDateTime::currentDateTime().addSecs(-3600);
    for (int i = 0; i < 5; ++i) {
        const QByteArray date
            = QLocale::c().toString(newest.addSecs(60 * (i - 4)), "yyyy MMM dd HH:mm:ss").toLatin1();
        log += "** Alert a" + QByteArray::number(i) + ": - syslog,\n" + date + " host->/var/log/auth.log\n"
            + "Rule: 5712 (level 12) -> 'alert " + QByteArray::number(i)
            + "'\nSrc IP: 10.0.0.1\nraw line\n\n";
    }
    return log;
}

// The properties the stand-in data-collection library was handed, in order.
QStringList recordedProperties(const QString &path)
{
    QFile file(path);
    QStringList properties;
    if (!file.open(QIODevice::ReadOnly))
        return properties;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith("  "))
            properties << QString::fromUtf8(line.trimmed());
    }
    return properties;
}

QString highlightLine(const QString &text)
{
    return QString("get mainpage msg is:  \"%1\"").arg(text);
}

} // namespace

class TestAppStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void firstStart_data();
    void firstStart();
    void secondStartHandsTextOver();
    void secondStartWithoutTextSendsNothing();
    void staleLockAfterKill();
    void stalledPeerDoesNotBlock();

private:
    // A run of the installed copy, which loads the stand-in data-collection
    // library; it records into record when that is given.
    std::unique_ptr<AppRun> startApp(
        const QStringList &arguments, const QString &record = QString(), const QString &program = QString());
    QString recordPath(const QString &name) const { return m_runtime->filePath(name + ".usage"); }
    QString instanceFile(const QString &suffix) const;

    DaemonSimFixture m_sim;
    QTemporaryDir m_install;
    std::unique_ptr<QTemporaryDir> m_runtime;
};

void TestAppStartup::initTestCase()
{
    QVERIFY(m_install.isValid());
    // The binary beside a qt.conf whose library directory holds the stand-in
    // data-collection library: the program looks for it there.
    const QString program = m_install.filePath("tarvix-desktop");
    QVERIFY(QFile::copy(TARVIX_APP_PATH, program));
    QFile conf(m_install.filePath("qt.conf"));
    QVERIFY(conf.open(QIODevice::WriteOnly));
    conf.write(QString("[Paths]\nPrefix=/usr\nLibraries=%1\nPlugins=%2\n")
                   .arg(DATACOLLECT_STUB_DIR, QLibraryInfo::location(QLibraryInfo::PluginsPath))
                   .toUtf8());
    conf.close();

    QFile log(m_install.filePath("alerts.log"));
    QVERIFY(log.open(QIODevice::WriteOnly));
    log.write(alertsLog());
    log.close();
    m_sim.setSnapshotPath("/tmp/tarvix_alerts.log");
    QVERIFY2(m_sim.start({ "--alerts", log.fileName() }), qPrintable(m_sim.errorString()));
}

void TestAppStartup::init()
{
    m_runtime = std::make_unique<QTemporaryDir>();
    QVERIFY(m_runtime->isValid());
}

void TestAppStartup::cleanup()
{
    m_runtime.reset();
}

std::unique_ptr<AppRun> TestAppStartup::startApp(
    const QStringList &arguments, const QString &record, const QString &program)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", m_runtime->path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("LC_ALL", "C.UTF-8");
    environment.insert("QT_FORCE_STDERR_LOGGING", "1");
    environment.remove("QT_MESSAGE_PATTERN");
    environment.remove("QT_LOGGING_RULES");
    environment.remove("LD_LIBRARY_PATH");
    if (record.isEmpty())
        environment.remove("TARVIX_USAGE_RECORD");
    else
        environment.insert("TARVIX_USAGE_RECORD", record);
    auto run = std::make_unique<AppRun>(
        program.isEmpty() ? m_install.filePath("tarvix-desktop") : program, environment);
    if (!run->start(arguments))
        qWarning("cannot start the application");
    return run;
}

QString TestAppStartup::instanceFile(const QString &suffix) const
{
    const QStringList found = QDir(m_runtime->path()).entryList({ "*" + suffix }, QDir::Files | QDir::System);
    return found.size() == 1 ? m_runtime->filePath(found.first()) : QString();
}

void TestAppStartup::firstStart_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("text"); // handed to the log page; empty: nothing
    QTest::addColumn<int>("index"); // where the log page finds it; 0: not found
    QTest::addColumn<QStringList>("events");

    const QString log = "tabName=notifyLog";
    QTest::newRow("plain") << QStringList() << "" << 0 << QStringList { log, "startType=desktop" };
    QTest::newRow("short") << QStringList { "-s", "a3" } << "a3" << 2
                           << QStringList { log, "startType=notify" };
    QTest::newRow("long") << QStringList { "--send-notify-detail", "a3" } << "a3" << 2
                          << QStringList { log, "startType=notify" };
    QTest::newRow("long joined") << QStringList { "--send-notify-detail=a0" } << "a0" << 5
                                 << QStringList { log, "startType=notify" };
    QTest::newRow("last wins") << QStringList { "-s", "a1", "--send-notify-detail", "a4" } << "a4" << 1
                               << QStringList { log, "startType=notify" };
    QTest::newRow("unknown id") << QStringList { "-s", "nope" } << "nope" << 0
                                << QStringList { log, "startType=notify" };
    // Each byte of the option is one character.
    QTest::newRow("latin-1") << QStringList { "-s", QString::fromUtf8("\xc3\xa9t\xc3\xa9") }
                             << QString::fromUtf8("\xc3\xa9t\xc3\xa9") << 0
                             << QStringList { log, "startType=notify" };
    // Argument count 2 and no text: a window and no start event.
    QTest::newRow("unknown option") << QStringList { "-x" } << "" << 0 << QStringList { log };
    QTest::newRow("empty text") << QStringList { "-s", "" } << "" << 0 << QStringList { log };
    QTest::newRow("missing text") << QStringList { "-s" } << "" << 0 << QStringList { log };
    QTest::newRow("non-option") << QStringList { "a3" } << "" << 0 << QStringList { log };
}

void TestAppStartup::firstStart()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, text);
    QFETCH(int, index);
    QFETCH(QStringList, events);

    // The latin-1 row passes its text as the bytes of ISO 8859-1.
    const bool latin1 = QByteArray(QTest::currentDataTag()) == "latin-1";
    if (latin1)
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
    auto app = startApp(arguments, recordPath("first"));
    QTextCodec::setCodecForLocale(nullptr);
    QVERIFY2(app->waitForOutput(" seconds\n"), qPrintable(app->log()));
    app->stop();

    const QRegularExpression timing(
        "^main execute time: (\\d+(\\.\\d+)?(e-\\d+)?) seconds$", QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = timing.match(app->output());
    QVERIFY2(match.hasMatch(), qPrintable(app->output()));
    QVERIFY(match.captured(1).toDouble() < 30);
    QVERIFY(!app->log().contains(STARTED)); // on standard output only

    const QString log = app->log();
    if (text.isEmpty()) {
        QVERIFY2(!log.contains(HANDED_OVER), qPrintable(log));
        QVERIFY(!log.contains("get mainpage msg is: "));
    } else {
        QCOMPARE(app->logCount(HANDED_OVER), 1);
        QCOMPARE(app->logCount("get mainpage msg is: "), 1);
        QVERIFY2(log.contains(highlightLine(text)), qPrintable(log));
        if (index)
            QVERIFY2(log.contains(QString("The string is at index:  %1\n").arg(index)), qPrintable(log));
        else
            QVERIFY(log.contains("The string was not found in the vector."));
    }
    QCOMPARE(recordedProperties(recordPath("first")), events);
}

void TestAppStartup::secondStartHandsTextOver()
{
    auto first = startApp({}, recordPath("first"));
    QVERIFY2(first->waitForOutput(STARTED), qPrintable(first->log()));

    // Only this user may reach the instance.
    const QString socket = instanceFile(".socket");
    QVERIFY2(!socket.isEmpty(), qPrintable(QDir(m_runtime->path()).entryList().join(' ')));
    QVERIFY(!instanceFile(".lock").isEmpty());
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup
        | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    QCOMPARE(QFileInfo(socket).permissions() & others, QFile::Permissions());

    auto second = startApp({ "-s", "a3" }, recordPath("second"));
    QVERIFY(second->waitForExit());
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
    QVERIFY(!second->output().contains(STARTED)); // no window of its own
    QCOMPARE(recordedProperties(recordPath("second")), QStringList { "startType=notify" });

    QVERIFY2(first->waitForLog("The string is at index:  2\n"), qPrintable(first->log()));
    QCOMPARE(first->logCount(HANDED_OVER), 1);
    QVERIFY(first->log().contains(highlightLine("a3")));
    QVERIFY(first->waitForLog(RAISED));
    QVERIFY(first->isRunning());
    first->stop();
    QCOMPARE(
        recordedProperties(recordPath("first")), (QStringList { "tabName=notifyLog", "startType=desktop" }));
}

void TestAppStartup::secondStartWithoutTextSendsNothing()
{
    auto first = startApp({});
    QVERIFY2(first->waitForOutput(STARTED), qPrintable(first->log()));

    const QList<QStringList> silentStarts = { {}, { "-x" }, { "-s", "" } };
    for (const QStringList &arguments : silentStarts) {
        auto second = startApp(arguments, recordPath("second"));
        QVERIFY(second->waitForExit());
        QCOMPARE(second->exitCode(), 0);
        QVERIFY(!second->output().contains(STARTED));
        QCOMPARE(recordedProperties(recordPath("second")), QStringList());
    }

    // Messages arrive in order: once this one is in, anything the silent
    // starts had sent would be in too.
    auto marker = startApp({ "-s", "a1" });
    QVERIFY(marker->waitForExit());
    QVERIFY2(first->waitForLog(highlightLine("a1")), qPrintable(first->log()));
    QCOMPARE(first->logCount(HANDED_OVER), 1);
    QCOMPARE(first->logCount(RAISED), 1);
}

void TestAppStartup::staleLockAfterKill()
{
    // The binary where the build put it, with no stand-ins beside it.
    auto crashed = startApp({}, QString(), TARVIX_APP_PATH);
    QVERIFY2(crashed->waitForOutput(STARTED), qPrintable(crashed->log()));
    crashed->kill();
    QCOMPARE(crashed->exitStatus(), QProcess::CrashExit);
    QVERIFY(!instanceFile(".lock").isEmpty()); // left behind

    auto next = startApp({}, QString(), TARVIX_APP_PATH);
    QVERIFY2(next->waitForOutput(STARTED), qPrintable(next->log()));

    auto second = startApp({ "-s", "a3" }, QString(), TARVIX_APP_PATH);
    QVERIFY(second->waitForExit());
    QCOMPARE(second->exitCode(), 0);
    QVERIFY2(next->waitForLog(highlightLine("a3")), qPrintable(next->log()));
}

void TestAppStartup::stalledPeerDoesNotBlock()
{
    auto first = startApp({});
    QVERIFY2(first->waitForOutput(STARTED), qPrintable(first->log()));
    const QString socketPath = instanceFile(".socket");
    QVERIFY(!socketPath.isEmpty());

    // A peer that announces more than it sends, and one that announces too much.
    QLocalSocket stalled;
    stalled.connectToServer(socketPath);
    QVERIFY(stalled.waitForConnected(5000));
    uchar header[4];
    qToBigEndian<quint32>(100, header);
    stalled.write(reinterpret_cast<const char *>(header), 4);
    stalled.write("ab");
    QVERIFY(stalled.waitForBytesWritten(5000));

    QLocalSocket oversized;
    oversized.connectToServer(socketPath);
    QVERIFY(oversized.waitForConnected(5000));
    qToBigEndian<quint32>(0xffffffffu, header);
    oversized.write(reinterpret_cast<const char *>(header), 4);
    QVERIFY(oversized.waitForBytesWritten(5000));
    QTRY_COMPARE_WITH_TIMEOUT(oversized.state(), QLocalSocket::UnconnectedState, 4000);

    // Served while the stalled peer still holds its connection (it is dropped after 5 s).
    QElapsedTimer elapsed;
    elapsed.start();
    auto second = startApp({ "-s", "a2" });
    QVERIFY(second->waitForExit());
    QCOMPARE(second->exitCode(), 0);
    QVERIFY2(first->waitForLog(highlightLine("a2")), qPrintable(first->log()));
    QVERIFY2(elapsed.elapsed() < 4000, qPrintable(QString::number(elapsed.elapsed())));
    QCOMPARE(stalled.state(), QLocalSocket::ConnectedState);
    QTRY_COMPARE_WITH_TIMEOUT(stalled.state(), QLocalSocket::UnconnectedState, 8000);
    QCOMPARE(first->logCount(HANDED_OVER), 1);
}

TARVIX_BUS_TEST_GUILESS_MAIN(TestAppStartup)
#include "tst_appstartup.moc"
