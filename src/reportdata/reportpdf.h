#ifndef REPORTDATA_REPORTPDF_H
#define REPORTDATA_REPORTPDF_H

#include "alertengine/alertspan.h"
#include "reportdata/exportprogress.h"
#include "reportdata/hitranking.h"

#include <QCoreApplication>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

class Translation;

// What the PDF shows: the picture of the page (taken on the GUI thread), the
// alerts of the range newest first, the sources and users as counted for the
// page, in the order listed, and the range as the page names it.
struct ReportPdfContent
{
    QImage picture;
    AlertSpan alerts;
    const HitRanking *sources = nullptr;
    const HitRanking *users = nullptr;
    QString rangeText;
};

// The report as an A4 PDF: a title and the picture of the report on the
// first page, then every alert of the range, every attack source and every
// user name as text.
class ReportPdf
{
    Q_DECLARE_TR_FUNCTIONS(ReportPdf)
public:
    static constexpr int LINES_PER_PAGE = 43;
    static constexpr int ENTRIES_PER_PAGE = 21; // two lines each
    static constexpr int TITLE_LINE_UNITS = 54;

    // Where each shot of a scrolled content of totalHeight goes in its
    // picture, top down; the last one is aligned to the bottom.
    static QList<int> shotOffsets(int totalHeight, int viewportHeight);

    // An event title cut into lines: a character below U+0100 counts 1, any
    // other 2, and a line ends as soon as it counts 54, or, when that would
    // cut a Latin word and the line has a space, after its last space.
    static QStringList titleLines(const QString &title);

    // Writes the PDF through ExportFile on the calling thread (any thread),
    // counting the alerts written in progress->written; when
    // progress->cancelled is set it stops and leaves no file. On failure,
    // *error says why in one sentence.
    static bool write(const QString &pdfPath, const ReportPdfContent &content, const Translation &translation,
        ExportProgress *progress, QString *error);
};

#endif
