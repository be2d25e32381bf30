#include "system/systemprobes.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest>

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace {

// What run() prints on standard output.
template<typename Run> QByteArray capturedStdout(Run run)
{
    QTemporaryFile file;
    file.open();
    std::fflush(stdout);
    const int saved = dup(STDOUT_FILENO);
    dup2(file.handle(), STDOUT_FILENO);
    run();
    std::fflush(stdout);
    dup2(saved, STDOUT_FILENO);
    close(saved);
    file.seek(0);
    return file.readAll();
}

std::string printing(const char *output)
{
    return std::string("printf '") + output + "'";
}

const char *const NO_GROUP = "tarvix-no-such-group";

} // namespace

class TestSystemProbes : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    std::string file(const char *name, const QByteArray &contents)
    {
        QFile out(m_dir.filePath(name));
        if (!out.open(QIODevice::WriteOnly) || out.write(contents) != contents.size()) {
            qFatal("cannot write %s", qPrintable(out.fileName()));
        }
        return out.fileName().toStdString();
    }

private slots:
    void init()
    {
        sysVersionLevel = 0;
        isAdministrator = false;
    }

    void buildLevel_data()
    {
        QTest::addColumn<QByteArray>("build");
        QTest::addColumn<int>("releaseId");
        QTest::addColumn<int>("level");

        QTest::newRow("2025 Feb") << QByteArray("Build 20250215") << 2503 << 5;
        QTest::newRow("2025 Jun") << QByteArray("Build 20250615") << 2503 << 4;
        QTest::newRow("2025, release 2403") << QByteArray("Build 20250215") << 2403 << 0;
        QTest::newRow("2025, no release") << QByteArray("Build 20250215") << 0 << 0;
        QTest::newRow("2024 Jan") << QByteArray("Build 20240101") << 2403 << 4;
        QTest::newRow("2023 Oct") << QByteArray("Kind: x\nBuild \t 20231010") << 2303 << 2;
        QTest::newRow("2022 Mar") << QByteArray("Build 20220301") << 2203 << 2;
        QTest::newRow("2022 Oct") << QByteArray("Build 20221001") << 2203 << 1;
        QTest::newRow("2026") << QByteArray("Build 20260101") << 0 << 6;
        QTest::newRow("2021 Mar") << QByteArray("Build 20210301") << 0 << 1;
        QTest::newRow("2021 Jul") << QByteArray("Build 20210731") << 2503 << 1;
        QTest::newRow("2021 Aug") << QByteArray("Build 20210801") << 0 << 0;
        QTest::newRow("2020") << QByteArray("Build 20201201") << 0 << 0;
        QTest::newRow("first line wins") << QByteArray("Build 20260101\nBuild 20210801") << 0 << 6;
        QTest::newRow("no date") << QByteArray("Build: unknown\nBuild 2025") << 2503 << 0;
        QTest::newRow("huge line") << QByteArray(1 << 20, ' ').prepend("Build").append("20250215") << 2503
                                   << 0;
    }

    void buildLevel()
    {
        QFETCH(QByteArray, build);
        QFETCH(int, releaseId);
        QFETCH(int, level);
        const QByteArray release = releaseId
            ? "ID=zorva\nZORVA_RELEASE_ID = \"" + QByteArray::number(releaseId) + "\"\n"
            : QByteArray("ID=zorva\n");
        const std::string osRelease = file("os-release", release);
        probeBuildVersion(osRelease, file("zorva-build", build + "\n"));
        QCOMPARE(sysVersionLevel, level);

        // An unknown build keeps the level; a missing build file resets it.
        sysVersionLevel = 3;
        probeBuildVersion(osRelease, file("zorva-build", "Build 20201201\n"));
        QCOMPARE(sysVersionLevel, 3);
        probeBuildVersion(osRelease, m_dir.filePath("absent").toStdString());
        QCOMPARE(sysVersionLevel, 0);
    }

    void releaseId_data()
    {
        QTest::addColumn<QByteArray>("release");
        QTest::addColumn<int>("id");

        QTest::newRow("plain") << QByteArray("ZORVA_RELEASE_ID=\"2503\"") << 2503;
        QTest::newRow("first match") << QByteArray("ZORVA_RELEASE_ID=\"2403\"\nZORVA_RELEASE_ID=\"2503\"")
                                     << 2403;
        QTest::newRow("letter") << QByteArray("ZORVA_RELEASE_ID=\"25a3\"") << 0;
        QTest::newRow("sign") << QByteArray("ZORVA_RELEASE_ID=\"-2503\"") << 0;
        QTest::newRow("out of range") << QByteArray("ZORVA_RELEASE_ID=\"99999999999\"") << 0;
        QTest::newRow("unquoted") << QByteArray("ZORVA_RELEASE_ID=2503") << 0;
        QTest::newRow("huge") << QByteArray(1 << 20, '7').prepend("ZORVA_RELEASE_ID=\"").append('"') << 0;
    }

    void releaseId()
    {
        QFETCH(QByteArray, release);
        QFETCH(int, id);
        const std::string path = file("os-release", release + "\n");
        int releaseId = -1;
        QCOMPARE(readReleaseId(releaseId, path), id != 0);
        QCOMPARE(releaseId, id);
        const QByteArray printed = capturedStdout([&] { probeBuildVersion(path, "/nonexistent"); });
        QCOMPARE(printed, id ? QByteArray() : QByteArray("release id is 0\n"));

        QVERIFY(!readReleaseId(releaseId, "/nonexistent/os-release"));
        QCOMPARE(releaseId, 0);
    }

    void serverEdition()
    {
        QVERIFY(isServerEdition(QString::fromStdString(file("a", "NAME=\"Zorva\"\nVARIANT=\"SeRvEr\"\n"))));
        QVERIFY(!isServerEdition(QString::fromStdString(file("b", "NAME=\"Zorva Desktop\"\nSERVE=1\n"))));
        QTest::ignoreMessage(QtWarningMsg, "Cannot open /nonexistent/os-release");
        QVERIFY(!isServerEdition("/nonexistent/os-release"));
    }

    void statusSwitch_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<int>("on");

        QTest::newRow("enable") << "Security: on\nThree Admin : Enable\n" << 1;
        QTest::newRow("off") << "three admin: off\n" << 0;
        QTest::newRow("on, blanks, CR") << "THREE ADMIN:\t  ON\r\n" << 1;
        QTest::newRow("no colon skipped") << "three admin enabled\nthree admin: on\n" << 1;
        QTest::newRow("colon before key") << "status: three admin on\n" << 0;
        QTest::newRow("first line decides") << "three admin: disabled\nthree admin: on\n" << 0;
        QTest::newRow("empty") << "" << 0;
    }

    void statusSwitch()
    {
        QFETCH(QString, output);
        QFETCH(int, on);
        QCOMPARE(readStatusSwitch(printing(qPrintable(output)).c_str(), "Three Admin"), on);
    }

    void statusCommandMissing()
    {
        QCOMPARE(readStatusSwitch("/nonexistent/getstatus 2>/dev/null", "three admin"), 0);
    }

    void groups()
    {
        int result = 0;
        QByteArray printed = capturedStdout([&] { result = isUserInGroup("root", NO_GROUP); });
        QCOMPARE(result, -1);
        QVERIFY2(printed.startsWith("Failed to get group for tarvix-no-such-group: "), printed);

        uid_t unknown = 0x7ffffff0;
        while (getpwuid(unknown)) {
            --unknown;
        }
        printed = capturedStdout([&] { result = isUidInGroup(unknown, SUDO_GROUP_NAME); });
        QCOMPARE(result, -1);
        QVERIFY2(printed.startsWith("Failed to get passwd struct for " + QByteArray::number(unknown) + ": "),
            printed);
        QVERIFY(isUserAdmin(0, NO_GROUP));

        // Only the member list counts, not the primary group (root's own is not listed in Debian).
        const struct group *rootGroup = getgrgid(0);
        if (rootGroup && !rootGroup->gr_mem[0]) {
            QCOMPARE(isUserInGroup("root", rootGroup->gr_name), 0);
        }
    }

    void administrator()
    {
        const std::string threeAdmin = printing("Three Admin : Enable\n");
        const std::string normal = printing("three admin: off\n");
        probeAdministrator(4242, normal.c_str(), NO_GROUP);
        QVERIFY(!isAdministrator);
        probeAdministrator(0, threeAdmin.c_str(), NO_GROUP);
        QVERIFY(isAdministrator);
        probeAdministrator(4242, threeAdmin.c_str(), NO_GROUP);
        QVERIFY(isAdministrator); // never taken back

        // A real member of some group stands in for a sudo member.
        for (setgrent(); const struct group *entry = getgrent();) {
            const struct passwd *pw = entry->gr_mem[0] ? getpwnam(entry->gr_mem[0]) : nullptr;
            if (!pw || pw->pw_uid == 0) {
                continue;
            }
            const QByteArray group = entry->gr_name, member = pw->pw_name;
            const uid_t uid = pw->pw_uid;
            endgrent();
            int result = 0;
            QCOMPARE(capturedStdout([&] { result = isUidInGroup(uid, group); }),
                member + " is " + group + " group\n");
            QCOMPARE(result, 1);
            isAdministrator = false;
            probeAdministrator(uid, threeAdmin.c_str(), group);
            QVERIFY(!isAdministrator);
            probeAdministrator(uid, normal.c_str(), group);
            QVERIFY(isAdministrator);
            return;
        }
        endgrent();
        QSKIP("no group here lists a non-root member");
    }

    void runCommandResults()
    {
        QString output = "untouched";
        QTest::ignoreMessage(QtDebugMsg,
            "\"Command failed with exit code 3: /bin/sh -c echo 100% bad >&2; exit 3\\n"
            "Error: 100% bad\\n\"");
        QVERIFY(!runCommand("/bin/sh", { "-c", "echo 100% bad >&2; exit 3" }, output));
        QTest::ignoreMessage(QtDebugMsg, "Failed to start command: \"/nonexistent/tool\"");
        QVERIFY(!runCommand("/nonexistent/tool", {}, output));
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^\"Command failed with exit code"));
        QVERIFY(!runCommand("/bin/sh", { "-c", "kill -SEGV $$" }, output));
        QCOMPARE(output, QString("untouched"));

        QVERIFY(runCommand("/bin/sh", { "-c", "printf 'caf\\303\\251 %s\\n' \"$0\"", "42" }, output));
        QCOMPARE(output, QString::fromUtf8("café 42\n"));
    }

    void runCommandTimesOut()
    {
        QString output = "untouched";
        QElapsedTimer timer;
        timer.start();
        QTest::ignoreMessage(QtDebugMsg, "\"Command timed out after 300 ms: /bin/sleep 20\"");
        QVERIFY(!runCommand("/bin/sleep", { "20" }, output, 300));
        QVERIFY2(timer.elapsed() < 5000, "the child was left running");
        QCOMPARE(output, QString("untouched"));
    }
};

QTEST_GUILESS_MAIN(TestSystemProbes)
#include "tst_systemprobes.moc"
