// The PDF export: what the written file holds (pdftotext, pdfinfo, pdffonts),
// the export from the page with its file dialog, and the command line.

#include "report/customfiledialog.h"
#include "report/notifyreportmain.h"
#include "report/reportpdf.h"
#include "support/alertlog.h"
#include "support/bustestmain.h"
#include "support/daemonsimfixture.h"
#include "translation/translation.h"

#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>

namespace {

loginfo alert(const std::string &comment, const std::string &srcIp = {}, const std::string &user = {})
{
    loginfo info;
    info.level = 13;
    info.date = "2024 Mar 05 10:11:12";
    info.location = "host->/var/log/auth.log";
    info.comment = comment;
    info.srcIp = srcIp;
    info.user = user;
    return info;
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pageCount(const QString &pdf)
{
    const QString info = run("pdfinfo", { pdf });
    const int at = info.indexOf("Pages:");
    return at < 0 ? -1 : info.mid(at + 6).section('\n', 0, 0).trimmed().toInt();
}

QString pageText(const QString &pdf, int page)
{
    return run(
        "pdftotext", { "-layout", "-f", QString::number(page), "-l", QString::number(page), pdf, "-" });
}

} // namespace

class TestReportExport : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QImage m_picture;
    std::unique_ptr<DaemonSimFixture> m_sim;

    QString writePdf(const std::vector<loginfo> &alerts)
    {
        static int number = 0;
        const QString path = m_dir.filePath(QString("report-%1.pdf").arg(++number));
        auto list = std::make_shared<const std::vector<loginfo>>(alerts);
        QString error;
        const Translation english("en_US", "/nonexistent");
        return ReportPdf::write(path, m_picture, { list, AlertSpan(*list) }, english, &error) ? path
                                                                                              : QString();
    }

    // count alerts a0 (oldest) to a<count-1> from five sources.
    bool serve(int count)
    {
        QList<TestAlert> alerts = recentAlerts(count);
        for (int i = 0; i < count; ++i)
            alerts[i].srcIp = "10.0.0." + QByteArray::number(i % 5);
        m_sim = std::make_unique<DaemonSimFixture>();
        m_sim->setSnapshotPath("/tmp/tarvix_alerts.log");
        return m_sim->start({ "--alerts", writeTestFile(m_dir, "alerts.log", alertLog(alerts)) });
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_picture = QImage(400, 900, QImage::Format_RGB32);
        m_picture.fill(QColor("#3790FA"));
        notifyReportMain::Sources &sources = notifyReportMain::sources();
        sources.installTimePath = m_dir.filePath("missing");
        sources.aiCountProgram = "/bin/sh";
        sources.aiCountArguments = QStringList { "-c", "echo 3" };
        sources.osReleasePath = m_dir.filePath("missing");
    }

    void shotOffsets()
    {
        QCOMPARE(ReportPdf::shotOffsets(500, 500), QList<int> { 0 }); // as high as the viewport
        QCOMPARE(ReportPdf::shotOffsets(501, 500), (QList<int> { 0, 1 })); // the second aligned to the bottom
        QCOMPARE(ReportPdf::shotOffsets(1000, 500), (QList<int> { 0, 500 }));
        QCOMPARE(ReportPdf::shotOffsets(1200, 500), (QList<int> { 0, 500, 700 }));
    }

    void pagesAndSections()
    {
        std::vector<loginfo> alerts;
        for (int i = 0; i < 50; ++i) // 50 alerts from 50 sources, without users
            alerts.push_back(alert("row " + std::to_string(i), "10.0." + std::to_string(100 + i) + ".1"));
        const QString pdf = writePdf(alerts);
        QVERIFY(!pdf.isEmpty());
        // The picture, two pages of alerts and three of sources; no page for users.
        QCOMPARE(pageCount(pdf), 6);
        QVERIFY(run("pdfinfo", { pdf }).contains("(A4)"));
        QVERIFY(pageText(pdf, 1).contains("Intrusion detection statistics report"));
        const QString events1 = pageText(pdf, 2);
        QVERIFY(events1.contains("All event statistics"));
        QVERIFY(events1.contains("Event Title"));
        QCOMPARE(events1.count("host->/var/log/auth.log"), 43);
        QCOMPARE(pageText(pdf, 3).count("host->/var/log/auth.log"), 7);
        const QList<int> entries { 21, 21, 8 };
        for (int page = 0; page < 3; ++page) {
            const QString text = pageText(pdf, 4 + page);
            QVERIFY(text.contains("All sources of attack"));
            QCOMPARE(text.count("Attack IP: 10.0."), entries[page]);
            QCOMPARE(text.count("Latest attack time: 2024 Mar 05 10:11:12"), entries[page]);
        }
        QVERIFY(!pageText(pdf, 6).contains("All user statistics"));
    }

    void wrappedTitlesAndFonts()
    {
        const std::string latin(60, 'w');
        const std::string chinese = QString(30, QChar(0x544A)).toStdString();
        const QString pdf = writePdf({ alert(latin, {}, "root"), alert(chinese, {}, "root") });
        QCOMPARE(pageCount(pdf), 3); // picture, events, users
        const QString events = pageText(pdf, 2);
        QVERIFY(events.contains(QRegularExpression("(^|\\n)\\s*w{54}\\s")));
        QVERIFY(events.contains(QRegularExpression("\\n\\s*w{6}\\s*\\n")));
        QVERIFY(!events.contains(QString(55, 'w')));
        QVERIFY(events.contains(QString(27, QChar(0x544A))));
        QVERIFY(
            events.contains(QRegularExpression(QString("\\n\\s*%1\\s*\\n").arg(QString(3, QChar(0x544A))))));
        const QString users = pageText(pdf, 3);
        QVERIFY(users.contains("All user statistics"));
        QVERIFY(users.contains("User: root"));
        // Chinese text as real glyphs of an embedded font.
        const QString fonts = run("pdffonts", { pdf });
        QVERIFY2(fonts.contains("NotoSansCJK"), qPrintable(fonts));
        for (const QString &line : fonts.split('\n').mid(2)) {
            if (!line.trimmed().isEmpty())
                QVERIFY2(line.contains(" yes "), qPrintable(line));
        }
    }

    // The page's export through its dialog, which offers today's name: a
    // failure is said in the page and leaves no file, a success is silent,
    // and the picture was a private file that is gone afterwards.
    void exportFromThePage()
    {
        QVERIFY(serve(30));
        QTemporaryDir work;
        QFile mine(writeTestFile(work, "tmpReport.png", "a user's own file"));
        notifyReportMain page;
        page.resize(856, 500);
        page.show();
        QTRY_VERIFY_WITH_TIMEOUT(!page.isLoading(), 10000);
        QLabel *status = page.findChild<QLabel *>("statusLabel");
        const auto exportTo = [&](const QString &target) {
            QString offered;
            QTimer::singleShot(0, this, [&] {
                QTRY_VERIFY(QApplication::activeModalWidget());
                auto *dialog = qobject_cast<CustomFileDialog *>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                offered = dialog->baseName();
                dialog->selectFile(target);
                static_cast<QDialog *>(dialog)->accept();
            });
            page.exportScrollAreaToImage();
            return offered;
        };

        // In a folder with a file of the name an old picture file had.
        const QString previous = QDir::currentPath();
        QDir::setCurrent(work.path());
        const QStringList before = QDir::temp().entryList({ "tarvix-report-*" });
        const QString target = work.filePath("report.pdf");
        QCOMPARE(exportTo(target),
            "Intrusion detection statistics report-" + QDate::currentDate().toString("yyyy-MM-dd"));
        QDir::setCurrent(previous);
        QCOMPARE(pageCount(target), 3); // picture, events, sources
        QVERIFY(pageText(target, 2).contains("alert 0"));
        QCOMPARE(status->text(), QString());
        QVERIFY(mine.open(QIODevice::ReadOnly));
        QCOMPARE(mine.readAll(), QByteArray("a user's own file"));
        QCOMPARE(QDir(work.path()).entryList(QDir::Files), (QStringList { "report.pdf", "tmpReport.png" }));
        QCOMPARE(QDir::temp().entryList({ "tarvix-report-*" }), before);

        const QString gone = m_dir.filePath("gone/report.pdf");
        exportTo(gone);
        QVERIFY2(status->text().endsWith("does not exist."), qPrintable(status->text()));
        QVERIFY(!QFile::exists(gone));
        QVERIFY(!page.exportReport(gone));
        QCOMPARE(page.exportError(),
            QString("The report could not be written: the folder %1 does not exist.")
                .arg(m_dir.filePath("gone")));
        QVERIFY(!page.exportReport("/proc/report.pdf")); // not even root writes there
        QCOMPARE(page.exportError(),
            QString("The report could not be written: the folder /proc cannot be written to."));
        // A picture that cannot be read leaves an earlier file of that name as it was.
        QFile earlier(writeTestFile(m_dir, "earlier.pdf", "old report"));
        QVERIFY(!page.writeReportPdf(earlier.fileName(), m_dir.filePath("no-picture.png")));
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("old report"));
    }

    void commandLine()
    {
        QVERIFY(serve(30));
        QTemporaryDir runtime; // as a desktop session has one
        QVERIFY(
            QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        const QString pdf = m_dir.filePath("command-line.pdf"), ranged = m_dir.filePath("ranged.pdf"),
                      never = m_dir.filePath("never.pdf"),
                      today = QDate::currentDate().toString("yyyy-MM-dd");
        // Exit status and what the program says (nothing when empty) on standard output or error.
        for (const auto &[arguments, status, says] :
            std::vector<std::tuple<QStringList, int, QString>> { { { "--export-report", pdf }, 0, "" },
                { { "--export-report", ranged, "--from", today, "--to", today }, 0, "" },
                { { "--help" }, 0, "--export-report FILE" },
                { { "--export-report", never, "--from", "2000-01-01", "--to", "2000-01-02" }, 1,
                    "There are no alarms" },
                { { "--export-report", "/proc/never.pdf" }, 1, "cannot be written to" },
                { { "--export-report", never, "--from", "2024-13-01" }, 2,
                    "--from wants a date as YYYY-MM-DD" },
                { { "--export-report", never, "--from", "2024-03-05", "--to", "2024-03-01" }, 2,
                    "later than" },
                { { "--export-report" }, 2, "Missing value" },
                { { "--export-report", never }, 1,
                    "tarvix-desktop: The detection service could not be reached\n" } }) {
            if (arguments == QStringList { "--export-report", never })
                QVERIFY(m_sim->stop());
            QProcess app;
            app.setProcessEnvironment(environment);
            app.setProcessChannelMode(QProcess::MergedChannels);
            app.start(TARVIX_APP_PATH, arguments);
            QVERIFY(app.waitForFinished(60000));
            const QString said = QString::fromLocal8Bit(app.readAll());
            QCOMPARE(app.exitStatus() == QProcess::NormalExit ? app.exitCode() : -1, status);
            QVERIFY2(says.isEmpty() ? said.isEmpty() : said.contains(says), qPrintable(said));
            if (status == 1) // one line, whatever the libraries would have said
                QCOMPARE(said.count('\n'), 1);
        }
        QCOMPARE(pageCount(pdf), 3);
        QVERIFY(QFile::exists(ranged));
        QVERIFY(!QFile::exists(never) && !QFile::exists("/proc/never.pdf"));
    }
};

TARVIX_BUS_TEST_MAIN(TestReportExport)
#include "tst_reportexport.moc"
