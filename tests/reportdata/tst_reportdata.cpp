#include "alertengine/alertloader.h"
#include "alertengine/alerttestutil.h"
#include "reportdata/alertexport.h"
#include "reportdata/exporttarget.h"
#include "reportdata/reportpdf.h"
#include "support/alertlog.h"
#include "translation/translation.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

using Writer
    = std::function<bool(const QString &, AlertSpan, const Translation &, ExportProgress *, QString *)>;

const Translation &english()
{
    static const Translation translation("en_US", "/nonexistent");
    return translation;
}

// The three formats, each writing the alerts to a path.
QList<QPair<QString, Writer>> writers()
{
    const Writer pdf = [](const QString &path, AlertSpan alerts, const Translation &translation,
                           ExportProgress *progress, QString *error) {
        QImage picture(40, 90, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        const HitRanking none;
        return ReportPdf::write(
            path, { picture, alerts, &none, &none, "2024-03-01 - 2024-03-31" }, translation, progress, error);
    };
    return { { "csv", writeAlertsCsv }, { "jsonl", writeAlertsJsonLines }, { "pdf", pdf } };
}

std::vector<loginfo> load(const QTemporaryDir &dir, const QList<TestAlert> &alerts)
{
    std::vector<loginfo> list;
    loadAlertLog(writeTestFile(dir, "alerts.log", alertLog(alerts)).toStdString(), list);
    std::reverse(list.begin(), list.end()); // newest first, as the store holds them
    return list;
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qWarning() << program << process.readAllStandardError();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The type and permission bits of the entry itself; 0 when there is none.
mode_t modeOf(const QString &path)
{
    struct stat entry;
    return lstat(QFile::encodeName(path).constData(), &entry) == 0 ? entry.st_mode : 0;
}

QStringList leftovers(const QString &folder)
{
    return QDir(folder).entryList({ ".tarvix-export-*" }, QDir::Hidden | QDir::Files);
}

} // namespace

class TestReportData : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    // Every text field holds the hostile value; what Python's csv and json
    // modules read back is what a spreadsheet or a script would see.
    void exportsParseBack_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("read"); // as a program reads the JSON; empty: the value itself
        QTest::addColumn<bool>("guarded"); // the CSV cell starts with an apostrophe: no formula runs
        QTest::newRow("quotes and commas") << QByteArray("a \"b\", c") << "" << false;
        QTest::newRow("formula =") << QByteArray("=HYPERLINK(\"x\")") << "" << true;
        QTest::newRow("formula +") << QByteArray("+1+1") << "" << true;
        QTest::newRow("formula -") << QByteArray("-2+3") << "" << true;
        QTest::newRow("formula @") << QByteArray("@SUM(A1)") << "" << true;
        QTest::newRow("leading tab") << QByteArray("\t=1") << "" << true;
        QTest::newRow("leading CR") << QByteArray("\r=1") << "" << true;
        QTest::newRow("controls") << QByteArray("a\x01\x1b[31m\x7f\x62") << "" << false; // b after DEL
        QTest::newRow("invalid UTF-8")
            << QByteArray("x\xff\xe6\x96y\xed\xa0\x80") << "x\uFFFD\uFFFDy\uFFFD\uFFFD\uFFFD" << false;
        QTest::newRow("bidirectional") << QByteArray("evil\u202Egnp.exe\u200F\u2066") << "" << false;
        QTest::newRow("Chinese") << QByteArray("检测到 rootkit") << "" << false;
    }
    void exportsParseBack()
    {
        QFETCH(QByteArray, value);
        QFETCH(QString, read);
        QFETCH(bool, guarded);
        read = read.isEmpty() ? QString::fromUtf8(value) : read;
        const QString cell = (guarded ? "'" : "") + read;
        TestAlert alert;
        alert.time = QDateTime(QDate(2024, 3, 5), QTime(10, 11, 12));
        alert.level = 13;
        alert.comment = alert.location = alert.srcIp = alert.user = value;
        alert.raw = { value, "Dst IP: " + value, "Src Port: 4444", "second, \"line\"" };
        TestAlert older;
        older.time = alert.time.addDays(-1);
        const std::vector<loginfo> alerts = load(m_dir, { older, alert });

        const QString csv = m_dir.filePath("alerts.csv"), jsonl = m_dir.filePath("alerts.jsonl");
        QString error;
        QVERIFY2(writeAlertsCsv(csv, alerts, english(), nullptr, &error), qPrintable(error));
        QVERIFY2(writeAlertsJsonLines(jsonl, alerts, english(), nullptr, &error), qPrintable(error));

        const QByteArray jsonBytes = readTestFile(jsonl);
        // Nothing in a line that a terminal or an editor would act on.
        for (const char c : jsonBytes)
            QVERIFY(c == '\n' || uchar(c) >= 0x20);
        QVERIFY(!jsonBytes.contains("\u202E"));
        QVERIFY(readTestFile(csv).startsWith("\xEF\xBB\xBF"));

        const QString script
            = "import csv, json, sys\n"
              "rows = list(csv.reader(open(sys.argv[1], encoding='utf-8-sig', newline='')))\n"
              "lines = [json.loads(l) for l in open(sys.argv[2], encoding='utf-8')]\n"
              "print(json.dumps({'csv': rows, 'json': lines}))\n";
        const QJsonObject parsed
            = QJsonDocument::fromJson(run("python3", { "-c", script, csv, jsonl }).toUtf8()).object();
        const QJsonArray rows = parsed["csv"].toArray(), lines = parsed["json"].toArray();
        QCOMPARE(QList<int>({ rows.size(), lines.size() }), QList<int>({ 3, 2 }));
        const QStringList keys = { "id", "time", "level", "rule", "description", "title", "location",
            "source_ip", "source_port", "target_ip", "target_port", "user", "raw" };
        QCOMPARE(rows[0].toVariant().toStringList(), keys);

        const QJsonObject newest = lines[0].toObject();
        const QStringList raw = { read, "second, \"line\"" };
        const QJsonObject expected { { "id", "a1" }, { "time", "2024-03-05T10:11:12+00:00" }, { "level", 13 },
            { "rule", 5712 }, { "description", read }, { "title", read }, { "location", read },
            { "source_ip", read }, { "source_port", 4444 }, { "target_ip", read },
            { "target_port", QJsonValue() }, { "user", read }, { "raw", QJsonArray::fromStringList(raw) } };
        QVERIFY2(newest == expected, QJsonDocument(newest).toJson(QJsonDocument::Compact).constData());
        QCOMPARE(lines[1].toObject()["id"].toString(), "a0");

        QCOMPARE(rows[1].toVariant().toStringList(),
            QStringList({ "a1", "2024-03-05T10:11:12+00:00", "13", "5712", cell, cell, cell, cell, "4444",
                cell, "", cell, (guarded ? "'" : "") + raw.join('\n') }));
    }

    // What is at the path afterwards, whatever the format.
    void exportTarget_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("error"); // empty: written
        const QString prefix = "The report could not be written: ";
        QTest::newRow("link") << "link" << prefix + "%1 is a symbolic link.";
        QTest::newRow("device") << "null" << prefix + "%1 is a device.";
        QTest::newRow("FIFO") << "fifo" << prefix + "%1 is a named pipe.";
        QTest::newRow("folder") << "folder" << prefix + "%1 is a folder.";
        QTest::newRow("folder, trailing slash") << "folder/" << prefix + "%1 is a folder.";
        QTest::newRow("read-only file") << "readonly" << prefix + "%1 is read-only.";
        QTest::newRow("another user's file") << "theirs" << prefix + "%1 belongs to another user.";
        QTest::newRow("own writable file") << "own" << QString();
        QTest::newRow("new file") << "new" << QString();
        QTest::newRow("name too long")
            << QString(300, 'n') << prefix + "the name %1 is too long for the file system.";
        QTest::newRow("missing folder") << "missing/file" << prefix + "the folder %2/missing does not exist.";
        QTest::newRow("file as folder") << "own/file" << prefix + "%2/own is not a folder.";
    }
    void exportTarget()
    {
        QFETCH(QString, name);
        QFETCH(QString, error);
        const std::vector<loginfo> alerts = load(m_dir, recentAlerts(3));
        for (const auto &[format, write] : writers()) {
            QTemporaryDir dir;
            const QString folder = dir.path();
            const QString victim = writeTestFile(dir, "victim", "precious");
            QVERIFY(QFile::link(victim, dir.filePath("link")));
            QCOMPARE(mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600), 0);
            QVERIFY(QDir(folder).mkdir("folder"));
            writeTestFile(dir, "readonly", "kept");
            QVERIFY(QFile::setPermissions(dir.filePath("readonly"), QFile::ReadOwner | QFile::ReadGroup));
            writeTestFile(dir, "own", "old");
            QCOMPARE(chmod(QFile::encodeName(dir.filePath("own")).constData(), 0640), 0);
            if (name == "theirs") {
                // Only the administrator can give a file away.
                writeTestFile(dir, "theirs", "theirs");
                if (chown(QFile::encodeName(dir.filePath("theirs")).constData(), 65534, 65534) != 0)
                    QSKIP("needs the administrator");
            }
            // As root a null device of its own, so that a fault could never replace the system's.
            const QByteArray node = QFile::encodeName(dir.filePath(name));
            const QString path = name != "null" || mknod(node.constData(), S_IFCHR | 0666, makedev(1, 3)) == 0
                ? dir.filePath(name)
                : QString("/dev/null");

            QString message;
            const bool written = write(path, alerts, english(), nullptr, &message);
            QCOMPARE(message, QString(error).replace("%2", folder).replace("%1", path));
            QCOMPARE(written, error.isEmpty());
            QVERIFY(leftovers(folder).isEmpty());
            QCOMPARE(readTestFile(victim), QByteArray("precious"));
            QCOMPARE(QFileInfo(dir.filePath("link")).symLinkTarget(), victim);
            QVERIFY(S_ISCHR(modeOf("/dev/null")) && S_ISFIFO(modeOf(dir.filePath("fifo"))));
            QVERIFY(QDir(dir.filePath("folder")).isEmpty());
            QCOMPARE(readTestFile(dir.filePath("readonly")), QByteArray("kept"));
            QCOMPARE(modeOf(dir.filePath("readonly")) & 0777, mode_t(0440));
            if (name == "own" || name == "new") {
                const mode_t umaskNow = umask(022);
                umask(umaskNow);
                QCOMPARE(modeOf(path) & 0777, name == "own" ? mode_t(0640) : mode_t(0666 & ~umaskNow));
                QVERIFY2(QFileInfo(path).size() > 100, qPrintable(format));
            } else {
                QCOMPARE(QFileInfo(dir.filePath("own")).size(), 3);
            }
            QCOMPARE(QFileInfo(dir.filePath("theirs")).size(), name == "theirs" ? 6 : 0);
        }
    }

    // A link put at the path while the export was being written is replaced,
    // never written through: the rename at the end checks again.
    void linkPlantedWhileWriting()
    {
        QTemporaryDir dir;
        const QString victim = writeTestFile(dir, "victim", "precious");
        const QString path = dir.filePath("report.csv");
        ExportFile file;
        QString error;
        QVERIFY(file.open(path, &error));
        QCOMPARE(file.device()->write("data"), 4);
        QVERIFY(QFile::link(victim, path));
        QVERIFY(!file.commit(&error));
        QCOMPARE(error, QString("The report could not be written: %1 is a symbolic link.").arg(path));
        QCOMPARE(QFileInfo(path).symLinkTarget(), victim);
        QCOMPARE(readTestFile(victim), QByteArray("precious"));
        QVERIFY(leftovers(dir.path()).isEmpty());
    }

    // Cancelled, no format leaves a file or a temporary file behind.
    void cancelLeavesNoFile()
    {
        const std::vector<loginfo> alerts = load(m_dir, recentAlerts(3000));
        for (const auto &[format, write] : writers()) {
            QTemporaryDir dir;
            const QString path = dir.filePath("cancelled." + format);
            ExportProgress progress;
            progress.total = qint64(alerts.size());
            progress.cancelled = true;
            QString error;
            QVERIFY(!write(path, alerts, english(), &progress, &error));
            QCOMPARE(error, ExportFile::cancelledError());
            QVERIFY(!QFileInfo::exists(path) && leftovers(dir.path()).isEmpty());
            QVERIFY(progress.written < progress.total);
        }
    }

    // What a reader copies out of the PDF is what the alerts say.
    void pdfTextAsWritten()
    {
        TestAlert chinese;
        chinese.time = QDateTime(QDate(2024, 3, 5), QTime(10, 11, 12));
        chinese.comment = "检测到 rootkit 隐藏文件 用 方 人 行 食";
        TestAlert latin;
        latin.time = chinese.time.addSecs(-60);
        latin.comment
            = "Multiple authentication failures followed by a successful login from an unknown address";
        const std::vector<loginfo> alerts = load(m_dir, { latin, chinese });
        const QString path = m_dir.filePath("report.pdf");
        QVERIFY(writers()[2].second(path, alerts, english(), nullptr, nullptr));

        const QString text = run("pdftotext", { "-layout", path, "-" });
        QVERIFY2(text.contains("检测到 rootkit 隐藏文件 用 方 人 行 食"), qPrintable(text));
        QVERIFY2(!text.contains(QRegularExpression("[\\x{2E80}-\\x{2FDF}]")), qPrintable(text));
        // Cut at the last space before the 54th column, not inside "successful".
        QVERIFY2(
            text.contains(QRegularExpression("followed by a\\s.*\\n\\s*successful login")), qPrintable(text));
        const QString info = run("pdfinfo", { path });
        QVERIFY2(info.contains(
                     QRegularExpression("Title: +Intrusion detection statistics report 2024-03-01 - "
                                        "2024-03-31\n(.*\n)*Creator: +Zorva Intrusion Detector \\d+\\.\\d+")),
            qPrintable(info));
    }

    // Each title is its expected lines joined: one long word, Chinese, words, a line ending on a word's end.
    void titleLines()
    {
        const QString a50(50, 'a'), wen(27, QChar(0x6587));
        for (const QStringList &lines : QList<QStringList> { { a50 + "aaaa", "aaaaaa" }, { wen, wen.left(3) },
                 { a50 + " ", "bcdefgh" }, { a50.left(49) + " bcde", " fg" } })
            QCOMPARE(ReportPdf::titleLines(lines.join(QString())), lines);
    }
};

QTEST_MAIN(TestReportData)
#include "tst_reportdata.moc"
