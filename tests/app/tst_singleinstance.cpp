// The single-instance hand-over between real processes: the probe program as
// first and second instance, raw local sockets as other peers, each test in a
// runtime directory of its own. When the test runs as root, another user is
// played by a forked child that drops to uid/gid 65534.

#include "apprun.h"
#include "apptest.h"

#include <QDir>
#include <QDirIterator>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>
#include <QtEndian>
#include <QtTest>

#include <functional>
#include <grp.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const char *const ALONE = "; running without single-instance hand-over";
const uid_t OTHER_USER = 65534;

QByteArray message(const QByteArray &text)
{
    uchar header[4];
    qToBigEndian(quint32(text.size()), header);
    return QByteArray(reinterpret_cast<const char *>(header), 4) + text;
}

// body in a child process that dies with the test; with asOtherUser it runs
// as uid/gid 65534, after bindTo (when given) was bound while still root.
// body runs after a fork of a threaded process: system calls only, no allocation.
pid_t child(bool asOtherUser, const std::function<int(int socket)> &body, const QByteArray &bindTo = {})
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
    if (asOtherUser && (setgroups(0, nullptr) != 0 || setgid(OTHER_USER) != 0 || setuid(OTHER_USER) != 0))
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
    const pid_t pid = child(
        true,
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

int openDescriptors(qint64 pid)
{
    return QDir(QString("/proc/%1/fd").arg(pid))
        .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
        .size();
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_runtime; // per test
    std::unique_ptr<QTemporaryDir> m_tmp; // the probes' TMPDIR, which gets no file

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

    // A killed instance leaves its lock and socket; the next start takes them over.
    void staleLockIsTakenOver()
    {
        QVERIFY(!privateDirectory(true).isEmpty());
        auto next = first();
        QVERIFY(next);
        QCOMPARE(send("a3"), QString("sent"));
        QVERIFY(next->waitForOutput("received 2 a3\n"));
    }

    void sizeCapAndStalledPeer()
    {
        auto instance = first();
        QVERIFY(instance);
        auto tooLong = probe({ QString(4097, 'x') });
        QVERIFY(tooLong->waitForExit());
        QCOMPARE(tooLong->output(), QString("running\nnot sent\n"));
        QCOMPARE(tooLong->exitCode(), 1);
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
        QCOMPARE(instance->output().count("received"), 1);
        QCOMPARE(instance->log(),
            QString("QtSingleApplication: dropped a message of 1048576 bytes (at most 4096)\n"));
    }

    void connectionFloodIsCapped()
    {
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

    // The other user, where only a mistake or root could have let them in: a
    // private directory of theirs with a live lock, a socket they listen on,
    // a connection of theirs.
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
        const pid_t peer = child(true, [&socketPath, &bytes](int fd) {
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

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
