#include "report/reportpdf.h"

#include "alertengine/reportstats.h"
#include "translation/translation.h"
#include "widgets/alerttext.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

const int RESOLUTION = 800;
const int ROW_HEIGHT = 200;
const int FIRST_ROW = 400;
const int ROW_WIDTH = 12000;
const int SOURCE_WIDTH = 5300 - 3600 - 100; // up to the time column
const char *const FONT_FAMILY = "Noto Sans CJK SC";

QFont reportFont(int pointSize, int weight)
{
    QFont font(FONT_FAMILY, pointSize, weight);
    // Shaped, the font's digits come out as alternate glyphs that a PDF reader
    // cannot turn back into text: copied or searched, they would be missing.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

void drawRowText(QPainter &painter, int x, int y, const QString &text)
{
    painter.drawText(QRectF(x, y, ROW_WIDTH, ROW_HEIGHT), text, QTextOption());
}

struct Column
{
    QString title;
    int x;
};

// Draws the frame of a list page: heading, rule and column titles.
class ListPages
{
public:
    ListPages(QPdfWriter &writer, QPainter &painter)
        : m_writer(writer)
        , m_painter(painter)
    {
    }

    void start(const QString &heading, const QList<Column> &columns)
    {
        m_writer.newPage();
        m_painter.setFont(reportFont(9, 75));
        m_painter.drawText(QPointF(m_writer.width() / 2 - 400, 100), heading);
        m_painter.drawLine(0, 200, m_writer.width(), 200);
        for (const Column &column : columns)
            drawRowText(m_painter, column.x, 200, QString("%1").arg(column.title));
    }

private:
    QPdfWriter &m_writer;
    QPainter &m_painter;
};

QString shown(const std::string &text)
{
    return alertTextForDisplay(QString::fromStdString(text));
}

// Sources or users, 21 to a page, in the order of their map.
void drawHitSection(ListPages &pages, QPainter &painter, const std::map<std::string, HitStat> &stats,
    const QString &heading, const QList<Column> &columns,
    const std::function<QString(const QString &)> &firstLine, const QString &latestLabel)
{
    auto entry = stats.begin();
    while (entry != stats.end()) {
        pages.start(heading, columns);
        int y = FIRST_ROW;
        for (int count = 0; count < ReportPdf::ENTRIES_PER_PAGE && entry != stats.end(); ++count, ++entry) {
            if (entry->first.empty())
                continue;
            painter.setFont(reportFont(9, 75));
            drawRowText(painter, 300, y, firstLine(shown(entry->first)));
            painter.setFont(reportFont(9, 50));
            drawRowText(painter, 3800, y, QString::number(entry->second.count));
            drawRowText(painter, 300, y + ROW_HEIGHT,
                QString("%1 %2").arg(latestLabel, shown(entry->second.latestDate)));
            y += 2 * ROW_HEIGHT;
        }
    }
}

} // namespace

QList<int> ReportPdf::shotOffsets(int totalHeight, int viewportHeight)
{
    QList<int> offsets;
    if (totalHeight <= 0 || viewportHeight <= 0)
        return offsets;
    const int shots = (totalHeight + viewportHeight - 1) / viewportHeight;
    for (int i = 0; i < shots; ++i) {
        const int remaining = totalHeight - i * viewportHeight;
        offsets << (remaining < viewportHeight ? i * viewportHeight - viewportHeight + remaining
                                               : i * viewportHeight);
    }
    return offsets;
}

QStringList ReportPdf::titleLines(const QString &title)
{
    QStringList lines;
    QString line;
    int units = 0;
    for (int i = 0; i < title.size(); ++i) {
        const QChar c = title.at(i);
        line += c;
        // A character outside the basic plane is one character, in two halves.
        if (c.isHighSurrogate() && i + 1 < title.size() && title.at(i + 1).isLowSurrogate())
            line += title.at(++i);
        units += c.unicode() < 0x100 ? 1 : 2;
        if (units >= TITLE_LINE_UNITS) {
            lines << line;
            line.clear();
            units = 0;
        }
    }
    if (!line.isEmpty() || lines.isEmpty())
        lines << line;
    return lines;
}

bool ReportPdf::write(const QString &pdfPath, const QImage &picture, const AlertRange &range,
    const Translation &translation, QString *error)
{
    const QFileInfo target(pdfPath);
    QSaveFile file(pdfPath);
    if (!file.open(QIODevice::WriteOnly)) {
        const QString folder = QDir::toNativeSeparators(target.absolutePath());
        *error = QDir(folder).exists()
            ? tr("The report could not be written: the folder %1 cannot be written to.").arg(folder)
            : tr("The report could not be written: the folder %1 does not exist.").arg(folder);
        return false;
    }

    QPdfWriter writer(&file);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(RESOLUTION);
    const QSizeF millimetres = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    const double pageWidth = millimetres.width() * RESOLUTION / 25.4;
    const double pageHeight = millimetres.height() * RESOLUTION / 25.4;
    QPainter painter;
    if (!painter.begin(&writer)) {
        *error = tr("The report could not be written: the PDF writer failed.");
        return false;
    }
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    const double ratio = double(picture.width()) / picture.height();
    qDebug() << " image ratio: " << ratio << pageWidth / pageHeight;
    painter.setFont(reportFont(12, 75));
    painter.drawText(QPointF(writer.width() / 2 - 575, 180), tr("Intrusion detection statistics report"));
    QSize box = pageWidth / pageHeight < ratio ? QSize(qRound(pageWidth - 400), qRound(pageWidth / ratio))
                                               : QSize(qRound(pageHeight * 0.94 * ratio), qRound(pageHeight));
    // Within the page, with the margins of the top left corner on the other sides too.
    box = box.boundedTo(QSize(qRound(pageWidth) - 2 * 700, qRound(pageHeight) - 2 * 360));
    // The picture keeps its own pixels; the PDF scales it, which costs nothing and stays sharp.
    painter.drawImage(QRect(QPoint(700, 360), picture.size().scaled(box, Qt::KeepAspectRatio)), picture);
    painter.setPen(QPen(Qt::black, 4));

    ListPages pages(writer, painter);
    const AlertSpan alerts = range.alerts;
    size_t next = 0;
    while (next < alerts.size()) {
        pages.start(tr("All event statistics"),
            { { tr("Event Title"), 650 }, { tr("Alert Level"), 2950 }, { tr("Source"), 3800 },
                { tr("Happen Time"), 5500 } });
        painter.setFont(reportFont(9, 50));
        int line = 0;
        while (next < alerts.size()) {
            const loginfo &alert = alerts[next];
            const std::string translated = translation.translate(alert.comment.c_str());
            const QStringList title
                = titleLines(QString("%1").arg(shown(translated.empty() ? alert.comment : translated)));
            // An alert stays on one page, unless it alone needs more than a page.
            if (line > 0 && line + title.size() > LINES_PER_PAGE)
                break;
            const int y = FIRST_ROW + line * ROW_HEIGHT;
            for (int i = 0; i < title.size(); ++i)
                drawRowText(painter, 300, y + i * ROW_HEIGHT, title.at(i));
            drawRowText(painter, 3100, y, QString::number(alert.level));
            // A long source would run into the time: cut in the middle, host and file name stay.
            drawRowText(painter, 3600, y,
                painter.fontMetrics().elidedText(shown(alert.location), Qt::ElideMiddle, SOURCE_WIDTH));
            drawRowText(painter, 5300, y, shown(alert.date));
            line += title.size();
            ++next;
        }
    }

    std::map<std::string, HitStat> sources;
    countBySourceIp(alerts, sources);
    drawHitSection(
        pages, painter, sources, tr("All sources of attack"),
        { { tr("Attack IP"), 900 }, { tr("Attack times"), 3600 } },
        [](const QString &address) { return QString("%1 %2").arg(tr("Attack IP:"), address); },
        tr("Latest attack time:"));
    std::map<std::string, HitStat> users;
    countByUser(alerts, users);
    drawHitSection(
        pages, painter, users, tr("All user statistics"),
        { { tr("User"), 900 }, { tr("Attack Times"), 3600 } },
        [](const QString &user) { return QString("%1: %2").arg(tr("User"), user); },
        tr("Latest attack time:"));

    if (!painter.end() || !file.commit()) {
        *error = tr("The report could not be written: the PDF writer failed.");
        return false;
    }
    qDebug() << "Successfully converted PNG to PDF.";
    return true;
}
