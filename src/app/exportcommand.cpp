#include "app/exportcommand.h"

#include "alertengine/alertloader.h"
#include "alertstore/alertstore.h"
#include "daemon/tarvixdesktopdaemonclient.h"
#include "report/notifyreportmain.h"
#include "reportdata/reportdata.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDate>

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

const char *const USAGE
    = "Usage: tarvix-desktop [-s ALERT_ID]\n"
      "       tarvix-desktop --export-report FILE [--from YYYY-MM-DD] [--to YYYY-MM-DD]\n"
      "\n"
      "  -s, --send-notify-detail ALERT_ID  show the alarm log with that alert highlighted\n"
      "                                     (handed to the running window when there is one)\n"
      "  --export-report FILE               write the statistics report as a PDF file and exit,\n"
      "                                     without a window; everything, or the days from --from\n"
      "                                     to --to (both included; either may be left out)\n"
      "  -h, --help                         this text\n"
      "\n"
      "Exit status of --export-report: 0 written, 1 not written (the reason on standard\n"
      "error, and no file left behind), 2 a wrong command line.\n";

// The libraries and the daemon client write developer lines to standard
// error; a report run keeps it for its one line of outcome.
class QuietStandardError
{
public:
    QuietStandardError()
        : m_saved(dup(STDERR_FILENO))
    {
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0) {
            dup2(null, STDERR_FILENO);
            close(null);
        }
    }
    void say(const QString &line) const
    {
        const QByteArray text = "tarvix-desktop: " + line.toLocal8Bit() + "\n";
        if (write(m_saved, text.constData(), size_t(text.size())) < 0)
            return;
    }

private:
    int m_saved;
};

void dropDebugLines(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

// The day of the oldest alert, as the page takes it for an open start.
QDate oldestDay(const std::vector<loginfo> &newestFirst)
{
    if (newestFirst.empty() || newestFirst.back().timeNs == 0)
        return QDate::currentDate();
    return QDateTime::fromMSecsSinceEpoch(newestFirst.back().timeNs / 1000000).date();
}

bool readDate(const QCommandLineParser &parser, const QString &option, QDate &date, QString *error)
{
    if (!parser.isSet(option))
        return true;
    date = QDate::fromString(parser.value(option), "yyyy-MM-dd");
    if (!date.isValid())
        *error = QString("--%1 wants a date as YYYY-MM-DD, not \"%2\"").arg(option, parser.value(option));
    return date.isValid();
}

} // namespace

bool ExportCommand::requested(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--export-report") || !std::strncmp(argv[i], "--export-report=", 16)
            || !std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h"))
            return true;
    }
    return false;
}

int ExportCommand::run(int argc, char **argv, void (*installTranslation)(QApplication &))
{
    // Nothing is shown: the report is drawn off screen, also where there is no display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({ { "h", "help" }, "" });
    parser.addOption({ "export-report", "", "FILE" });
    parser.addOption({ "from", "", "YYYY-MM-DD" });
    parser.addOption({ "to", "", "YYYY-MM-DD" });
    if (!parser.parse(app.arguments())) {
        std::fprintf(stderr, "tarvix-desktop: %s\n%s", qPrintable(parser.errorText()), USAGE);
        return 2;
    }
    if (parser.isSet("help")) {
        std::fputs(USAGE, stdout);
        return 0;
    }
    QDate from;
    QDate to;
    QString error;
    if (!parser.positionalArguments().isEmpty())
        error = QString("unexpected argument \"%1\"").arg(parser.positionalArguments().first());
    else if (parser.value("export-report").isEmpty())
        error = "--export-report wants the name of the PDF file";
    if (error.isEmpty() && readDate(parser, "from", from, &error) && readDate(parser, "to", to, &error)
        && from.isValid() && to.isValid() && from > to)
        error = "--from is later than --to";
    if (!error.isEmpty()) {
        std::fprintf(stderr, "tarvix-desktop: %s\n", qPrintable(error));
        return 2;
    }

    installTranslation(app);
    qInstallMessageHandler(dropDebugLines);
    const QuietStandardError standardError;
    // No window waits here, so everything is asked for in turn on this thread.
    auto alerts = std::make_shared<std::vector<loginfo>>();
    const int loaded = loadAllAlerts(*alerts);
    if (loaded != 0) {
        standardError.say(AlertStore::failureText(loaded));
        return TarvixDesktopDaemonClient::endProcess(1);
    }
    const notifyReportMain::Sources &sources = notifyReportMain::sources();
    notifyReportMain::Figures figures;
    figures.daemon = ReportFigures::fetch(sources.installTimePath.toStdString());
    figures.aiInferences = ReportFigures::countAiInferences(sources.aiCountProgram, sources.aiCountArguments);
    if (from.isValid() || to.isValid()) {
        from = from.isValid() ? from : oldestDay(*alerts);
        to = to.isValid() ? to : QDate::currentDate();
    }
    const bool whole = !from.isValid();
    const SharedReportData data
        = ReportData::compute(alerts, whole ? "init" : notifyReportMain::rangeStartText(from).toStdString(),
            whole ? "init" : notifyReportMain::rangeEndText(to).toStdString());

    int status = 0;
    {
        notifyReportMain page(data, figures, from, to);
        page.setAttribute(Qt::WA_DontShowOnScreen);
        page.resize(874, 460); // the page's place in the main window
        page.show();
        if (page.showsEmptyState()) {
            standardError.say(tr("There are no alarms in the chosen range; no report was written."));
            status = 1;
        } else if (!page.exportReport(parser.value("export-report"))) {
            standardError.say(page.exportError());
            status = 1;
        }
    }
    return TarvixDesktopDaemonClient::endProcess(status);
}
