#include "support/alertlog.h"
#include "system/systemprobes.h"

#include <QtTest>

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace {

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
        return writeTestFile(m_dir, name, contents).toStdString();
    }

private slots:
    void init()
    {
        sysVersionLevel = 0;
        isAdministrator = false;
    }

    void buildLevel()
    {
        // Build text, release id, level; the last row's very long line is skipped.
        const std::tuple<QByteArray, int, int> cases[] = { { "Build 20250215", 2503, 5 },
            { "Build 20250615", 2503, 4 }, { "Build 20250215", 2403, 0 }, { "Build 20250215", 0, 0 },
            { "Build 20240101", 2403, 4 }, { "Kind: x\nBuild \t 20231010", 2303, 2 },
            { "Build 20220301", 2203, 2 }, { "Build 20221001", 2203, 1 }, { "Build 20260101", 0, 6 },
            { "Build 20210301", 0, 1 }, { "Build 20210731", 2503, 1 }, { "Build 20210801", 0, 0 },
            { "Build 20260101\nBuild 20210801", 0, 6 }, { "Build: unknown\nBuild 2025", 2503, 0 },
            { QByteArray(1 << 20, ' ').prepend("Build") + "20250215", 2503, 0 } };
        for (const auto &[build, releaseId, level] : cases) {
            const QByteArray release = "ZORVA_RELEASE_ID = \"" + QByteArray::number(releaseId) + "\"\n";
            const std::string osRelease = file("os-release", "ID=zorva\n" + (releaseId ? release : ""));
            sysVersionLevel = 0;
            probeBuildVersion(osRelease, file("zorva-build", build + "\n"));
            QVERIFY2(sysVersionLevel == level, build.left(40));
        }
        // An old build keeps the level; a missing build file resets it.
        const std::string osRelease = file("os-release", "ZORVA_RELEASE_ID=\"2503\"\n");
        sysVersionLevel = 3;
        probeBuildVersion(osRelease, file("zorva-build", "Build 20201201\n"));
        QCOMPARE(sysVersionLevel, 3);
        probeBuildVersion(osRelease, m_dir.filePath("absent").toStdString());
        QCOMPARE(sysVersionLevel, 0);
    }

    void releaseId()
    {
        const QList<QPair<QByteArray, int>> cases = { { "ZORVA_RELEASE_ID=\"2503\"", 2503 },
            { "ZORVA_RELEASE_ID=\"2403\"\nZORVA_RELEASE_ID=\"2503\"", 2403 },
            { "ZORVA_RELEASE_ID=\"25a3\"", 0 }, { "ZORVA_RELEASE_ID=\"-2503\"", 0 },
            { "ZORVA_RELEASE_ID=\"99999999999\"", 0 }, { "ZORVA_RELEASE_ID=2503", 0 },
            { QByteArray(1 << 20, '7').prepend("ZORVA_RELEASE_ID=\"") + '"', 0 } };
        for (const auto &c : cases) {
            const std::string path = file("os-release", c.first + "\n");
            int releaseId = -1;
            QCOMPARE(readReleaseId(releaseId, path), c.second != 0);
            QCOMPARE(releaseId, c.second);
        }
        int releaseId = -1;
        QVERIFY(!readReleaseId(releaseId, "/nonexistent/os-release"));
        QCOMPARE(releaseId, 0);

        QVERIFY(isServerEdition(QString::fromStdString(file("a", "NAME=\"Zorva\"\nVARIANT=\"SeRvEr\"\n"))));
        QVERIFY(!isServerEdition(QString::fromStdString(file("b", "NAME=\"Zorva Desktop\"\nSERVE=1\n"))));
        QTest::ignoreMessage(QtWarningMsg, "Cannot open /nonexistent/os-release");
        QVERIFY(!isServerEdition("/nonexistent/os-release"));
    }

    void statusSwitch()
    {
        // The key is matched in any case, whatever case the caller gives it in.
        const QList<QPair<const char *, int>> outputs = { { "Security: on\nThree Admin : Enable\n", 1 },
            { "three admin: off\n", 0 }, { "THREE ADMIN:\t  ON\r\n", 1 },
            { "three admin enabled\nthree admin: on\n", 1 }, { "status: three admin on\n", 0 },
            { "three admin: disabled\nthree admin: on\n", 0 }, { "", 0 } };
        for (const auto &output : outputs)
            QVERIFY2(readStatusSwitch(printing(output.first).c_str(), "Three Admin") == output.second,
                output.first);
        QCOMPARE(readStatusSwitch("/nonexistent/getstatus 2>/dev/null", "three admin"), 0);
    }

    void groupsAndAdministrator()
    {
        QCOMPARE(isUserInGroup("root", NO_GROUP), -1);
        uid_t unknown = 0x7ffffff0;
        while (getpwuid(unknown))
            --unknown;
        QCOMPARE(isUidInGroup(unknown, SUDO_GROUP_NAME), -1);
        QVERIFY(isUserAdmin(0, NO_GROUP));
        // Only the member list counts, not the primary group (root's is not listed in Debian).
        const struct group *rootGroup = getgrgid(0);
        if (rootGroup && !rootGroup->gr_mem[0])
            QCOMPARE(isUserInGroup("root", rootGroup->gr_name), 0);

        const std::string threeAdmin = printing("Three Admin : Enable\n"),
                          normal = printing("three admin: off\n");
        probeAdministrator(4242, normal.c_str(), NO_GROUP);
        QVERIFY(!isAdministrator);
        probeAdministrator(0, threeAdmin.c_str(), NO_GROUP);
        QVERIFY(isAdministrator);
        probeAdministrator(4242, threeAdmin.c_str(), NO_GROUP);
        QVERIFY(isAdministrator); // never taken back

        // A real member of some group stands in for a sudo member.
        for (setgrent(); const struct group *entry = getgrent();) {
            const struct passwd *pw = entry->gr_mem[0] ? getpwnam(entry->gr_mem[0]) : nullptr;
            if (!pw || pw->pw_uid == 0)
                continue;
            const QByteArray group = entry->gr_name;
            const uid_t uid = pw->pw_uid;
            endgrent();
            QCOMPARE(isUidInGroup(uid, group), 1);
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
        // A failure of any kind leaves the output alone; a printed "%" is not a format.
        QString output = "untouched";
        QTest::ignoreMessage(QtDebugMsg,
            "\"Command failed with exit code 3: /bin/sh -c echo 100%1 bad >&2; exit 3\\nError: 100%1 "
            "bad\\n\"");
        QVERIFY(!runCommand("/bin/sh", { "-c", "echo 100%1 bad >&2; exit 3" }, output));
        QTest::ignoreMessage(QtDebugMsg, "Failed to start command: \"/nonexistent/tool\"");
        QVERIFY(!runCommand("/nonexistent/tool", {}, output));
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^\"Command failed with exit code"));
        QVERIFY(!runCommand("/bin/sh", { "-c", "kill -SEGV $$" }, output));
        // A command that hangs is killed at the time-out.
        QElapsedTimer timer;
        timer.start();
        QTest::ignoreMessage(QtDebugMsg, "\"Command timed out after 300 ms: /bin/sleep 20\"");
        QVERIFY(!runCommand("/bin/sleep", { "20" }, output, 300));
        QVERIFY2(timer.elapsed() < 5000, "the child was left running");
        QCOMPARE(output, QString("untouched"));

        QVERIFY(runCommand("/bin/sh", { "-c", "printf 'caf\\303\\251 %s\\n' \"$0\"", "42" }, output));
        QCOMPARE(output, QString::fromUtf8("café 42\n"));
    }
};

QTEST_GUILESS_MAIN(TestSystemProbes)
#include "tst_systemprobes.moc"
