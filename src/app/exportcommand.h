#ifndef APP_EXPORTCOMMAND_H
#define APP_EXPORTCOMMAND_H

#include <QCoreApplication>

class QApplication;

// The runs of tarvix-desktop that open no window and never take part in the
// single-instance hand-over: --help, and
//   --export-report FILE [--from YYYY-MM-DD] [--to YYYY-MM-DD]
// which writes the statistics report of the range as a PDF file and exits.
class ExportCommand
{
    Q_DECLARE_TR_FUNCTIONS(ExportCommand)
public:
    static bool requested(int argc, char **argv);
    // 0 when done; 1 when the report could not be made or written; 2 for a
    // wrong command line. A failure is one line on standard error.
    static int run(int argc, char **argv, void (*installTranslation)(QApplication &));
};

#endif
