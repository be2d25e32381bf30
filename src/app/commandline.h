#ifndef APP_COMMANDLINE_H
#define APP_COMMANDLINE_H

#include "reportdata/alertexport.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QString>

// What tarvix-desktop was asked to do. Read from the arguments QApplication
// left after taking its own (-platform, -style, -display, ...), and, before
// there is an application, from all of them to choose which one to build.
struct CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
public:
    enum Run { Window, Help, Version, Export };

    Run run = Window;
    // The last -s / --send-notify-detail value, as its bytes came; empty: none.
    QByteArray alertId;
    QString exportPath;
    ExportFormat format = ExportFormat::Pdf;
    QDate from; // invalid when not given
    QDate to;
    // Why the command line is wrong, in one line; empty when it is right.
    QString error;

    static CommandLine parse(int argc, char **argv);
    // Writes the error, when there is one, and the usage to standard error;
    // returns the exit status of a wrong command line, 2.
    int refuse() const;
    static QString usage();
    // "tarvix-desktop" and the version of the build.
    static QString version();
};

#endif
