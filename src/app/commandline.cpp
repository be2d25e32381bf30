#include "app/commandline.h"

#include <QFile>

#include <cstdio>
#include <getopt.h>

#include <optional>
#include <vector>

namespace {

// Values of the long options that have no short form.
enum LongOnly { EXPORT_REPORT = 256, FORMAT, FROM, TO, VERSION };

const struct option LONG_OPTIONS[] = {
    { "send-notify-detail", required_argument, nullptr, 's' },
    { "export-report", required_argument, nullptr, EXPORT_REPORT },
    { "format", required_argument, nullptr, FORMAT },
    { "from", required_argument, nullptr, FROM },
    { "to", required_argument, nullptr, TO },
    { "help", no_argument, nullptr, 'h' },
    { "version", no_argument, nullptr, VERSION },
    { nullptr, 0, nullptr, 0 },
};

// The option as the user wrote it, without its "=value".
QString writtenOption(const char *argument)
{
    const QString written = QFile::decodeName(argument);
    return written.left(written.indexOf('='));
}

QString fromLocal(const char *text)
{
    return QFile::decodeName(text);
}

} // namespace

CommandLine CommandLine::parse(int argc, char **argv)
{
    CommandLine line;
    const auto fail = [&line](const QString &error) {
        if (line.error.isEmpty())
            line.error = error;
    };
    bool help = false, version = false, alertGiven = false;
    std::optional<QString> formatName, fromText, toText;

    // getopt_long reorders what it reads: it reads a copy, so that Qt still
    // finds its own options in order. Option letters arrive in a cluster only
    // when the caller left Qt's options in (-style is -s "tyle" here).
    std::vector<char *> arguments(argv, argv + argc);
    arguments.push_back(nullptr);
    optind = 0; // also resets glibc's state of an earlier parse
    opterr = 0;
    int option;
    while ((option = getopt_long(argc, arguments.data(), ":s:h", LONG_OPTIONS, nullptr)) != -1) {
        switch (option) {
        case 's':
            line.alertId = optarg;
            alertGiven = true;
            break;
        case 'h':
            help = true;
            break;
        case VERSION:
            version = true;
            break;
        case EXPORT_REPORT:
            line.run = Export;
            line.exportPath = fromLocal(optarg);
            break;
        case FORMAT:
            formatName = fromLocal(optarg);
            break;
        case FROM:
            fromText = fromLocal(optarg);
            break;
        case TO:
            toText = fromLocal(optarg);
            break;
        case ':': // the option is the last argument read, long or short
            if (optopt == EXPORT_REPORT)
                line.run = Export; // wrong, but no window either
            fail(tr("%1 needs a value").arg(writtenOption(arguments[size_t(optind - 1)])));
            break;
        default: // '?'
            if (optopt == 'h' || optopt == VERSION)
                fail(tr("%1 takes no value").arg(writtenOption(arguments[size_t(optind - 1)])));
            else if (optopt > 0 && optopt < 256) // a letter, maybe within a cluster
                fail(tr("unknown option -%1").arg(QChar(optopt)));
            else // unknown or ambiguous long option, the last argument read
                fail(tr("unknown option %1").arg(writtenOption(arguments[size_t(optind - 1)])));
        }
    }

    if (help)
        line.run = Help;
    else if (version)
        line.run = Version;
    if (optind < argc) // what is no option was moved to the end
        fail(tr("unexpected argument \"%1\"").arg(fromLocal(arguments[size_t(optind)])));
    if (line.run != Export) {
        if (line.run == Window && formatName)
            fail(tr("--format is used only with --export-report"));
        if (line.run == Window && (fromText || toText))
            fail(tr("--from and --to are used only with --export-report"));
        return line;
    }

    if (alertGiven)
        fail(tr("-s cannot be combined with --export-report"));
    if (line.exportPath.isEmpty())
        fail(tr("--export-report wants the name of a file"));
    else if (formatName && !formatFromName(*formatName, &line.format))
        fail(tr("--format wants pdf, csv or jsonl, not \"%1\"").arg(*formatName));
    else if (!formatName && !formatFromSuffix(line.exportPath, &line.format))
        fail(tr("the format of \"%1\" is not known: end the name with .pdf, .csv or .jsonl, or give "
                "--format")
                 .arg(line.exportPath));
    const auto readDate = [&fail](const std::optional<QString> &text, const char *option, QDate *date) {
        if (!text)
            return;
        *date = QDate::fromString(*text, "yyyy-MM-dd");
        if (!date->isValid())
            fail(tr("%1 wants a date as YYYY-MM-DD, not \"%2\"").arg(QLatin1String(option), *text));
    };
    readDate(fromText, "--from", &line.from);
    readDate(toText, "--to", &line.to);
    if (line.from.isValid() && line.to.isValid() && line.from > line.to)
        fail(tr("--from is later than --to"));
    return line;
}

int CommandLine::refuse() const
{
    if (!error.isEmpty())
        std::fprintf(stderr, "tarvix-desktop: %s\n", qPrintable(error));
    std::fputs(qPrintable(usage()), stderr);
    return 2;
}

QString CommandLine::usage()
{
    return tr("Usage: tarvix-desktop [-s ALERT_ID]\n"
              "       tarvix-desktop --export-report FILE [--format pdf|csv|jsonl]\n"
              "                      [--from YYYY-MM-DD] [--to YYYY-MM-DD]\n"
              "       tarvix-desktop --help | --version\n"
              "\n"
              "  -s, --send-notify-detail ALERT_ID  show the alarm log with that alert highlighted\n"
              "                                     (handed to the running window when there is one)\n"
              "  --export-report FILE               write the report or the alerts to FILE and exit,\n"
              "                                     without a window: everything, or the days from\n"
              "                                     --from to --to (both included; either may be\n"
              "                                     left out)\n"
              "  --format pdf|csv|jsonl             pdf: the statistics report; csv: one row per\n"
              "                                     alert; jsonl: JSON Lines, one object per alert.\n"
              "                                     Without it the suffix of FILE (.pdf, .csv,\n"
              "                                     .jsonl) names the format\n"
              "  --from YYYY-MM-DD                  the first day of the export\n"
              "  --to YYYY-MM-DD                    the last day of the export\n"
              "  -h, --help                         this text\n"
              "  --version                          the program's name and version\n"
              "\n"
              "Qt's own options (-platform, -display, -style, ...) are taken as well.\n"
              "Exit status: 0 done; 1 the export was not written (the reason on standard\n"
              "error, and no file left behind) or the alert could not be handed over;\n"
              "2 a wrong command line.\n");
}

QString CommandLine::version()
{
    return QStringLiteral("tarvix-desktop " TARVIX_VERSION);
}
