#ifndef REPORT_REPORTPDF_H
#define REPORT_REPORTPDF_H

#include "report/alertrange.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class QImage;
class Translation;

// The report as an A4 PDF: a title and the picture of the report on the
// first page, then every alert of the range, every attack source and every
// user name as text.
class ReportPdf
{
    Q_DECLARE_TR_FUNCTIONS(ReportPdf)
public:
    static const int LINES_PER_PAGE = 43;
    static const int ENTRIES_PER_PAGE = 21; // two lines each
    static const int TITLE_LINE_UNITS = 54;

    // Where each shot of a scrolled content of totalHeight goes in its
    // picture, top down; the last one is aligned to the bottom.
    static QList<int> shotOffsets(int totalHeight, int viewportHeight);

    // An event title cut into lines: a character below U+0100 counts 1, any
    // other 2, and a line ends as soon as it counts 54.
    static QStringList titleLines(const QString &title);

    // Writes to a temporary file beside pdfPath and renames it into place, so
    // a failure never leaves a partial file there. On failure, *error says
    // why in one sentence.
    static bool write(const QString &pdfPath, const QImage &picture, const AlertRange &range,
        const Translation &translation, QString *error);
};

#endif
