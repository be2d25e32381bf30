#ifndef APP_EXPORTCOMMAND_H
#define APP_EXPORTCOMMAND_H

#include <QCoreApplication>

class QApplication;

// The runs of tarvix-desktop that open no window and never take part in the
// single-instance hand-over: --help, --version, and
//   --export-report FILE [--format pdf|csv|jsonl] [--from YYYY-MM-DD] [--to YYYY-MM-DD]
// which writes the statistics report (PDF) or the alerts (CSV, JSON Lines)
// of the range and exits.
class ExportCommand
{
    Q_DECLARE_TR_FUNCTIONS(ExportCommand)
public:
    // Read from all arguments, before Qt has taken its own.
    static bool requested(int argc, char **argv);
    // 0 when done; 1 when the export could not be made or written; 2 for a
    // wrong command line. A failure is one line on standard error, a wrong
    // command line that line and the usage.
    static int run(int argc, char **argv, void (*installTranslation)(QApplication &));
};

#endif
