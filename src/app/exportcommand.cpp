#include "app/exportcommand.h"

#include "alertengine/alertloader.h"
#include "alertstore/alertstore.h"
#include "app/commandline.h"
#include "daemon/tarvixdesktopdaemonclient.h"
#include "report/notifyreportmain.h"
#include "reportdata/alertexport.h"
#include "reportdata/alertrange.h"
#include "reportdata/reportdata.h"
#include "translation/translation.h"

#include <QApplication>
#include <QDate>
#include <QLocale>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

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
    const QDate day = newestFirst.empty() ? QDate() : alertDay(newestFirst.back().timeNs);
    return day.isValid() ? day : QDate::currentDate();
}

// The statistics report: the page drawn off screen from the counts of the
// range, with the daemon's figures, then the PDF of it.
bool writeReport(const AlertList &alerts, const std::string &start, const std::string &end, const QDate &from,
    const QDate &to, const QString &path, QString *error)
{
    const notifyReportMain::Sources &sources = notifyReportMain::sources();
    notifyReportMain::Figures figures;
    figures.daemon = ReportFigures::fetch(sources.installTimePath.toStdString());
    figures.aiInferences = ReportFigures::countAiInferences(sources.aiCountProgram, sources.aiCountArguments);
    notifyReportMain page(ReportData::compute(alerts, start, end), figures, from, to);
    page.setAttribute(Qt::WA_DontShowOnScreen);
    page.resize(874, 460); // the page's place in the main window
    page.show();
    if (page.showsEmptyState()) {
        *error = ExportCommand::tr("There are no alarms in the chosen range; no report was written.");
        return false;
    }
    if (!page.exportReport(path)) {
        *error = page.exportError();
        return false;
    }
    return true;
}

} // namespace

bool ExportCommand::requested(int argc, char **argv)
{
    return CommandLine::parse(argc, argv).run != CommandLine::Window;
}

int ExportCommand::run(int argc, char **argv, void (*installTranslation)(QApplication &))
{
    // Nothing is shown: the report is drawn off screen, also where there is no display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installTranslation(app);
    // Read again now that Qt has taken its own options.
    const CommandLine line = CommandLine::parse(argc, argv);
    if (!line.error.isEmpty() || line.run == CommandLine::Window)
        return line.refuse();
    if (line.run == CommandLine::Help) {
        std::fputs(qPrintable(CommandLine::usage()), stdout);
        return 0;
    }
    if (line.run == CommandLine::Version) {
        std::printf("%s\n", qPrintable(CommandLine::version()));
        return 0;
    }

    qInstallMessageHandler(dropDebugLines);
    const QuietStandardError standardError;
    // No window waits here, so everything is asked for in turn on this thread.
    auto alerts = std::make_shared<std::vector<loginfo>>();
    const int loaded = loadAllAlerts(*alerts);
    if (loaded != 0) {
        standardError.say(AlertStore::failureText(loaded));
        return TarvixDesktopDaemonClient::endProcess(1);
    }
    QDate from = line.from;
    QDate to = line.to;
    if (from.isValid() || to.isValid()) {
        from = from.isValid() ? from : oldestDay(*alerts);
        to = to.isValid() ? to : QDate::currentDate();
    }
    const bool whole = !from.isValid();
    const std::string start = whole ? "init" : rangeStartText(from).toStdString();
    const std::string end
        = whole ? "init" : rangeEndText(to, notifyReportMain::REPORT_LAST_SECOND).toStdString();

    QString error;
    bool written;
    if (line.format == ExportFormat::Pdf) {
        written = writeReport(alerts, start, end, from, to, line.exportPath, &error);
    } else {
        // The alerts alone: no counting, no page. A range without alerts is
        // a file without rows, which is what a script asked for.
        const AlertSpan range = alertsInRange(*alerts, start, end);
        const Translation translation(QLocale::system().name().toUtf8().toStdString());
        written = line.format == ExportFormat::Csv
            ? writeAlertsCsv(line.exportPath, range, translation, nullptr, &error)
            : writeAlertsJsonLines(line.exportPath, range, translation, nullptr, &error);
    }
    if (!written)
        standardError.say(error);
    return TarvixDesktopDaemonClient::endProcess(written ? 0 : 1);
}
